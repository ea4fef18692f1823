#pragma once

// The points at which a test-only build of the program has a fault or a report compiled in
// (tests/variants/). The shipped program links ShippedVariant.cpp, where each of them does nothing.
namespace test_variant {

// At the end of TForm1's construction, after the series have been filled.
void FormConstructed();
// At the start of Button1Click.
void ButtonClicked();
// After each paint of the chart's window, once its picture is on the screen.
void ChartPainted();

} // namespace test_variant
