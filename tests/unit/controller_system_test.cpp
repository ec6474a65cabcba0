// The shell restarting, the screens changing, a second monitor, the finer timer at 10 ms
// and the menu opened from the keyboard.
#include "fakes/fakes.h"
#include "magnifier/readout.h"

namespace vitrelo::fake {
namespace {

constexpr Rect kLeft{-800, 0, 800, 600};  // left of the primary; below y = 600 is no monitor

TEST_F(ControllerTest, AShellRestartBringsBackTheTrayIconOrElseTheWindow) {
    controller.shell_restarted();  // shown: nothing to bring back
    EXPECT_EQ(f.count("icon added"), 0);
    for (const bool tray_works : {true, false}) {
        SCOPED_TRACE(tray_works);
        run(CommandKind::MinimizeRestore);
        ASSERT_FALSE(state().window_shown);
        f.events.clear(), f.tray_works = tray_works;
        controller.shell_restarted();
        // Without an icon the window comes back, running, or nothing could reach it.
        EXPECT_EQ(f.events, (tray_works ? V{"icon added"} : V{"shown", "timer 100"}));
        f.tray_works = true;
        if (!state().window_shown) run(CommandKind::MinimizeRestore);
    }
}

TEST_F(ControllerTest, CaptureStaysOnTheMonitorUnderOrNearestThePointer) {
    f.monitors.push_back(kLeft);
    const struct {
        Point pointer;
        Rect source;  // a 250 x 186 picture at 2x
    } cases[] = {{{-795, 300}, {-800, 254, 125, 93}},  // the left monitor's left edge
                 {{-3, 597}, {-125, 507, 125, 93}},    // its right and bottom edges
                 {{-400, 700}, {-462, 507, 125, 93}},  // off every monitor, below it
                 {{2, 700}, {0, 654, 125, 93}}};       // the primary's left edge
    for (const auto& c : cases) {
        settle_at(c.pointer);
        EXPECT_EQ(f.captures.back().source, c.source) << c.pointer.x << "," << c.pointer.y;
    }
    run(CommandKind::PickColor);
    settle_at({-700, 50});
    EXPECT_EQ(shown().readout, color_readout(Fake::screen_color({-700, 50})));
}

TEST_F(ControllerTest, PresetsAndScreenChangesUseTheMonitorHoldingTheWindow) {
    f.monitors.push_back(kLeft);
    const struct {
        Rect window;
        Preset preset;
        Rect expected;
    } cases[] = {{{-300, 500, 256, 192}, Preset::QuarterScreen, {-400, 300, 400, 300}},
                 {{-600, 100, 256, 192}, Preset::TopBar, {-800, 0, 800, 107}},
                 {{-600, 100, 256, 192}, Preset::BottomBar, {-800, 493, 800, 107}},
                 {{-100, 100, 256, 192}, Preset::EighthScreen, {0, 100, 256, 192}}};
    for (const auto& c : cases) {
        f.window = c.window;
        run(CommandKind::Size, static_cast<int>(c.preset));
        EXPECT_EQ(f.window, c.expected) << static_cast<int>(c.preset);
    }
    f.window = {-500, 650, 256, 192};  // below the left monitor
    controller.display_changed();
    EXPECT_EQ(f.window, (Rect{-500, 408, 256, 192}));
    f.monitors.pop_back();  // unplugged: the primary is the nearest
    const int presents = f.presents;
    controller.display_changed();
    EXPECT_EQ(f.window, (Rect{0, 408, 256, 192}));
    EXPECT_GT(f.presents, presents) << "redrawn at once";
    f.monitors.push_back(kLeft);  // dragged onto the left monitor at 0.5x
    run(CommandKind::Zoom, 0);
    f.window = {-600, 100, 256, 192};
    controller.left_button_down({10, 10});
    EXPECT_EQ(f.maximum, (Size{400, 300}));
}

TEST_F(ControllerTest, ADpiChangeTakesTheSuggestedPlaceAndResizesTheParts) {
    f.dots_per_inch = 144;
    // The same pixels at the new DPI: the parts still change size.
    controller.dpi_changed(f.window);
    EXPECT_EQ(shown().layout, layout_for(f.client_size(), part_sizes_for_dpi(144)));
    // A suggestion below the minimum at 144 dpi (252 x 160) is enlarged.
    controller.dpi_changed({40, 30, 200, 150});
    EXPECT_EQ(f.window, (Rect{40, 30, 252, 160}));
}

TEST_F(ControllerTest, LeavingALockShowsTheBlankPictureAtOnce) {
    lock();
    const int presents = f.presents;
    controller.lock_clicked();
    EXPECT_TRUE(all(kWhite));
    EXPECT_EQ(f.presents, presents + 1);
}

// The precision is asked for only while a 10 ms timer runs: before it starts, after it stops.
TEST_F(ControllerTest, TheFineTimerIsHeldExactlyWhileA10MsTimerRuns) {
    const auto choosing = [this](int id) { return [this, id] { f.choice = id, controller.right_button_down(); }; };
    const auto around = [](const std::string& wait) {
        return V{"timer off", "fine timer off", wait, "fine timer on", "timer 10"};
    };
    const struct {
        const char* what;
        std::function<void()> act;
        V events;
    } steps[] = {
        {"10 ms from the menu", choosing(command_id({CommandKind::Refresh, 0})),
         {"timer off", "popup", "fine timer on", "timer 10"}},
        {"the menu dismissed", choosing(0), around("popup")},
        {"the keyboard's menu", [this] { controller.keyboard_menu(); }, around("popup")},
        {"a drag", [this] { controller.left_button_down({5, 5}); }, around("drag")},
        {"the about box", [this] { run(CommandKind::About); }, around("about")},
        {"50 ms", [this] { run(CommandKind::Refresh, 1); }, {"timer 50", "fine timer off"}},
        {"10 ms", [this] { run(CommandKind::Refresh, 0); }, {"fine timer on", "timer 10"}},
        {"to the tray", [this] { run(CommandKind::MinimizeRestore); },
         {"icon added", "timer off", "fine timer off", "hidden"}},
        {"10 ms in the tray", [this] { run(CommandKind::Refresh, 0); }, {}},
        {"back from the tray", [this] { controller.tray_double_clicked(); },
         {"shown", "icon removed", "fine timer on", "timer 10"}},
        {"Chiudi from the menu", choosing(command_id({CommandKind::Close})),
         {"timer off", "fine timer off", "popup", "Refresh=0", "Zoom=2", "InvertiColori=0", "quit"}},
    };
    for (const auto& step : steps) {
        f.events.clear();
        step.act();
        EXPECT_EQ(f.events, step.events) << step.what;
    }
}

TEST_F(ControllerTest, TheControllersEndGivesThePrecisionBackOnce) {
    {
        Controller other{Ports{f, f, f, f, f, f}};
        f.controller = &other;
        other.start();
        other.run({CommandKind::Refresh, 0});
        f.events.clear();
    }
    f.controller = &controller;
    EXPECT_EQ(f.events, V{"fine timer off"});
}

TEST_F(ControllerTest, TheKeyboardOpensTheClickMenuAtThePicturesCentre) {
    f.set_window_rect({50, 60, 301, 201});  // the client area: 295 x 195 at (53, 63)
    controller.right_button_down();
    controller.keyboard_menu();
    EXPECT_EQ(f.events, (V{"timer off", "popup", "timer 100", "timer off", "popup", "timer 100"}));
    EXPECT_EQ(f.places, (std::vector<std::optional<Point>>{std::nullopt, Point{200, 160}}));
}

}  // namespace
}  // namespace vitrelo::fake
