// Test-only build: the window's construction fails with an Exception, after the series were filled.
#include "TestVariant.h"
#include "win32/Exception.h"

namespace test_variant {

void FormConstructed() {
    throw Exception("Chyba při vytváření okna");
}
void ButtonClicked() {}
void ChartPainted() {}

} // namespace test_variant
