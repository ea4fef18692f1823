// Test-only build: every click of the print button fails with an Exception.
#include "TestVariant.h"
#include "win32/Exception.h"

namespace test_variant {

void FormConstructed() {}
void ButtonClicked() {
    throw Exception("Tiskárna neodpovídá!");
}
void ChartPainted() {}

} // namespace test_variant
