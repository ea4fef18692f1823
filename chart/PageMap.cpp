#include "PageMap.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace chart {

int MulDivRounded(int a, int b, int c) {
    if (c == 0)
        return 0;
    const std::int64_t numerator = std::int64_t{a} * b;
    const std::int64_t quotient = numerator / c;
    const std::int64_t remainder = numerator % c;
    if (2 * std::llabs(remainder) < std::llabs(std::int64_t{c}))
        return static_cast<int>(quotient);
    return static_cast<int>(quotient + ((numerator < 0) != (c < 0) ? -1 : 1));
}

Rect PageRectangle(Size printable, const PageMargins& margins) {
    const auto share = [](int margin, int extent) {
        return static_cast<int>(std::lround(static_cast<double>(extent) * margin / 100.0));
    };
    return {share(margins.Left, printable.Width), share(margins.Top, printable.Height),
            printable.Width - share(margins.Right, printable.Width),
            printable.Height - share(margins.Bottom, printable.Height)};
}

std::optional<PageMapping> MapChartToPage(Rect page, Size clientSize) {
    if (page.Left > page.Right)
        std::swap(page.Left, page.Right);
    if (page.Top > page.Bottom)
        std::swap(page.Top, page.Bottom);
    const Size device{page.Width(), page.Height()};
    if (device.Width <= 0 || device.Height <= 0 || clientSize.Width <= 0 || clientSize.Height <= 0)
        return std::nullopt;
    const int cw = clientSize.Width, ch = clientSize.Height;
    return PageMapping{
        clientSize, device,
        Rect{MulDivRounded(page.Left, cw, device.Width), MulDivRounded(page.Top, ch, device.Height),
             MulDivRounded(page.Right, cw, device.Width), MulDivRounded(page.Bottom, ch, device.Height)}};
}

} // namespace chart
