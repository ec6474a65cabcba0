// The controller against the fake ports: start-up, commands, the tick and the render pass with
// freezing, the lock, readouts and outlines; the timer and the tray; several monitors and the
// shell restarting; the "Immagine" commands.
#include "export/bmp.h"
#include "fakes/fakes.h"
#include "magnifier/readout.h"
#include "magnifier/texts.h"

namespace vitrelo::fake {
namespace {

// ---- the start-up show, ticked through by the fixture ---------------------------------

V alphas(const V& events) {
    V out;
    std::ranges::copy_if(events, std::back_inserter(out),
                         [](const std::string& e) { return e.starts_with("alpha "); });
    return out;
}

TEST_F(ControllerTest, StartShowsTheDisabledLogoTransparentThenStartsTheFadeTimer) {
    EXPECT_EQ(V(started.begin(), started.begin() + 6),
              (V{"logo", "topmost", "disabled", "alpha 0", "shown", "timer 15"}));
}

TEST_F(ControllerTest, StartFadesInByThreesUpToOpaque) {
    const V a = alphas(started);
    ASSERT_EQ(a.size(), 86u);
    EXPECT_EQ(V({a[0], a[1], a[84], a[85]}), (V{"alpha 0", "alpha 3", "alpha 252", "alpha 255"}));
}

TEST_F(ControllerTest, StartHoldsTheOpaqueLogoThenRunsAtTheRefreshPeriod) {
    EXPECT_EQ(V(started.end() - 5, started.end()),
              (V{"alpha 255", "timer 1000", "no logo", "timer 100", "enabled"}));
}

TEST_F(ControllerTest, NothingIsCapturedDuringTheStartUpShow) {
    EXPECT_TRUE(f.captures.empty());
    EXPECT_TRUE(all(kWhite));
}

TEST_F(ControllerTest, PresetsMarkTheMenuButNotForBarsAndClearOnlyALivePicture) {
    const std::tuple<Preset, Rect, std::optional<Preset>> cases[] = {
        {Preset::Minimum, {100, 100, 168, 107}, Preset::Minimum},
        {Preset::TopBar, {0, 0, 1024, 107}, std::nullopt},
        {Preset::BottomBar, {0, 661, 1024, 107}, std::nullopt}};
    for (const auto& [preset, window, mark] : cases) {
        choose(CommandKind::Size, static_cast<int>(preset));
        EXPECT_EQ(std::tie(f.window, state().size_mark), std::tie(window, mark));
    }
    lock();
    paint(0x123456);
    run(CommandKind::Size, static_cast<int>(Preset::BottomBar));  // the same size
    EXPECT_TRUE(all(0x123456)) << "a locked picture survives";
    run(CommandKind::Capture);
    run(CommandKind::Size, static_cast<int>(Preset::BottomBar));
    EXPECT_TRUE(all(kWhite));
}

TEST_F(ControllerTest, AResizeLaysOutCapturesKeepsOnScreenAndMarksBySize) {
    settle_at(kInside);
    const size_t captures = f.captures.size();
    f.set_window_rect({900, 100, 300, 200});
    EXPECT_EQ(f.window, (Rect{724, 100, 300, 200}));
    EXPECT_EQ(shown().layout.picture.size(), (Size{294, 194}));
    EXPECT_EQ(f.captures.size(), captures + 1) << "captures with the pointer over it";
    EXPECT_FALSE(state().size_mark);
    f.set_window_rect({0, 0, 512, 384});
    EXPECT_EQ(state().size_mark, Preset::QuarterScreen);
}

TEST_F(ControllerTest, CtrlHoldsThePictureUntilReleased) {
    f.tapped.insert(Key::Ctrl);  // a press that ended before the tick
    tick();
    EXPECT_EQ(state().freeze, Freeze::Live);
    const std::vector<uint32_t> held = f.image.pixels;
    f.held.insert(Key::Ctrl);
    tick(Point{300, 600});
    EXPECT_EQ(f.sounds, std::vector<Sound>{Sound::Pause});
    tick();
    EXPECT_EQ(f.sounds.size(), 1u) << "once for each pause";
    EXPECT_FALSE(shown().lock_enabled);
    controller.right_button_down();
    EXPECT_TRUE(f.menus.back()[3].enabled) << text::kMenuImage;
    EXPECT_FALSE(f.menus.back()[5].enabled) << text::kMenuCapture;
    controller.lock_clicked();  // the greyed push-pin does nothing
    EXPECT_EQ(f.image.pixels, held);
    f.held.clear(), tick();
    controller.lock_clicked();  // hidden: no click
    EXPECT_FALSE(state().capture_mode);
}

TEST_F(ControllerTest, SpaceLocksCaptureModeOnlyOutsideAndThePadlockUnlocks) {
    f.held.insert(Key::Space);  // outside capture mode space means nothing
    settle_at(kOutside);
    f.held.clear();
    run(CommandKind::Capture);
    settle_at(kInside);
    f.tapped.insert(Key::Space);
    tick();  // over the window: the press is dropped
    settle_at(Point{10, 20});
    EXPECT_EQ(state().freeze, Freeze::Live);
    EXPECT_EQ(f.pointer_shifts.back(), f.captures.back().shift)
        << "the pointer follows the capture";
    EXPECT_NE(f.pointer_shifts.back(), (Point{0, 0}));
    f.held.insert(Key::Ctrl);
    const size_t shifts = f.pointer_shifts.size(), captures = f.captures.size() + 1;
    tick();
    EXPECT_EQ(f.pointer_shifts.size(), shifts) << "no pointer drawn under Ctrl";
    EXPECT_EQ(f.captures.size(), captures) << "yet capture mode keeps capturing";
    f.held.clear();
    f.tapped.insert(Key::Space);
    tick();
    f.tapped.insert(Key::Space);  // pressed while locked
    const int presents = f.presents;
    controller.lock_clicked();
    EXPECT_TRUE(all(kWhite) && f.presents == presents + 1) << "blank at once";
    tick();
    EXPECT_EQ(f.captures.size(), captures) << "the first pass after unlocking blanks";
    tick();
    EXPECT_EQ(f.captures.size(), captures + 1);
    controller.lock_clicked();  // the open padlock leaves capture mode
    EXPECT_FALSE(state().capture_mode);
    EXPECT_EQ(f.sounds, (std::vector<Sound>{Sound::Lock, Sound::Leave}));
}

TEST_F(ControllerTest, ColourReadoutFromTheScreenThenFromTheFrozenPicture) {
    run(CommandKind::PickColor);  // the readout at once
    EXPECT_EQ(std::tie(shown().strip_shown, shown().tool_icon), std::tuple(true, Tool::PickColor));
    EXPECT_EQ(shown().readout, color_readout(f.screen_color(kOutside)));
    settle_at(kInside);  // over the window the live picture is blank
    EXPECT_TRUE(all(kWhite));
    EXPECT_EQ(std::tie(shown().swatch_shown, shown().readout), std::tuple(false, ""));
    settle_at(kOutside);
    EXPECT_TRUE(shown().swatch_shown);
    f.pixel_readable = false;
    tick();
    EXPECT_EQ(shown().readout, color_readout(kWhite));
    EXPECT_EQ(shown().swatch, f.screen_color(kOutside)) << "an unread pixel keeps the swatch";
    f.held.insert(Key::Ctrl);
    tick();
    const int w = f.image.width, h = f.image.height;
    for (Point p : {Point{0, 0}, Point{w - 1, h - 1}}) {
        f.at(p.x, p.y) = 0x00112233 + uint32_t(p.x);
        controller.pointer_moved(p, false);
        EXPECT_EQ(shown().picture_pointer, PointerShape::Eyedropper);
        EXPECT_EQ(shown().swatch, color_from_pixel(f.at(p.x, p.y)));
        EXPECT_EQ(shown().readout, color_readout(shown().swatch));
    }
    const Color last = shown().swatch;
    for (Point off : {Point{-1, 0}, Point{0, -1}, Point{w, 0}, Point{0, h}}) {
        controller.pointer_moved(off, false);
        EXPECT_EQ(std::tie(shown().readout, shown().swatch),
                  std::tuple(color_readout(kWhite), last));
    }
    f.held.clear();
    tick();
    controller.pointer_moved({5, 6}, false);
    EXPECT_EQ(shown().picture_pointer, PointerShape::Arrow);
    controller.close_icon_clicked();
    EXPECT_FALSE(state().tool == Tool::PickColor || shown().strip_shown);
}

TEST_F(ControllerTest, MeasuringReadoutAndOutline) {
    run(CommandKind::Measure);
    EXPECT_EQ(std::tie(shown().tool_icon, shown().swatch_shown), std::tuple(Tool::Measure, false));
    run(CommandKind::Zoom, 4);  // 4x
    lock();
    f.mouse = kInside;
    f.tapped.insert(Key::Zero);
    tick();
    tick(Point{kInside.x + 24, kInside.y - 8});
    EXPECT_EQ(shown().readout, distance_readout(6, 2)) << "measured on the 4x picture";
    tick(Point{kInside.x + 10, 700});
    EXPECT_EQ(shown().readout, distance_readout(10, 550));
    f.mouse = Point{640, 470};
    controller.left_button_down({100, 60});
    EXPECT_EQ(state().reference, (Point{640, 470}));
    controller.pointer_moved({40, 10}, true);
    controller.pointer_moved({70, 90}, false);  // only with the button down
    EXPECT_EQ(shown().measure, (Rect{40, 10, 60, 50}));
    controller.button_up();
    EXPECT_FALSE(shown().measure);
    controller.lock_clicked();
    controller.left_button_down({100, 60});  // on a live picture the window drags instead
    EXPECT_EQ(f.count("drag"), 1);
    controller.close_icon_clicked();
    EXPECT_EQ(shown().tool_icon, Tool::None);
}

// ---- the timer, the tray, the screens and the shell ---------------------------------

constexpr Rect kLeft{-800, 0, 800, 600};  // left of the primary; below y = 600 is no monitor

// The icon put back on the shell's restart: the Win32-side test.
TEST_F(ControllerTest, AShellRestartWithoutATrayIconBringsBackTheWindow) {
    controller.shell_restarted();  // shown: nothing to bring back
    EXPECT_EQ(f.count("icon added"), 0);
    run(CommandKind::MinimizeRestore);
    f.events.clear(), f.tray_works = false;
    controller.shell_restarted();
    // Without an icon the window comes back, running, or nothing could reach it.
    EXPECT_EQ(f.events, (V{"shown", "timer 100"}));
}

TEST_F(ControllerTest, PresetsAndScreenChangesUseTheMonitorHoldingTheWindow) {
    f.monitors.push_back(kLeft);
    f.window = {-300, 500, 256, 192};  // on the left monitor: its quarter, pushed inside it
    run(CommandKind::Size, static_cast<int>(Preset::QuarterScreen));
    EXPECT_EQ(f.window, (Rect{-400, 300, 400, 300}));
    f.window = {-100, 100, 256, 192};  // mostly on the primary
    run(CommandKind::Size, static_cast<int>(Preset::EighthScreen));
    EXPECT_EQ(f.window, (Rect{0, 100, 256, 192}));
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

// The timer stops while something waits and in the tray.
TEST_F(ControllerTest, TheTimerStopsWhileSomethingWaitsAndInTheTray) {
    const auto choosing = [this](std::optional<Command> c, bool from_tray = false) {
        return [this, c, from_tray] {
            f.choice = c ? std::optional(command_id(*c)) : std::nullopt;  // none: dismissed
            from_tray ? controller.tray_menu() : controller.right_button_down();
        };
    };
    const auto around = [](const std::string& wait) { return V{"timer off", wait, "timer 10"}; };
    using enum CommandKind;
    // clang-format off
    const struct {
        const char* what;
        std::function<void()> act;
        V events;
    } steps[] = {
        {"10 ms from the menu", choosing(Command{Refresh, 0}), {"timer off", "popup", "timer 10"}},
        {"the menu dismissed", choosing(std::nullopt), around("popup")},
        {"the keyboard's menu",  // the client area: 295 x 195
         [this] { f.set_window_rect({50, 60, 301, 201}), controller.keyboard_menu(); },
         around("popup")},
        {"a drag", [this] { controller.left_button_down({5, 5}); }, around("drag")},
        {"the about box", [this] { run(About); }, around("about")},
        {"50 ms", [this] { run(Refresh, 1); }, {"timer 50"}},
        {"10 ms", [this] { run(Refresh, 0); }, {"timer 10"}},
        {"no tray icon: the window stays",
         [this] { f.tray_works = false, controller.double_clicked(), f.tray_works = true; }, {}},
        {"to the tray from the menu", choosing(Command{MinimizeRestore}),
         {"timer off", "popup", "icon added", "hidden"}},
        {"10 ms in the tray", [this] { run(Refresh, 0); }, {}},
        {"back by the tray's menu", choosing(Command{MinimizeRestore}, true),
         {"tray popup", "shown", "timer 10", "icon removed"}},
        {"to the tray by a double click", [this] { controller.double_clicked(); },
         {"icon added", "timer off", "hidden"}},
        {"back by the icon's double click", [this] { controller.tray_double_clicked(); },
         {"shown", "timer 10", "icon removed"}},
        {"Chiudi from the menu", choosing(Command{Close}), {"timer off", "popup", "saved", "quit"}},
        // The fake does not end the program: Chiudi once more, from the tray.
        {"Chiudi from the tray's menu", [&] { run(MinimizeRestore), choosing(Command{Close}, true)(); },
         {"icon added", "hidden", "tray popup", "saved", "icon removed", "quit"}},
    };
    // clang-format on
    for (const auto& step : steps) {
        f.events.clear();
        step.act();
        EXPECT_EQ(f.events, step.events) << step.what;
    }
    EXPECT_EQ(f.places[2], (Point{147, 97})) << "the keyboard's menu at the picture's centre";
    EXPECT_EQ(shown().picture_pointer, PointerShape::Arrow) << "the arrow back after the drag";
}

// ---- the "Immagine" commands: every way each one can end ----------------------------

// What a message box leaves in the event log.
V box(const std::string& text) {
    return {"not topmost", "message " + text, "topmost"};
}

class ImageCommands : public ControllerTest {
protected:
    void SetUp() override {
        start();
        for (size_t i = 0; i < f.image.pixels.size(); ++i)
            f.image.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
        snapshot = f.image;
    }
    // A fresh command: nothing logged yet.
    void image(ImageCommand c, bool jpeg = true, Writes writes = Writes::Work) {
        f.events.clear(), f.requests.clear();
        f.jpeg = jpeg, f.writes = writes;
        run(CommandKind::Image, static_cast<int>(c));
        EXPECT_EQ(f.copied.back().pixels, snapshot.pixels);
    }
    Image snapshot;
};

TEST_F(ImageCommands, CopyingOrMailingSaysWhyItStopsShort) {
    using enum ImageCommand;
    using enum ClipboardResult;
    using enum Writes;
    // Command, clipboard, JPEG writer, writes -> what the user is told.
    const std::tuple<ImageCommand, ClipboardResult, bool, Writes, V> cases[] = {
        {Copy, Copied, true, Work, box(text::kCopied)},
        {Save, Unreadable, true, Work, box(text::kCopyFailed)},
        {Mail, Failed, true, Work, box(text::kSaveFailed)},
        {Mail, Copied, true, Vanish, box(text::kMailFailed)},
        {Mail, Copied, true, Fail, box(text::kSaveFailed)},
        {Mail, Copied, false, Work, {}}};  // no JPEG writer: the copy only
    for (const auto& [command, clipboard, jpeg, writes, events] : cases) {
        f.clipboard = clipboard;
        image(command, jpeg, writes);
        EXPECT_EQ(f.events, events) << int(command) << int(clipboard) << int(writes);
        EXPECT_TRUE(f.requests.empty() && f.files.empty());
    }
}

TEST_F(ImageCommands, SaveAsksWhereAndWritesByTheExtension) {
    image(ImageCommand::Save, false);  // cancelled: nothing else happens
    f.folder = "C:\\";                 // a drive's root keeps its backslash
    run(CommandKind::Image, static_cast<int>(ImageCommand::Save));
    const SaveRequest& r = f.requests.at(0);
    EXPECT_EQ(std::tie(r.title, r.filter, r.initial_folder, f.requests.at(1).initial_folder),
              std::tuple(text::kSaveTitleBmpOnly, text::kSaveFilterBmpOnly, "C:\\Vitrelo", "C:\\"));
    EXPECT_TRUE(f.events.empty());
    using enum Writes;
    const auto bmp = encode_bmp(snapshot), jpeg = fake_jpeg(snapshot, 80), none = decltype(bmp)();
    // Path, JPEG writer, writes, a file there before -> message, file afterwards.
    const std::tuple<const char*, bool, Writes, bool, const char*, std::vector<uint8_t>> cases[] = {
        {"C:\\d\\a.bmp", true, Work, true, text::kSaved, bmp},
        {"C:\\d\\A.JPG", true, Work, false, text::kSaved, jpeg},
        {"C:\\d\\a.jpg", false, Work, false, text::kSaveFailed, none},
        {"C:\\d\\a.png", true, Work, false, text::kBadFormat, none},
        {"C:\\d\\a.jpg", true, Fail, true, text::kSaveFailed, none},
        {"C:\\d\\a.bmp", true, Throw, false, text::kSaveFailed, none},  // the next row still runs
        {"C:\\d\\a.bmp", true, Vanish, false, text::kSaveFailed, none}};
    for (const auto& [path, can_jpeg, writes, old_file, message, file] : cases) {
        f.answer = path;
        f.files.clear();
        if (old_file) f.files[path] = {};
        image(ImageCommand::Save, can_jpeg, writes);
        EXPECT_EQ(f.events, box(message)) << path;
        EXPECT_EQ(f.files[path], file) << path;
    }
}

TEST_F(ImageCommands, ACommandThatWaitsIsNotStartedTwice) {
    f.while_waiting = [this] {
        f.while_waiting = nullptr;
        run(CommandKind::Image, static_cast<int>(ImageCommand::Save));
        run(CommandKind::About);
        run(CommandKind::Help);
        controller.right_button_down();
        controller.tray_menu();
    };
    image(ImageCommand::Save);
    EXPECT_EQ(f.requests.size(), 1u);
    EXPECT_TRUE(f.events.empty() && f.menus.empty());
    choose(CommandKind::Image, static_cast<int>(ImageCommand::Save));
    EXPECT_EQ(f.requests.size(), 2u) << "the popup's choice runs once it has closed";
    f.events.clear();
    run(CommandKind::Help);  // no help file beside the program
    EXPECT_EQ(f.events, box(text::kHelpMissing));
}

}  // namespace
}  // namespace vitrelo::fake
