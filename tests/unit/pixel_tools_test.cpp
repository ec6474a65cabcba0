// Stepping the pointer and the zoom from the keyboard and the wheel; the colour as text.
#include <gtest/gtest.h>

#include "magnifier/pixel_tools.h"

namespace vitrelo {
namespace {

TEST(PointerStep, IsOneScreenPixelLiveAndOneSourcePixelOverAFrozenPicture) {
    struct Row {
        double zoom;
        bool frozen;
        bool ten;
        Direction direction;
        Point to;
    } rows[] = {
        {4, false, false, Direction::Right, {101, 50}},  // live: the zoom does not matter
        {4, false, true, Direction::Left, {90, 50}},
        {2, true, false, Direction::Down, {100, 52}},
        {12, true, false, Direction::Up, {100, 38}},
        {12, true, true, Direction::Right, {220, 50}},
        {0.5, true, false, Direction::Left, {99, 50}},  // less than a pixel: one
        {3, true, true, Direction::Up, {100, 20}},
    };
    for (const Row& r : rows) {
        const Point to = step_pointer({100, 50}, r.direction, r.ten, r.zoom, r.frozen);
        EXPECT_EQ(to, r.to) << r.zoom << (r.frozen ? " frozen" : " live") << (r.ten ? " x10" : "");
    }
}

TEST(Wheel, FractionsOfANotchAddUpAndATurnBackStartsAfresh) {
    WheelNotches wheel;
    EXPECT_EQ(wheel.add(120), 1);
    EXPECT_EQ(wheel.add(-240), -2);
    EXPECT_EQ(wheel.add(40), 0);
    EXPECT_EQ(wheel.add(40), 0);
    EXPECT_EQ(wheel.add(50), 1);  // 130: one notch, 10 kept
    EXPECT_EQ(wheel.add(110), 1);
    EXPECT_EQ(wheel.add(100), 0);
    EXPECT_EQ(wheel.add(-30), 0);  // the other way: the 100 are dropped
    EXPECT_EQ(wheel.add(-90), -1);
}

TEST(ZoomStep, MovesAlongTheTableAndHoldsAtItsEnds) {
    EXPECT_EQ(stepped_zoom_index(2, 1), 3);
    EXPECT_EQ(stepped_zoom_index(2, -2), 0);
    EXPECT_EQ(stepped_zoom_index(0, -1), 0);
    EXPECT_EQ(stepped_zoom_index(8, 1), 8);
    EXPECT_EQ(stepped_zoom_index(7, 3), 8);
}

TEST(ColorText, HexIsUpperCaseRgbOrderAndRgbHasNoLeadingBlank) {
    EXPECT_EQ(color_hex_text(0x00C08001), "#0180C0");
    EXPECT_EQ(color_hex_text(0x00FFFFFF), "#FFFFFF");
    EXPECT_EQ(color_hex_text(0x00000000), "#000000");
    EXPECT_EQ(color_rgb_text(0x00C08001), "RGB(1,128,192)");
}

}  // namespace
}  // namespace vitrelo
