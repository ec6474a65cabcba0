// Start-up, settings, presets, the timer around waiting commands, the tray, help.
#include "fakes/controller_fixture.h"
#include "magnifier/texts.h"

namespace vitrelo::fake {
namespace {

const std::string kIni = "C:\\Vitrelo\\Vitrelo.ini|Opzioni|";

long position(const std::vector<std::string>& events, const std::string& e) {
    return std::find(events.begin(), events.end(), e) - events.begin();
}

TEST_F(ControllerTest, StartReadsTheSettingsAndOpensAtAnEighthOfTheScreen) {
    storage.settings[kIni + "Zoom"] = "0";
    storage.settings[kIni + "Refresh"] = "5";  // no such item: the default
    storage.settings[kIni + "InvertiColori"] = "1";
    start();
    EXPECT_EQ(state().settings.zoom_index, 0);
    EXPECT_EQ(state().settings.refresh_index, kDefaultIndex);
    EXPECT_TRUE(state().settings.invert);
    EXPECT_EQ(view.timer, 100);
    EXPECT_EQ(view.minimum, (Size{168, 107}));
    EXPECT_EQ(view.maximum, (Size{512, 384})) << "at 0.5x at most half the screen";
    EXPECT_EQ(view.window, (Rect{100, 100, 256, 192}));
    EXPECT_EQ(state().size_mark, Preset::EighthScreen);
    EXPECT_EQ(shown().layout.picture, (Rect{0, 0, 250, 186}));
    run(CommandKind::Zoom, 2);
    EXPECT_FALSE(view.maximum);
}

TEST_F(ControllerTest, StartShowsTheLogoThenFadesIn) {
    controller.start();
    const std::vector<std::string>& e = log.events;
    EXPECT_EQ(e.front(), "topmost");
    EXPECT_LT(position(e, "disabled"), position(e, "logo"));
    EXPECT_LT(position(e, "logo"), position(e, "alpha 0"));
    EXPECT_EQ(position(e, "shown"), position(e, "sleep 15") + 1) << "shown once transparent";
    EXPECT_EQ(log.count("sleep 15"), 86);
    EXPECT_EQ(log.count("alpha 255"), 1);
    EXPECT_EQ(log.count("alpha 254"), 0);
    EXPECT_LT(position(e, "alpha 255"), position(e, "sleep 1000"));
    // The queued clicks are taken while still disabled; the timer starts at the end.
    const std::vector<std::string> end(e.end() - 5, e.end());
    EXPECT_EQ(end,
              (std::vector<std::string>{"sleep 1000", "no logo", "pump", "timer 100", "enabled"}));
    EXPECT_FALSE(shown().logo_shown);
    EXPECT_TRUE(all_white());
}

TEST_F(ControllerTest, StartWithoutFadingShowsAndHoldsTwoSeconds) {
    system.fades = false;
    controller.start();
    EXPECT_EQ(log.count("alpha 0"), 0);
    EXPECT_EQ(position(log.events, "sleep 2000"), position(log.events, "shown") + 2);
    EXPECT_EQ(log.events.back(), "enabled");
}

TEST_F(ControllerTest, PresetsSizeTheWindowAndMarkTheMenu) {
    start();
    const struct {
        Preset preset;
        Rect window;
        std::optional<Preset> mark;
    } cases[] = {
        {Preset::Minimum, {100, 100, 168, 107}, Preset::Minimum},
        {Preset::QuarterScreen, {100, 100, 512, 384}, Preset::QuarterScreen},
        {Preset::TopBar, {0, 0, 1024, 107}, std::nullopt},
        {Preset::BottomBar, {0, 661, 1024, 107}, std::nullopt},
        {Preset::EighthScreen, {0, 576, 256, 192}, Preset::EighthScreen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.preset));
        choose(CommandKind::Size, static_cast<int>(c.preset));
        EXPECT_EQ(view.window, c.window);
        EXPECT_EQ(state().size_mark, c.mark);
        EXPECT_EQ(shown().layout.picture.size(), view.client_size());
    }
}

TEST_F(ControllerTest, AResizeLaysOutCapturesKeepsOnScreenAndMarksBySize) {
    start();
    settle_at(kInside);
    const size_t captures = screen.captures.size();
    view.set_window_rect({900, 100, 300, 200});
    EXPECT_EQ(view.window, (Rect{724, 100, 300, 200}));
    EXPECT_EQ(shown().layout.picture.size(), (Size{294, 194}));
    EXPECT_EQ(screen.captures.size(), captures + 1) << "captures with the pointer over it";
    EXPECT_FALSE(state().size_mark);
    view.set_window_rect({0, 0, 512, 384});
    EXPECT_EQ(state().size_mark, Preset::QuarterScreen);
}

TEST_F(ControllerTest, APresetClearsOnlyALivePicture) {
    start();
    run(CommandKind::Capture);
    settle_at(kOutside);
    screen.tapped.insert(Key::Space);
    controller.tick();
    ASSERT_EQ(state().freeze, Freeze::Locked);
    std::fill(view.image.pixels.begin(), view.image.pixels.end(), 0x123456);
    run(CommandKind::Size, static_cast<int>(Preset::QuarterScreen));
    EXPECT_EQ(view.at(0, 0), 0x123456u) << "a locked picture survives";
    EXPECT_EQ(view.at(249, 185), 0x123456u);

    run(CommandKind::Capture);
    std::fill(view.image.pixels.begin(), view.image.pixels.end(), 0x123456);
    run(CommandKind::Size, static_cast<int>(Preset::QuarterScreen));  // same size
    EXPECT_TRUE(all_white());
}

TEST_F(ControllerTest, TimerStopsWhileTheMenuTheDragAndTheAboutBoxWait) {
    start();
    using V = std::vector<std::string>;
    controller.right_button_down();
    EXPECT_EQ(log.events, (V{"timer off", "popup", "timer 100"}));
    log.events.clear();
    view.window = {900, 700, 256, 192};
    controller.left_button_down({5, 5});
    EXPECT_EQ(log.events, (V{"timer off", "drag", "timer 100"}));
    EXPECT_EQ(view.window, (Rect{768, 576, 256, 192})) << "kept on the screen";
    EXPECT_EQ(shown().picture_pointer, PointerShape::Arrow);
    log.events.clear();
    run(CommandKind::About);
    EXPECT_EQ(log.events, (V{"timer off", "about", "timer 100"}));
    log.events.clear();
    run(CommandKind::Refresh, 4);
    EXPECT_EQ(log.events, V{"timer 500"});
}

TEST_F(ControllerTest, TrayRoundTripWithTheTimerOffMeanwhile) {
    start();
    choose(CommandKind::MinimizeRestore);
    EXPECT_FALSE(state().window_shown);
    EXPECT_FALSE(view.visible);
    EXPECT_FALSE(view.timer);
    EXPECT_EQ(log.events, (std::vector<std::string>{"timer off", "popup", "icon added", "timer off",
                                                    "hidden"}));
    log.events.clear();
    run(CommandKind::Refresh, 0);  // re-times only a running timer
    shell.choice = 0;
    controller.tray_menu();
    EXPECT_EQ(log.events, std::vector<std::string>{"tray popup"});
    EXPECT_NE(find_item(shell.menus.back(), text::kMenuRestore), nullptr);
    EXPECT_EQ(find_item(shell.menus.back(), text::kMenuZoom), nullptr);

    controller.tray_double_clicked();
    EXPECT_TRUE(state().window_shown);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(log.count("icon removed"), 1);
    EXPECT_EQ(view.timer, 10);
    controller.double_clicked();  // and back again from the picture
    EXPECT_FALSE(state().window_shown);
    shell.choice = command_id({CommandKind::MinimizeRestore});
    controller.tray_menu();
    EXPECT_TRUE(state().window_shown);
    EXPECT_EQ(view.timer, 10);
}

TEST_F(ControllerTest, WithoutATrayIconTheWindowStaysShown) {
    start();
    shell.tray_works = false;
    controller.double_clicked();
    EXPECT_TRUE(state().window_shown);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.timer, 100);
}

TEST_F(ControllerTest, ChiudiSavesTheSettingsInOrderThenQuits) {
    start();
    run(CommandKind::Zoom, 7);
    run(CommandKind::Refresh, 1);
    run(CommandKind::Invert);
    choose(CommandKind::Close);
    EXPECT_EQ(storage.written, (std::vector<std::string>{kIni + "Refresh=1", kIni + "Zoom=7",
                                                         kIni + "InvertiColori=-1"}));
    EXPECT_EQ(position(log.events, "quit"), position(log.events, "popup") + 1);
    EXPECT_EQ(log.count("icon removed"), 0);

    controller.double_clicked();
    log.events.clear();
    run(CommandKind::Close);
    EXPECT_EQ(log.events, (std::vector<std::string>{"icon removed", "quit"}));
}

TEST_F(ControllerTest, HelpOpensTheFileBesideTheProgramOrSaysItIsMissing) {
    start();
    run(CommandKind::Help);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{text::kHelpMissing});
    EXPECT_EQ(log.events, (std::vector<std::string>{"not topmost", "message", "topmost"}));
    EXPECT_TRUE(system.help.empty());
    storage.files["C:\\Vitrelo\\Vitrelo.chm"] = {};
    run(CommandKind::Help);
    EXPECT_EQ(system.help, std::vector<std::string>{"C:\\Vitrelo\\Vitrelo.chm"});
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(ControllerTest, ItemsOutsideTheirArraysDoNothing) {
    start();
    for (Command c : {Command{CommandKind::Size, -1}, Command{CommandKind::Size, kPresetCount},
                      Command{CommandKind::Image, -1}, Command{CommandKind::Image, 3}})
        controller.run(c);
    EXPECT_EQ(view.window, (Rect{100, 100, 256, 192}));
    EXPECT_TRUE(system.copied.empty());
}

TEST_F(ControllerTest, ColourAndMeasuringShowTheStripAndTheCloseIconEndsThem) {
    start();
    run(CommandKind::PickColor);
    EXPECT_TRUE(shown().strip_shown);
    EXPECT_EQ(shown().tool_icon, ToolIcon::PickColor);
    EXPECT_TRUE(shown().swatch_shown);
    controller.close_icon_clicked();
    EXPECT_FALSE(state().pick_color);
    EXPECT_FALSE(shown().strip_shown);
    run(CommandKind::Measure);
    EXPECT_EQ(shown().tool_icon, ToolIcon::Measure);
    EXPECT_FALSE(shown().swatch_shown);
    controller.close_icon_clicked();
    EXPECT_FALSE(state().measuring);
    EXPECT_EQ(shown().tool_icon, ToolIcon::None);
}

}  // namespace
}  // namespace vitrelo::fake
