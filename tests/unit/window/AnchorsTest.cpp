#include "win32/Anchors.h"
#include "Unit1Form.h"

#include <gtest/gtest.h>

using win32::AnchoredBounds;
using win32::Anchors;
using win32::Bounds;

namespace {

const chart::Size Chart2DesignSize{726, 455};
const chart::Size Form1DesignClient{717, 449};

TEST(AnchoredBounds, KeepsTheDesignAtTheDesignSize) {
    const TForm1Description& form = Form1Description;
    for (const win32::ControlProperties& control : {form.Button1.Control, form.Image1.Control})
        EXPECT_EQ(AnchoredBounds(control.Bounds, control.Anchors, Chart2DesignSize, Chart2DesignSize),
                  control.Bounds);
}

// Enlarging the window by (100, 50): the chart grows by as much, the button follows the chart's right
// and bottom edges, the logo its bottom edge only.
TEST(AnchoredBounds, FollowsTheAnchoredEdgesOfAnEnlargedWindow) {
    const TForm1Description& form = Form1Description;
    const Bounds chart = AnchoredBounds(form.Chart2.Control.Bounds, form.Chart2.Control.Anchors,
                                        Form1DesignClient, {817, 499});
    EXPECT_EQ(chart, (Bounds{-9, -3, 826, 505}));

    const chart::Size chartSize{chart.Width, chart.Height};
    EXPECT_EQ(AnchoredBounds(form.Button1.Control.Bounds, form.Button1.Control.Anchors, Chart2DesignSize,
                             chartSize),
              (Bounds{745, 469, 75, 25}));
    EXPECT_EQ(
        AnchoredBounds(form.Image1.Control.Bounds, form.Image1.Control.Anchors, Chart2DesignSize, chartSize),
        (Bounds{8, 460, 105, 41}));
}

TEST(AnchoredBounds, KeepsTheDistancesWhenTheParentShrinks) {
    const Bounds button{645, 419, 75, 25};
    const Bounds shrunk =
        AnchoredBounds(button, Anchors::Right | Anchors::Bottom, Chart2DesignSize, {300, 200});
    EXPECT_EQ(shrunk, (Bounds{219, 164, 75, 25}));
    EXPECT_EQ(300 - (shrunk.Left + shrunk.Width), 726 - (645 + 75));
    EXPECT_EQ(200 - (shrunk.Top + shrunk.Height), 455 - (419 + 25));
}

TEST(AnchoredBounds, KeepsTheCentreInPlaceWithoutAnchorsOnAnAxis) {
    // Centre at 50 of 200 stays a quarter of the way across: 100 of 400.
    EXPECT_EQ(AnchoredBounds({40, 10, 20, 30}, Anchors::Top, {200, 100}, {400, 300}),
              (Bounds{90, 10, 20, 30}));
    // Top and bottom anchored, left and right not: grows vertically, keeps its horizontal centre.
    EXPECT_EQ(AnchoredBounds({90, 10, 21, 30}, Anchors::Top | Anchors::Bottom, {200, 100}, {200, 150}),
              (Bounds{90, 10, 21, 80}));
}

} // namespace
