// Test-only build for the start-up benchmark: reports the end of the chart window's first paint and quits.
#include "FirstPaintReport.h"
#include "TestVariant.h"

#include <utility>

namespace test_variant {

void FormConstructed() {}
void ButtonClicked() {}

void ChartPainted() {
    static bool reported = false;
    if (std::exchange(reported, true))
        return;
    WriteFirstPaintTime();
    ::PostQuitMessage(0);
}

} // namespace test_variant
