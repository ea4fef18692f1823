#include "TestVariant.h"

namespace test_variant {

void FormConstructed() {}
void ButtonClicked() {}
void ChartPainted() {}

} // namespace test_variant
