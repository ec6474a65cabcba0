// The controller against the fake ports: the start-up show, the settings, the window's size,
// the tick and the render pass with freezing, the lock, readouts and outlines; the timer and the
// tray; several monitors and the shell restarting; the "Immagine" commands.
#include "fakes/fakes.h"
#include "magnifier/texts.h"

namespace vitrelo::fake {
namespace {

using Sounds = std::vector<Sound>;
using K = CommandKind;
constexpr Rect kLeft{-800, 0, 800, 600};  // left of the primary; below y = 600 is no monitor

TEST_F(ControllerTest, TheStartUpShowFadesInOnTheTimerThenTheRefreshStarts) {
    EXPECT_EQ(V(started.begin(), started.begin() + 7),
              (V{"logo", "topmost", "disabled", "alpha 0", "shown", "timer 15", "alpha 3"}));
    EXPECT_EQ(V(started.end() - 6, started.end()),
              (V{"alpha 252", "alpha 255", "timer 1000", "no logo", "timer 100", "enabled"}));
    EXPECT_EQ(std::ranges::count_if(started, [](auto& e) { return e.starts_with("alpha"); }), 86);
}

TEST(ControllerStart, RunsWithTheStoredSettings) {
    using enum LanguageChoice;
    using L = Language;
    // Stored zoom, refresh, inversion, language (missing or unknown: Italian) with Windows' ->
    // the timer, the first capture's source, inverted, the language of the texts.
    const std::tuple<Settings, LanguageChoice, L, const char*, Size, bool, L> cases[] = {
        {{2, 2, false}, Italian, L::English, "timer 100", {125, 93}, false, L::Italian},
        {{4, 0, true}, English, L::Italian, "timer 10", {63, 47}, true, L::English},
        {{0, 4, false}, Auto, L::Italian, "timer 500", {500, 372}, false, L::Italian},
        {{2, 2, false}, Auto, L::English, "timer 100", {125, 93}, false, L::English}};
    for (const auto& [stored, choice, windows, timer, source, inverted, language] : cases) {
        Fake f;
        Controller c{Ports{f, f, f, f, f, f}};
        f.controller = &c, f.stored = stored;
        f.stored.language = choice, f.stored.windows_language = windows;
        for (c.start(); c.state().startup != Startup::Over;)
            c.tick();
        c.tick();  // the first capture: none during the show
        EXPECT_EQ(V(f.events.end() - 2, f.events.end()), (V{timer, "enabled"}));
        ASSERT_EQ(f.captures.size(), 1u);
        EXPECT_EQ(std::tuple(f.captures[0].source.size(), f.inverted, f.shown->language),
                  std::tuple(source, inverted, language))
            << stored.zoom_index;
    }
}

// "Chiudi", Alt+F4, the end of the Windows session and an installer's restart all keep the
// options chosen.
TEST(ControllerEnd, EveryWayOfEndingSavesTheSettingsAsTheyAre) {
    const std::tuple<const char*, std::function<void(Controller&)>, int> ways[] = {
        {"Chiudi", [](Controller& c) { c.run({K::Close}); }, 1},
        {"Alt+F4", [](Controller& c) { c.close_requested(); }, 1},
        {"the session's end", [](Controller& c) { c.session_ending(false); }, 0},
        {"the Restart Manager", [](Controller& c) { c.session_ending(true); }, 1}};
    for (const auto& [way, end, quits] : ways) {
        Fake f;
        Controller c{Ports{f, f, f, f, f, f}};
        f.controller = &c;
        c.start();
        c.run({K::Zoom, 5}), c.run({K::Refresh, 3}), c.run({K::Invert});
        end(c);
        ASSERT_EQ(f.saved.size(), 1u) << way;
        EXPECT_EQ(std::tuple(f.saved[0].zoom_index, f.saved[0].refresh_index, f.saved[0].invert,
                             f.count("quit")),
                  std::tuple(5, 3, true, quits))
            << way;
    }
}

TEST_F(ControllerTest, PresetsSizeTheWindowOnItsMonitorAndMarkAllButTheBars) {
    f.monitors.push_back(kLeft);
    // clang-format off
    const std::tuple<Rect, Preset, Rect, std::optional<Preset>> cases[] = {
        {{100, 100, 256, 192}, Preset::Minimum, {100, 100, 168, 107}, Preset::Minimum},
        {{100, 100, 256, 192}, Preset::TopBar, {0, 0, 1024, 107}, std::nullopt},
        {{100, 100, 256, 192}, Preset::BottomBar, {0, 661, 1024, 107}, std::nullopt},
        {{-300, 500, 256, 192}, Preset::QuarterScreen, {-400, 300, 400, 300}, Preset::QuarterScreen},
        {{-100, 100, 256, 192}, Preset::EighthScreen, {0, 100, 256, 192}, Preset::EighthScreen}};
    // clang-format on
    for (const auto& [window, preset, placed, mark] : cases) {
        f.window = window;
        choose(K::Size, static_cast<int>(preset));
        EXPECT_EQ(std::tie(f.window, state().size_mark), std::tie(placed, mark)) << window.left;
    }
}

TEST_F(ControllerTest, APresetClearsOnlyALivePicture) {
    run(K::Size, static_cast<int>(Preset::BottomBar));
    for (const auto& [locked, left] : {std::pair(false, kWhite), std::pair(true, 0x123456u)}) {
        if (locked) lock();
        paint(0x123456);
        run(K::Size, static_cast<int>(Preset::BottomBar));  // the same size: no resize
        EXPECT_TRUE(all(left)) << locked;
    }
}

// With the pointer over the window too: the new size must not stay empty until it leaves.
TEST_F(ControllerTest, AResizeLaysOutKeepsOnScreenMarksTheSizeAndCapturesAtOnce) {
    settle_at(kInside);
    // New rectangle -> where it goes, the picture's part, the preset marked.
    const std::tuple<Rect, Rect, Rect, std::optional<Preset>> cases[] = {
        {{900, 100, 300, 210}, {724, 100, 300, 210}, {0, 0, 294, 204}, std::nullopt},
        {{0, 0, 512, 384}, {0, 0, 512, 384}, {0, 0, 506, 378}, Preset::QuarterScreen}};
    for (const auto& [asked, window, picture, mark] : cases) {
        const size_t captures = f.captures.size();
        f.set_window_rect(asked);
        EXPECT_EQ(std::tie(f.window, shown().layout.picture, state().size_mark),
                  std::tie(window, picture, mark))
            << asked.left;
        EXPECT_EQ(f.captures.size(), captures + 1) << asked.left;
    }
}

TEST_F(ControllerTest, CtrlFreezesThePictureOnlyWhileHeld) {
    // Ctrl held, tapped between ticks (gone before the tick) -> frozen, captures so far.
    const std::tuple<std::set<Key>, std::set<Key>, Freeze, size_t> steps[] = {
        {{}, {Key::Ctrl}, Freeze::Live, 1},
        {{Key::Ctrl}, {}, Freeze::HeldByCtrl, 1},
        {{Key::Ctrl}, {}, Freeze::HeldByCtrl, 1},
        {{}, {}, Freeze::Live, 2}};
    for (const auto& [held, tapped, freeze, captures] : steps) {
        f.held = held, f.tapped = tapped;
        tick();
        EXPECT_EQ(std::tuple(state().freeze, f.captures.size()), std::tuple(freeze, captures));
    }
    EXPECT_EQ(f.sounds, Sounds{Sound::Pause}) << "one sound for each pause";
}

TEST_F(ControllerTest, TheCtrlPauseGreysCaptureButOffersTheImage) {
    f.held.insert(Key::Ctrl);
    tick();
    controller.right_button_down();
    const std::vector<MenuItem>& m = f.menus.back();
    EXPECT_EQ(std::tuple(m[3].text, m[3].enabled, m[5].text, m[5].enabled),
              std::tuple("Immagine", true, "Cattura Immagine", false));
    EXPECT_EQ(std::tuple(shown().lock, shown().lock_enabled), std::tuple(LockIcon::Pin, false));
}

TEST_F(ControllerTest, SpaceLocksOnlyInCaptureModeWithThePointerOutside) {
    f.held.insert(Key::Space);  // outside capture mode space means nothing
    settle_at(kOutside);
    f.held.clear();
    run(K::Capture);
    settle_at(kInside);
    f.tapped.insert(Key::Space);
    tick();  // over the window: the press is dropped
    settle_at(kOutside);
    EXPECT_EQ(state().freeze, Freeze::Live);
    f.tapped.insert(Key::Space);
    tick();
    EXPECT_EQ(std::tuple(state().freeze, shown().lock, f.sounds),
              std::tuple(Freeze::Locked, LockIcon::Closed, Sounds{Sound::Lock}));
}

TEST_F(ControllerTest, CaptureModeDrawsThePointerWhereTheCaptureMovedItUnlessCtrlIsHeld) {
    run(K::Capture);
    settle_at(Point{10, 20});  // the source is pushed right and down onto the screen
    EXPECT_EQ(std::tuple(f.pointer_shifts.size(), f.pointer_shifts.back()),
              std::tuple(2u, Point{-52, -26}));
    f.held.insert(Key::Ctrl);
    tick();
    EXPECT_EQ(std::tuple(f.pointer_shifts.size(), f.captures.size()), std::tuple(2u, 3u));
}

TEST_F(ControllerTest, UnlockingBlanksThePictureAtOnceAndForOnePass) {
    lock();
    paint(0x123456);
    const int presents = f.presents;
    const size_t captures = f.captures.size();
    f.tapped.insert(Key::Space);  // pressed while locked: it must not lock again
    controller.lock_clicked();
    EXPECT_TRUE(all(kWhite) && f.presents == presents + 1) << "shown at once";
    tick();
    EXPECT_EQ(f.captures.size(), captures) << "the first pass blanks";
    tick();
    EXPECT_EQ(std::tuple(f.captures.size(), state().freeze),
              std::tuple(captures + 1, Freeze::Live));
}

TEST_F(ControllerTest, TheOpenPadlockLeavesCaptureModeWithASound) {
    run(K::Capture);
    controller.lock_clicked();
    controller.lock_clicked();  // hidden now: nothing
    EXPECT_EQ(std::tuple(state().capture_mode, shown().lock, f.sounds),
              std::tuple(false, LockIcon::Hidden, Sounds{Sound::Leave}));
}

TEST_F(ControllerTest, TheColourOfTheScreenShowsAtOnceAndOnlyAwayFromTheWindow) {
    run(K::PickColor);
    EXPECT_EQ(std::tie(shown().strip_shown, shown().tool_icon, shown().readout),
              std::tuple(true, Tool::PickColor, " RGB(168,212,10)"));
    settle_at(kInside);  // over the window the live picture is blank
    EXPECT_TRUE(all(kWhite));
    EXPECT_EQ(std::tie(shown().swatch_shown, shown().readout), std::tuple(false, ""));
    settle_at(kOutside);
    EXPECT_TRUE(shown().swatch_shown);
}

TEST_F(ControllerTest, AnUnreadablePixelReadsWhiteAndKeepsTheSwatch) {
    run(K::PickColor);
    f.pixel_readable = false;
    tick();
    EXPECT_EQ(std::tie(shown().readout, shown().swatch),
              std::tuple(" RGB(255,255,255)", 0x000AD4A8u));
}

TEST_F(ControllerTest, OnAFrozenPictureTheEyedropperReadsThePicture) {
    run(K::PickColor);
    settle_at(kInside);  // blank: no swatch
    f.held.insert(Key::Ctrl);
    tick();
    // Point -> its pixel (0x00RRGGBB) -> the readout; off the picture: white, swatch kept.
    const std::tuple<Point, uint32_t, const char*, Color> cases[] = {
        {{0, 0}, 0x00112233, " RGB(17,34,51)", 0x00332211},
        {{249, 185}, 0x00445566, " RGB(68,85,102)", 0x00665544},
        {{250, 0}, 0, " RGB(255,255,255)", 0x00665544}};
    for (const auto& [p, pixel, readout, swatch] : cases) {
        if (p.x < 250) f.at(p.x, p.y) = pixel;
        controller.pointer_moved(p, false);
        EXPECT_EQ(std::tie(shown().picture_pointer, shown().swatch_shown, shown().readout,
                           shown().swatch),
                  std::tuple(PointerShape::Eyedropper, true, readout, swatch))
            << p.x << "," << p.y;
    }
}

TEST_F(ControllerTest, TheStripsCloseIconTurnsTheToolOff) {
    for (CommandKind tool : {K::PickColor, K::Measure}) {
        run(tool);
        controller.close_icon_clicked();
        EXPECT_EQ(std::tuple(state().tool, shown().strip_shown), std::tuple(Tool::None, false));
    }
}

TEST_F(ControllerTest, TheDistanceIsMeasuredOnAFrozenPictureElseInScreenPixels) {
    run(K::Measure);
    run(K::Zoom, 4);  // 4x
    lock();
    run(K::Zoom, 2);  // chosen after the lock: the picture keeps the 4x it was taken at
    f.mouse = kInside;
    f.tapped.insert(Key::Zero);
    tick();
    tick(Point{kInside.x + 24, kInside.y - 8});
    EXPECT_EQ(shown().readout, " X 6   Y 2");
    tick(Point{kInside.x - 10, 700});
    EXPECT_EQ(shown().readout, " X 10   Y 550");
}

TEST_F(ControllerTest, OnALockedPictureAPressDrawsTheOutlineUntilTheRelease) {
    run(K::Measure);
    lock();
    f.mouse = Point{640, 470};
    controller.left_button_down({100, 60});
    EXPECT_EQ(std::tuple(state().reference, shown().measure),
              std::tuple(Point{640, 470}, Rect{100, 60, 0, 0}));
    controller.pointer_moved({40, 10}, true);
    controller.pointer_moved({70, 90}, false);  // only with the button down
    EXPECT_EQ(shown().measure, (Rect{40, 10, 60, 50}));
    controller.button_up();
    EXPECT_FALSE(shown().measure);
}

TEST_F(ControllerTest, OnALivePictureAPressDragsTheWindowAndGivesTheArrowBack) {
    run(K::Measure);
    controller.left_button_down({100, 60});
    EXPECT_EQ(std::tuple(f.count("drag"), shown().picture_pointer),
              std::tuple(1, PointerShape::Arrow));
}

// The window's picture spans 103-396 x 103-351 on the screen.
TEST_F(ControllerTest, OverAFrozenPictureAnArrowStepsOneSourcePixelOfTheZoomItWasTakenAt) {
    // Zoom at the lock, zoom chosen after it, arrow, Shift -> where the pointer goes from 200,200.
    const std::tuple<int, int, Direction, bool, Point> cases[] = {
        {0, 0, Direction::Right, false, {201, 200}},  // 0.5x: one screen pixel
        {2, 2, Direction::Down, false, {200, 202}},
        {8, 8, Direction::Left, true, {80, 200}},
        {8, 2, Direction::Up, false, {200, 188}},
        {4, 4, Direction::Left, false, {196, 200}}};
    for (const auto& [taken, chosen, direction, ten, to] : cases) {
        run(K::Zoom, taken);
        lock();
        run(K::Zoom, chosen);
        f.mouse = Point{200, 200};
        controller.arrow_pressed(direction, ten);
        EXPECT_EQ(f.mouse, to) << taken << "," << chosen;
        run(K::Capture);
    }
    f.held.insert(Key::Ctrl);  // the Ctrl pause at 4x
    tick(Point{200, 200});
    controller.arrow_pressed(Direction::Up, true);
    EXPECT_EQ(f.mouse, (Point{200, 160}));
}

TEST_F(ControllerTest, AStepOverAFrozenPictureUpdatesTheReadoutsAtOnce) {
    run(K::Zoom, 4);  // 4x
    run(K::PickColor);
    lock();
    f.mouse = Point{200, 200};  // the picture's pixel 97,97
    f.at(101, 97) = 0x00112233;
    controller.arrow_pressed(Direction::Right, false);
    EXPECT_EQ(shown().readout, " RGB(17,34,51)");
    run(K::PickColor), run(K::Measure);
    f.tapped.insert(Key::Zero), tick();
    controller.arrow_pressed(Direction::Down, true);
    EXPECT_EQ(shown().readout, " X 0   Y 10");
}

// Live, the picture follows at once: the pass captures where the pointer went.
TEST_F(ControllerTest, ALiveArrowStepsAScreenPixelOnTheMonitorsAndOffTheGapsBetweenThem) {
    f.monitors.push_back(kLeft);
    // From, arrow, Shift -> to.
    const std::tuple<Point, Direction, bool, Point> cases[] = {
        {{700, 500}, Direction::Right, false, {701, 500}},
        {{-795, 300}, Direction::Left, true, {-800, 300}},
        {{1020, 5}, Direction::Right, true, {1023, 5}},
        {{5, 3}, Direction::Up, true, {5, 0}},
        {{1020, 760}, Direction::Down, true, {1020, 767}},
        {{-5, 595}, Direction::Down, true, {-5, 599}},
        {{3, 700}, Direction::Left, true, {0, 700}},
        {{-2, 300}, Direction::Right, true, {8, 300}}};
    for (const auto& [from, direction, ten, to] : cases) {
        f.mouse = from;
        controller.arrow_pressed(direction, ten);
        EXPECT_EQ(std::tuple(f.mouse, state().pointer), std::tuple(to, to))
            << from.x << "," << from.y;
    }
}

TEST_F(ControllerTest, ZoomKeysAndWheelNotchesOverTheWindowStepTheZoomHeldAtItsEnds) {
    lock();  // a frozen picture stays frozen
    // A key ("+" 1, "-" -1) or else the wheel's turn, over the window or not, at ms -> the zoom.
    // clang-format off
    const std::tuple<int, int, bool, uint32_t, int> steps[] = {
        {1, 0, true, 0, 3}, {0, 60, true, 10, 3}, {0, 60, true, 20, 4}, {0, 120, false, 30, 4},
        {0, 60, true, 40, 4}, {0, -120, true, 50, 3},  // turned back: the half notch is forgotten
        {0, -240, true, 60, 1}, {0, -60, true, 70, 1}, {0, -60, true, 1100, 1},  // and after a pause
        {-1, 0, true, 0, 0}, {-1, 0, true, 0, 0}};
    // clang-format on
    for (const auto& [key, wheel, over, ms, zoom] : steps) {
        if (key)
            controller.zoom_key_pressed(key > 0);
        else
            controller.wheel_turned(wheel, over ? Point{250, 200} : Point{700, 200}, ms);
        EXPECT_EQ(std::tuple(state().settings.zoom_index, state().freeze),
                  std::tuple(zoom, Freeze::Locked))
            << key << "," << wheel;
    }
    run(K::Zoom, 8);
    controller.zoom_key_pressed(true);
    EXPECT_EQ(state().settings.zoom_index, 8) << "12x";
}

// "Copia colore" copies where the menu opened (the open menu covers the picture), C and Shift+C
// where the pointer is: the frozen picture's pixel, else the screen's; none over the live one.
TEST_F(ControllerTest, TheColourIsCopiedWhereTheMenuOpenedOrWhereThePointerIs) {
    f.while_waiting = [this] { f.mouse = Point{250, 250}; };  // onto the item
    enum How { Click, MenuKey, C, ShiftC };
    // Locked, pointer, how, JPEG writer -> the menu's item enabled, what is copied.
    const std::tuple<bool, Point, How, bool, bool, V> cases[] = {
        {false, kInside, Click, false, false, {}},
        {false, kOutside, MenuKey, true, true, {"#A8D40A"}},
        {false, kOutside, ShiftC, true, true, {"RGB(168,212,10)"}},
        {true, {200, 200}, Click, true, true, {"#5A9803"}},  // the picture's pixel 97,97
        {true, kOutside, C, true, true, {"#A8D40A"}}};
    for (const auto& [locked, p, how, jpeg, enabled, text] : cases) {
        if (locked && state().freeze != Freeze::Locked) lock(), f.at(97, 97) = 0x005A9803;
        f.texts.clear(), f.mouse = p, f.jpeg = jpeg, f.choice = command_id({K::CopyColor});
        if (how == Click) controller.right_button_down();
        if (how == MenuKey) controller.keyboard_menu();
        if (how >= C) run(K::CopyColor, how - C);
        EXPECT_EQ(f.texts, text) << p.x << "," << how;
        if (how >= C) continue;
        const std::vector<MenuItem>& m = f.menus.back();
        EXPECT_EQ(std::tuple(m[9].enabled, m[3].children[2].enabled), std::tuple(enabled, jpeg));
    }
}

// From the keys and the wheel the new zoom shows at once, from the menu at the next tick;
// 0.5x fits the window to half its monitor at once, however it is chosen.
TEST_F(ControllerTest, AZoomStepShowsAtOnceAndHalfZoomHalvesALargeWindow) {
    const std::function<void()> ways[] = {[this] { controller.zoom_key_pressed(false); },
                                          [this] {
                                              controller.wheel_turned(-120, {500, 50}, 0);
                                          },
                                          [this] { run(K::Zoom, 0); }};  // the menu: blank
    for (int i = 0; i < 3; ++i) {
        run(K::Zoom, 1), run(K::Size, static_cast<int>(Preset::TopBar));
        settle_at(kOutside);
        ways[i]();
        EXPECT_EQ(std::tuple(f.window, all(kWhite)), std::tuple(Rect{0, 0, 512, 107}, i == 2));
    }
}

TEST_F(ControllerTest, TheContrastIsWithTheLastColourCopiedLiveAndOnAFrozenPicture) {
    run(K::Contrast);  // white until a colour is copied
    EXPECT_EQ(std::tie(shown().tool_icon, shown().swatch_shown, shown().reference, shown().readout),
              std::tuple(Tool::Contrast, true, kWhite, " 1,74:1 no"));
    run(K::ColorFormat, static_cast<int>(ColorFormat::Hsl));
    run(K::CopyColor);  // C: in the chosen format, and the reference from now on
    EXPECT_EQ(std::tie(f.texts, shown().reference), std::tuple(V{"hsl(73, 91%, 44%)"}, 0x0AD4A8u));
    tick();
    EXPECT_EQ(shown().readout, " 1,00:1 no");
    f.held.insert(Key::Ctrl);
    tick();
    f.at(3, 4) = 0;  // black
    controller.pointer_moved({3, 4}, false);
    EXPECT_EQ(std::tie(shown().swatch, shown().readout), std::tuple(0u, " 12,09:1 AAA"));
    f.mouse = {106, 107};  // the picture's pixel 3,4: copied, the ratio is against it at once
    run(K::CopyColor);
    EXPECT_EQ(std::tie(shown().reference, shown().readout), std::tuple(0u, " 1,00:1 no"));
    run(K::Contrast);
    EXPECT_EQ(std::tie(shown().strip_shown, shown().reference), std::tuple(false, std::nullopt));
}

TEST_F(ControllerTest, UnitsCountOnTheMonitorWhereTheMeasureStartsAndMCopiesTheReadout) {
    f.monitor_dpi = 144;
    run(K::Unit, static_cast<int>(Unit::LogicalPixel));
    run(K::Measure);
    f.mouse = kOutside;
    f.tapped.insert(Key::Zero);
    tick();
    tick(Point{kOutside.x + 60, kOutside.y - 30});
    EXPECT_EQ(shown().readout, " X 40   Y 20 px log.");
    controller.copy_measurement();
    // "Calibra...": the window's monitor, its pixels per inch so far; cancelled, or out of
    // range, nothing changes.
    using Ppi = std::optional<double>;
    for (const Ppi ppi : {Ppi(2000.1), Ppi(), Ppi(20), Ppi(127)})
        f.calibrated = ppi, run(K::Calibrate);
    EXPECT_EQ(f.count("calibrate \\\\.\\DISPLAY1 96"), 3);
    EXPECT_EQ(f.count("calibrate \\\\.\\DISPLAY1 20"), 1);
    EXPECT_EQ(state().settings.calibration,
              (std::map<std::string, double>{{"\\\\.\\DISPLAY1", 127}}));
    run(K::Unit, static_cast<int>(Unit::Millimetre));
    run(K::Unit, kUnitCount), run(K::ColorFormat, -1);  // no such items: nothing changes
    EXPECT_EQ(std::pair(state().settings.unit, state().settings.color_format),
              std::pair(Unit::Millimetre, ColorFormat::Hex));
    tick(Point{kOutside.x - 50, kOutside.y + 25});
    controller.copy_measurement();
    EXPECT_EQ(f.texts, (V{"40 x 20 px log.", "10 x 5 mm"}));
    settle_at(kInside);  // no readout over the live picture: nothing to copy
    controller.copy_measurement();
    run(K::Measure);
    controller.copy_measurement();
    EXPECT_EQ(f.texts.size(), 2u);
    run(K::Unit, 0);
    EXPECT_EQ(state().settings.unit, Unit::Pixel);
}

// The icon put back on the shell's restart: the Win32-side test.
TEST_F(ControllerTest, AShellRestartWithoutATrayIconBringsBackTheWindow) {
    controller.shell_restarted();  // shown: nothing to bring back
    EXPECT_EQ(f.count("icon added"), 0);
    run(K::MinimizeRestore);
    f.events.clear(), f.tray_works = false;
    controller.shell_restarted();
    // Without an icon the window comes back, running, or nothing could reach it.
    EXPECT_EQ(f.events, (V{"shown", "timer 100"}));
}

TEST_F(ControllerTest, AScreenChangeRedrawsTheWindowOnTheNearestMonitor) {
    // Left monitor there, window -> where it goes.
    const std::tuple<bool, Rect, Rect> cases[] = {
        {true, {-500, 650, 256, 192}, {-500, 408, 256, 192}},  // below the left monitor
        {false, {-500, 408, 256, 192}, {0, 408, 256, 192}}};   // unplugged
    for (const auto& [left, window, placed] : cases) {
        f.monitors.resize(left ? 2 : 1, kLeft);
        f.window = window;
        const int presents = f.presents;
        controller.display_changed();
        EXPECT_EQ(std::tuple(f.window, f.presents), std::tuple(placed, presents + 1)) << left;
    }
}

TEST_F(ControllerTest, AtHalfZoomADragLimitsTheWindowToHalfItsNewMonitor) {
    f.monitors.push_back(kLeft);
    run(K::Zoom, 0);
    f.window = {-600, 100, 256, 192};
    controller.left_button_down({10, 10});
    EXPECT_EQ(f.maximum, (Size{400, 300}));
}

TEST_F(ControllerTest, ADpiChangeTakesTheSuggestionAtLeastAtTheMinimumAndResizesTheParts) {
    f.dots_per_inch = 144;  // 252 x 160 at least
    controller.dpi_changed(f.window);
    EXPECT_EQ(std::tuple(f.window, shown().layout.strip),
              std::tuple(Rect{100, 100, 256, 192}, Rect{0, 160, 250, 26}));
    controller.dpi_changed({40, 30, 200, 150});
    EXPECT_EQ(f.window, (Rect{40, 30, 252, 160}));
}

// What a message box leaves in the event log.
V box(const vitrelo::Text& text, Language language = Language::Italian) {
    return {"not topmost", std::string("message ") + text.in(language), "topmost"};
}

TEST_F(ControllerTest, TheTimerStopsWhileSomethingWaitsAndInTheTray) {
    const auto choosing = [this](std::optional<Command> c, bool from_tray = false) {
        return [this, c, from_tray] {
            f.choice = c ? std::optional(command_id(*c)) : std::nullopt;  // none: dismissed
            from_tray ? controller.tray_menu() : controller.right_button_down();
        };
    };
    const auto around = [](const std::string& wait) { return V{"timer off", wait, "timer 10"}; };
    // clang-format off
    const struct {
        const char* what;
        std::function<void()> act;
        V events;
    } steps[] = {
        {"10 ms from the menu", choosing(Command{K::Refresh, 0}), around("popup")},
        {"the menu dismissed", choosing(std::nullopt), around("popup")},
        {"a popup that fails, then the guard's recovery",
         [this] {
             f.while_waiting = [] { throw std::bad_alloc(); };
             EXPECT_THROW(controller.right_button_down(), std::bad_alloc);
             f.while_waiting = nullptr, controller.recover();
         },
         around("popup")},
        {"the keyboard's menu", [this] { controller.keyboard_menu(); }, around("popup")},
        {"a drag", [this] { controller.left_button_down({5, 5}); }, around("drag")},
        {"the about box", [this] { run(K::About); }, around("about")},
        {"the help without its file: a message", [this] { run(K::Help); }, box(text::kHelpMissing)},
        {"50 ms", [this] { run(K::Refresh, 1); }, {"timer 50"}},
        {"no tray icon: the window stays",
         [this] { f.tray_works = false, controller.double_clicked(), f.tray_works = true; }, {}},
        {"to the tray from the menu", choosing(Command{K::MinimizeRestore}),
         {"timer off", "popup", "icon added", "hidden"}},
        {"10 ms in the tray", [this] { run(K::Refresh, 0); }, {}},
        {"a recovery in the tray", [this] { controller.recover(); }, {}},
        {"back by the tray's menu", choosing(Command{K::MinimizeRestore}, true),
         {"tray popup", "shown", "timer 10", "icon removed"}},
        {"to the tray by a double click", [this] { controller.double_clicked(); },
         {"icon added", "timer off", "hidden"}},
        {"back by the icon's double click", [this] { controller.tray_double_clicked(); },
         {"shown", "timer 10", "icon removed"}},
        {"Chiudi from the menu", choosing(Command{K::Close}), {"timer off", "popup", "saved", "quit"}},
        {"a recovery after Chiudi", [this] { controller.recover(); }, {}},
        // The fake does not end the program: Chiudi once more, from the tray.
        {"Chiudi from the tray's menu", [&] { run(K::MinimizeRestore), choosing(Command{K::Close}, true)(); },
         {"icon added", "hidden", "tray popup", "saved", "icon removed", "quit"}},
    };
    // clang-format on
    for (const auto& step : steps) {
        f.events.clear();
        step.act();
        EXPECT_EQ(f.events, step.events) << step.what;
    }
    EXPECT_EQ(f.places[3], (Point{125, 93})) << "the keyboard's menu at the picture's centre";
}

TEST_F(ControllerTest, ALanguageChosenAppliesAtOnceToTheWindowTheHelpAndTheSettings) {
    run(K::Contrast), settle_at(kOutside);
    choose(K::Language, 1);  // the contrast's readout rewritten at once, before any tick
    controller.right_button_down();
    EXPECT_EQ(std::tuple(shown().language, f.menus.back().back().text, shown().readout),
              std::tuple(Language::English, "Close",
                         contrast_readout(shown().swatch, kWhite, Language::English)));
    // The help in the language shown, else in the other, else a message.
    const std::tuple<std::set<std::string>, V> helps[] = {
        {std::set<std::string>{}, box(text::kHelpMissing, Language::English)},
        {{"Vitrelo.chm"}, {"help Vitrelo.chm"}},
        {{"Vitrelo.chm", "Vitrelo_en.chm"}, {"help Vitrelo_en.chm"}}};
    for (const auto& [files, events] : helps) {
        f.helps = files, f.events.clear(), run(K::Help);
        EXPECT_EQ(f.events, events) << files.size();
    }
    choose(K::Language, 2), run(K::Close);  // as Windows: Italian here
    EXPECT_EQ(std::tuple(shown().language, f.saved.at(0).language),
              std::tuple(Language::Italian, LanguageChoice::Auto));
}

class ImageCommands : public ControllerTest {
protected:
    void SetUp() override {
        start();
        for (size_t i = 0; i < f.image.pixels.size(); ++i)
            f.image.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
        snapshot = f.image.pixels;
    }
    // A fresh command: nothing logged yet.
    void image(ImageCommand c, bool jpeg = true, Writes writes = Writes::Work) {
        f.events.clear(), f.requests.clear();
        f.jpeg = jpeg, f.writes = writes;
        run(K::Image, static_cast<int>(c));
        EXPECT_EQ(f.copied.back().pixels, snapshot);
    }
    std::vector<uint32_t> snapshot;
    const std::vector<uint8_t> jpeg{'J', 250, 0};  // the fake encoder's, of the snapshot
};

TEST_F(ImageCommands, CopyingOrMailingSaysWhyItStopsShort) {
    using enum ImageCommand;
    using enum ClipboardResult;
    using enum Writes;
    // Command, clipboard, JPEG writer, writes -> what the user is told.
    const std::tuple<ImageCommand, ClipboardResult, bool, Writes, V> cases[] = {
        {Copy, Copied, true, Work, box(text::kCopied)},
        {Copy, Unreadable, true, Work, box(text::kCopyFailed)},
        {Copy, Failed, true, Work, box(text::kSaveFailed)},
        {Mail, Copied, true, Fail, box(text::kSaveFailed)},
        {Mail, Copied, false, Work, {}}};  // no JPEG writer: the copy only
    for (const auto& [command, clipboard, can_jpeg, writes, events] : cases) {
        f.clipboard = clipboard;
        image(command, can_jpeg, writes);
        EXPECT_EQ(f.events, events) << int(command) << int(clipboard) << int(writes);
        EXPECT_TRUE(f.requests.empty() && f.files.empty());
    }
}

// Another program holds the clipboard (clipboard managers do): saving goes on, as mailing does.
TEST_F(ImageCommands, AHeldClipboardDoesNotStopSaving) {
    f.clipboard = ClipboardResult::Failed, f.answer = "C:\\d\\a.png";
    image(ImageCommand::Save);
    EXPECT_EQ(f.events, box(text::kSaved));
}

// The mail program may still hold the last message file open, or none may be there to start.
TEST_F(ImageCommands, AMessageFileThatCannotBeReplacedOrOpenedIsTheMailsFailure) {
    f.client = "Windows Mail";
    f.locked = "C:\\Temp\\VitreloImage.eml";
    image(ImageCommand::Mail);
    EXPECT_EQ(f.events, box(text::kMailFailed));
    f.locked.clear(), f.opens = false;
    for (const char* client : {"Windows Mail", "Microsoft Outlook"}) {
        f.client = client;
        image(ImageCommand::Mail);
        EXPECT_EQ(V(f.events.begin() + 1, f.events.end()), box(text::kMailFailed)) << client;
    }
}

TEST_F(ImageCommands, TheMailGoesTheWayOfTheMailProgram) {
    // Client -> what is opened or shown, the message file's start ("": none written).
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Outlook Express", "open C:\\Temp\\VitreloImage.eml", "From: <>\r\nSubject: Invio"},
        {"Microsoft Outlook", "open mailto:", ""},
        {"Posta", "error Il programma di posta elettronica non", ""}};
    for (const auto& [client, event, message] : cases) {
        f.client = client, f.files.clear();
        image(ImageCommand::Mail);
        ASSERT_EQ(f.events.size(), 1u) << client;
        EXPECT_TRUE(f.events[0].starts_with(event)) << f.events[0];
        EXPECT_EQ(f.files["C:\\Temp\\SnapShotVitrelo.jpg"], jpeg);
        const std::vector<uint8_t>& eml = f.files["C:\\Temp\\VitreloImage.eml"];
        EXPECT_EQ(std::string(eml.begin(), eml.end()).substr(0, 24), message) << client;
    }
}

TEST_F(ImageCommands, SaveAsksInTheProgramsFolderForTheFormatsAvailable) {
    // JPEG and PNG writers there, language -> the dialog's title and filter. Cancelled: nothing
    // else happens.
    using enum Language;
    const std::tuple<bool, Language, vitrelo::Text, vitrelo::Text> cases[] = {
        {true, Italian, text::kSaveTitleAllFormats, text::kSaveFilterAllFormats},
        {false, Italian, text::kSaveTitleBmpOnly, text::kSaveFilterBmpOnly},
        {true, English, text::kSaveTitleAllFormats, text::kSaveFilterAllFormats}};
    for (const auto& [can_jpeg, language, title, filter] : cases) {
        run(K::Language, static_cast<int>(language));  // the choices' order
        image(ImageCommand::Save, can_jpeg);
        const SaveRequest& r = f.requests.at(0);
        EXPECT_EQ(
            std::tie(r.title, r.filter, r.initial_folder, r.name, r.default_extension, f.events),
            std::tuple(title.in(language), filter.in(language), "C:\\Vitrelo", "SnapShotVitrelo",
                       "bmp", V{}));
    }
}

TEST_F(ImageCommands, SaveWritesByTheExtension) {
    using enum Writes;
    // A BMP of 250 x 186 pixels: rows of 752 bytes, 139926 in all.
    const std::vector<uint8_t> bmp = {'B', 'M', 0x96, 0x22, 0x02, 0}, none;
    // Path, JPEG writer, writes, a file there before -> message, the file's first bytes.
    const std::tuple<const char*, bool, Writes, bool, vitrelo::Text, std::vector<uint8_t>> cases[] =
        {{"C:\\d\\a.bmp", true, Work, true, text::kSaved, bmp},
         {"C:\\d\\A.JPG", true, Work, false, text::kSaved, jpeg},
         {"C:\\d\\a.jpg", false, Work, false, text::kSaveFailed, none},
         {"C:\\d\\a.Png", true, Work, false, text::kSaved, {'P', 250, 0}},
         {"C:\\d\\a.gif", true, Work, false, text::kBadFormat, none},
         {"C:\\d\\a.jpg", true, Fail, true, text::kSaveFailed, none},
         {"C:\\d\\a.bmp", true, Throw, false, text::kSaveFailed, none},  // the next row still runs
         {"", true, Work, false, text::kSaveFailed, none}};              // the dialog failed
    for (const auto& [path, can_jpeg, writes, old_file, message, start] : cases) {
        f.answer = path;
        f.files.clear();
        if (old_file) f.files[path] = {};
        image(ImageCommand::Save, can_jpeg, writes);
        EXPECT_EQ(f.events, box(message)) << path;
        const std::vector<uint8_t>& file = f.files[path];
        EXPECT_EQ(std::vector(file.begin(), file.begin() + std::min(file.size(), start.size())),
                  start)
            << path;
    }
}

TEST_F(ImageCommands, ACommandThatWaitsIsNotStartedTwice) {
    f.while_waiting = [this] {
        f.while_waiting = nullptr;
        run(K::Image, static_cast<int>(ImageCommand::Save));
        run(K::About);
        run(K::Help);
        controller.right_button_down();
        controller.tray_menu();
        controller.recover();          // the command starts the timer again itself
        controller.close_requested();  // Alt+F4 too
    };
    image(ImageCommand::Save);
    EXPECT_EQ(f.requests.size(), 1u);
    EXPECT_TRUE(f.events.empty() && f.menus.empty() && f.saved.empty());
    f.while_waiting = [this] { controller.right_button_down(), f.log("closed"); };
    run(K::About);  // the timer stays off while the box is up
    EXPECT_EQ(f.events, (V{"timer off", "about", "closed", "timer 100"}));
    choose(K::Image, static_cast<int>(ImageCommand::Save));
    EXPECT_EQ(f.requests.size(), 2u) << "the popup's choice runs once it has closed";
}

}  // namespace
}  // namespace vitrelo::fake
