// Test-only build: start-up fails with an exception that is not an Exception.
#include "TestVariant.h"

#include <stdexcept>

namespace test_variant {

void FormConstructed() {
    throw std::runtime_error("not an Exception");
}
void ButtonClicked() {}
void ChartPainted() {}

} // namespace test_variant
