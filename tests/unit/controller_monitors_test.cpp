// Two monitors: the primary 1024 x 768 at (0, 0) and one of 800 x 600 left of it, at
// negative x; the area below y = 600 on the left is off every monitor.
#include "fakes/controller_fixture.h"
#include "magnifier/readout.h"

namespace vitrelo::fake {
namespace {

constexpr Rect kLeft{-800, 0, 800, 600};

class MonitorsTest : public ControllerTest {
protected:
    MonitorsTest() { screen.monitors_on(); }
};

TEST_F(MonitorsTest, CaptureStaysOnTheMonitorUnderOrNearestThePointer) {
    start();  // a 250 x 186 picture at 2x: 125 x 93 screen pixels
    const struct {
        Point pointer;
        Rect source;
    } cases[] = {
        {{-795, 300}, {-800, 254, 125, 93}},  // the second monitor's left edge
        {{-3, 597}, {-125, 507, 125, 93}},    // its right and bottom edges, not the primary's
        {{-400, 700}, {-462, 507, 125, 93}},  // off every monitor, below the second one
        {{2, 700}, {0, 654, 125, 93}},        // the primary's left edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pointer.x << "," << c.pointer.y);
        settle_at(c.pointer);
        EXPECT_EQ(screen.captures.back().first.source, c.source);
    }
}

TEST_F(MonitorsTest, PresetsAndBarsUseTheMonitorHoldingMostOfTheWindow) {
    start();
    const struct {
        Rect window;
        Preset preset;
        Rect expected;
    } cases[] = {
        // 1/4 of the second monitor, pushed back inside it.
        {{-300, 500, 256, 192}, Preset::QuarterScreen, {-400, 300, 400, 300}},
        // The bars at the minimum height: an eighth of 600 is less.
        {{-600, 100, 256, 192}, Preset::TopBar, {-800, 0, 800, 107}},
        {{-600, 100, 256, 192}, Preset::BottomBar, {-800, 493, 800, 107}},
        // Mostly on the primary: 1/8 of it, kept on it.
        {{-100, 100, 256, 192}, Preset::EighthScreen, {0, 100, 256, 192}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.preset));
        view.window = c.window;
        run(CommandKind::Size, static_cast<int>(c.preset));
        EXPECT_EQ(view.window, c.expected);
    }
    // The size mark is judged by the window's monitor: 1/4 of the second one.
    view.window = {-600, 100, 256, 192};
    run(CommandKind::Size, static_cast<int>(Preset::QuarterScreen));
    EXPECT_EQ(state().size_mark, Preset::QuarterScreen);
}

TEST_F(MonitorsTest, ADisplayChangeKeepsTheWindowOnItsNearestMonitor) {
    start();
    view.window = {-500, 650, 256, 192};  // below the second monitor
    controller.display_changed();
    EXPECT_EQ(view.window, (Rect{-500, 408, 256, 192}));
    // The second monitor unplugged: the primary is the nearest left.
    screen.monitors = {{0, 0, 1024, 768}};
    controller.display_changed();
    EXPECT_EQ(view.window, (Rect{0, 408, 256, 192}));
    // A drag onto the second monitor at 0.5x: the limit follows the monitor.
    screen.monitors_on();
    run(CommandKind::Zoom, 0);
    view.window = {-600, 100, 256, 192};
    controller.left_button_down({10, 10});
    EXPECT_EQ(view.maximum, (Size{400, 300}));
}

TEST_F(MonitorsTest, ColourAndDistanceAreReadAtNegativeCoordinates) {
    start();
    run(CommandKind::PickColor);
    settle_at({-700, 50});
    EXPECT_EQ(shown().readout, color_readout(screen_color({-700, 50})));
    run(CommandKind::PickColor);
    run(CommandKind::Measure);
    screen.tapped.insert(Key::Zero);
    controller.tick();
    screen.at = Point{-100, 500};
    controller.tick();
    EXPECT_EQ(shown().readout, distance_readout(600, 450));
}

}  // namespace
}  // namespace vitrelo::fake
