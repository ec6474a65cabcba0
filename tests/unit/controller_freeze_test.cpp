// The tick and the render pass: freezing, the lock, blanking, readouts, overlays.
#include "fakes/controller_fixture.h"
#include "magnifier/readout.h"
#include "magnifier/texts.h"

namespace vitrelo::fake {
namespace {

TEST_F(ControllerTest, CtrlHoldsThePictureUntilReleased) {
    start();
    screen.tapped.insert(Key::Ctrl);  // a press that ended before the tick
    controller.tick();
    EXPECT_EQ(state().freeze, Freeze::Live);
    ASSERT_EQ(screen.captures.size(), 1u);

    const std::vector<uint32_t> held = view.image.pixels;
    screen.held.insert(Key::Ctrl);
    screen.at = Point{300, 600};
    controller.tick();
    controller.tick();
    EXPECT_EQ(screen.captures.size(), 1u);
    EXPECT_EQ(view.image.pixels, held);
    EXPECT_EQ(system.sounds, std::vector<Sound>{Sound::Pause});
    EXPECT_EQ(shown().lock, LockIcon::Pin);
    EXPECT_FALSE(shown().lock_enabled);
    controller.right_button_down();
    EXPECT_TRUE(find_item(shell.menus.back(), text::kMenuImage)->enabled);
    EXPECT_FALSE(find_item(shell.menus.back(), text::kMenuCapture)->enabled);
    controller.lock_clicked();  // the greyed push-pin does nothing
    EXPECT_EQ(view.image.pixels, held);

    screen.held.clear();
    controller.tick();
    EXPECT_EQ(screen.captures.size(), 2u);
    EXPECT_EQ(shown().lock, LockIcon::Hidden);
    controller.lock_clicked();  // hidden: no click
    EXPECT_FALSE(state().capture_mode);
    screen.held.insert(Key::Ctrl);
    controller.tick();
    EXPECT_EQ(system.sounds.size(), 2u) << "each pause sounds once";
}

TEST_F(ControllerTest, SpaceLocksCaptureModeOnlyOutsideAndThePadlockUnlocks) {
    start();
    screen.held.insert(Key::Space);  // outside capture mode space means nothing
    settle_at(kOutside);
    EXPECT_EQ(state().freeze, Freeze::Live);
    screen.held.clear();
    run(CommandKind::Capture);
    EXPECT_EQ(shown().lock, LockIcon::Open);
    settle_at(kInside);
    screen.tapped.insert(Key::Space);
    controller.tick();  // over the window: the press is dropped
    settle_at(kOutside);
    controller.tick();
    EXPECT_EQ(state().freeze, Freeze::Live);
    EXPECT_TRUE(system.sounds.empty());

    screen.tapped.insert(Key::Space);
    controller.tick();
    EXPECT_EQ(state().freeze, Freeze::Locked);
    EXPECT_EQ(system.sounds, std::vector<Sound>{Sound::Lock});
    EXPECT_EQ(shown().lock, LockIcon::Closed);
    const size_t captures = screen.captures.size();
    screen.at = Point{20, 20};
    controller.tick();
    EXPECT_EQ(screen.captures.size(), captures);

    screen.tapped.insert(Key::Space);  // pressed while locked
    controller.lock_clicked();
    EXPECT_EQ(shown().lock, LockIcon::Open);
    EXPECT_TRUE(all_white());
    controller.tick();
    EXPECT_EQ(screen.captures.size(), captures) << "the first pass after unlocking blanks";
    controller.tick();
    EXPECT_EQ(state().freeze, Freeze::Live);
    EXPECT_EQ(screen.captures.size(), captures + 1);
    EXPECT_EQ(system.sounds.size(), 1u);

    controller.lock_clicked();  // the open padlock leaves capture mode
    EXPECT_FALSE(state().capture_mode);
    EXPECT_EQ(shown().lock, LockIcon::Hidden);
    EXPECT_EQ(system.sounds.back(), Sound::Leave);
}

TEST_F(ControllerTest, CaptureModeDrawsThePointerUnlessCtrlIsHeld) {
    start();
    run(CommandKind::Capture);
    screen.at = Point{10, 20};  // near the corner: the capture is pushed back
    controller.tick();
    ASSERT_EQ(screen.pointer_shifts.size(), 1u);
    EXPECT_EQ(screen.pointer_shifts[0], screen.captures.back().first.shift);
    EXPECT_NE(screen.pointer_shifts[0], (Point{0, 0}));
    screen.held.insert(Key::Ctrl);
    controller.tick();
    EXPECT_EQ(screen.captures.size(), 2u) << "capture mode keeps capturing under Ctrl";
    EXPECT_EQ(screen.pointer_shifts.size(), 1u);
}

TEST_F(ControllerTest, PointerOverTheWindowBlanksTheLivePicture) {
    start();
    run(CommandKind::PickColor);
    settle_at(kOutside);
    EXPECT_FALSE(all_white());
    EXPECT_TRUE(shown().swatch_shown);
    const int presents = view.presents;
    settle_at(kInside);
    EXPECT_TRUE(all_white());
    EXPECT_FALSE(shown().swatch_shown);
    EXPECT_EQ(shown().readout, "");
    EXPECT_EQ(view.presents, presents + 2);
}

TEST_F(ControllerTest, ColourReadoutFromTheScreenThenFromTheFrozenPicture) {
    start();
    run(CommandKind::PickColor);
    settle_at(kOutside);
    EXPECT_EQ(shown().readout, color_readout(screen_color(kOutside)));
    EXPECT_EQ(shown().swatch, screen_color(kOutside));
    screen.pixel_readable = false;
    controller.tick();
    EXPECT_EQ(shown().readout, color_readout(kWhite));
    EXPECT_EQ(shown().swatch, screen_color(kOutside)) << "an unread pixel keeps the swatch";

    screen.held.insert(Key::Ctrl);
    controller.tick();
    const int w = view.image.width, h = view.image.height;
    for (Point p : {Point{0, 0}, Point{w - 1, h - 1}}) {
        view.at(p.x, p.y) = 0x00112233 + uint32_t(p.x);
        controller.pointer_moved(p, false);
        EXPECT_EQ(shown().picture_pointer, PointerShape::Eyedropper);
        EXPECT_EQ(shown().swatch, color_from_pixel(view.at(p.x, p.y)));
        EXPECT_EQ(shown().readout, color_readout(color_from_pixel(view.at(p.x, p.y))));
    }
    for (Point off : {Point{-1, 0}, Point{0, -1}, Point{w, 0}, Point{0, h}}) {
        controller.pointer_moved(off, false);
        EXPECT_EQ(shown().readout, color_readout(kWhite));
    }
    screen.held.clear();
    controller.tick();
    controller.pointer_moved({5, 6}, false);
    EXPECT_EQ(shown().picture_pointer, PointerShape::Arrow);
}

TEST_F(ControllerTest, MeasuringReadoutOutsideInsideAndOnTheFrozenPicture) {
    start();
    run(CommandKind::Measure);
    run(CommandKind::Zoom, 4);  // 4x
    settle_at(kOutside);
    screen.tapped.insert(Key::Zero);
    controller.tick();
    screen.at = Point{712, 493};
    controller.tick();
    EXPECT_EQ(shown().readout, distance_readout(12, 7));
    screen.at = kInside;
    controller.tick();
    EXPECT_EQ(shown().readout, "") << "over the live magnifier";

    run(CommandKind::Capture);
    settle_at(kOutside);
    screen.tapped.insert(Key::Space);
    controller.tick();
    ASSERT_EQ(state().freeze, Freeze::Locked);
    screen.at = kInside;
    screen.tapped.insert(Key::NumpadZero);
    controller.tick();
    screen.at = Point{kInside.x + 24, kInside.y - 8};
    controller.tick();
    EXPECT_EQ(shown().readout, distance_readout(6, 2)) << "measured on the 4x picture";
    screen.at = Point{kInside.x + 10, 700};
    controller.tick();
    EXPECT_EQ(shown().readout, distance_readout(10, 550));
}

TEST_F(ControllerTest, MeasuringOutlineOnALockedPictureElseTheWindowDrags) {
    start();
    run(CommandKind::Measure);
    run(CommandKind::Capture);
    settle_at(kOutside);
    screen.tapped.insert(Key::Space);
    controller.tick();
    screen.at = Point{640, 470};
    controller.left_button_down({100, 60});
    EXPECT_EQ(log.count("drag"), 0);
    EXPECT_EQ(state().reference, (Point{640, 470}));
    EXPECT_EQ(shown().measure, (Rect{100, 60, 0, 0}));
    controller.pointer_moved({40, 10}, true);
    EXPECT_EQ(shown().measure, (Rect{40, 10, 60, 50}));
    controller.pointer_moved({70, 90}, false);
    EXPECT_EQ(shown().measure, (Rect{40, 10, 60, 50})) << "only with the button down";
    controller.button_up();
    EXPECT_FALSE(shown().measure);

    controller.lock_clicked();
    controller.left_button_down({100, 60});
    EXPECT_EQ(log.count("drag"), 1);
    EXPECT_FALSE(shown().measure);
}

TEST_F(ControllerTest, GridFromSixTimesWhenOn) {
    start();
    const auto grey = [](uint32_t p) { return p == 0x808080 || p == 0xC0C0C0; };
    const struct {
        int zoom_index;
        bool grid;
        bool drawn;
    } cases[] = {{4, true, false}, {5, true, true}, {5, false, false}, {8, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoom_index);
        run(CommandKind::Zoom, c.zoom_index);
        if (state().grid != c.grid) run(CommandKind::Grid);
        settle_at(kOutside);
        const int step = round_even(kZoomFactors[size_t(c.zoom_index)]);
        EXPECT_EQ(grey(view.at(step, 1)), c.drawn);
        EXPECT_EQ(grey(view.at(step, step)), c.drawn);
        EXPECT_FALSE(grey(view.at(step - 1, 1)));
    }
}

TEST_F(ControllerTest, InversionCapturesOntoWhite) {
    start();
    run(CommandKind::Invert);
    std::fill(view.image.pixels.begin(), view.image.pixels.end(), 0x123456);
    controller.tick();
    ASSERT_TRUE(screen.captures.back().second);
    const Rect source = screen.captures.back().first.source;
    EXPECT_EQ(view.at(0, 0), 0xFFFFFF ^ pixel_from_color(screen_color({source.left, source.top})));
    run(CommandKind::Invert);
    controller.tick();
    EXPECT_FALSE(screen.captures.back().second);
}

}  // namespace
}  // namespace vitrelo::fake
