#include "Anchors.h"

namespace win32 {
namespace {

struct Span {
    int Start;
    int Length;
};

Span AnchoredSpan(Span design, bool nearEdge, bool farEdge, int designParent, int parent) {
    const int growth = parent - designParent;
    if (nearEdge && farEdge)
        return {design.Start, design.Length + growth};
    if (farEdge)
        return {design.Start + growth, design.Length};
    if (nearEdge || designParent == 0)
        return design;
    // Twice the centre, so that odd lengths stay exact: 2c' = 2c * parent / designParent.
    const long long doubledCentre = 2LL * design.Start + design.Length;
    const long long scaled = doubledCentre * parent / designParent;
    return {static_cast<int>((scaled - design.Length) / 2), design.Length};
}

} // namespace

Bounds AnchoredBounds(Bounds design, Anchors anchors, chart::Size designParent, chart::Size parent) {
    const Span x = AnchoredSpan({design.Left, design.Width}, HasAnchor(anchors, Anchors::Left),
                                HasAnchor(anchors, Anchors::Right), designParent.Width, parent.Width);
    const Span y = AnchoredSpan({design.Top, design.Height}, HasAnchor(anchors, Anchors::Top),
                                HasAnchor(anchors, Anchors::Bottom), designParent.Height, parent.Height);
    return {x.Start, y.Start, x.Length, y.Length};
}

} // namespace win32
