// The 10 ms refresh's finer system timer, and the menu opened from the keyboard.
#include "fakes/controller_fixture.h"

namespace vitrelo::fake {
namespace {

using Events = std::vector<std::string>;
const std::string kIni = "C:\\Vitrelo\\Vitrelo.ini|Opzioni|";
constexpr int k10Ms = 0, k50Ms = 1;

// The precision is asked for only while a 10 ms timer runs, before it starts and
// after it stops; each "on" has its "off".
TEST_F(ControllerTest, TheFineTimerIsHeldExactlyWhileA10MsTimerRuns) {
    start();
    const auto choosing = [this](int id) {
        return [this, id] {
            shell.choice = id;
            controller.right_button_down();
        };
    };
    const auto around = [](const std::string& wait) {
        return Events{"timer off", "fine timer off", wait, "fine timer on", "timer 10"};
    };
    const struct {
        const char* what;
        std::function<void()> act;
        Events events;
    } steps[] = {
        {"100 ms to 10 ms from the menu", choosing(command_id({CommandKind::Refresh, k10Ms})),
         {"timer off", "popup", "fine timer on", "timer 10"}},
        {"the menu dismissed", choosing(0), around("popup")},
        {"the keyboard's menu", [this] { controller.keyboard_menu(); }, around("popup")},
        {"a drag", [this] { controller.left_button_down({5, 5}); }, around("drag")},
        {"the about box", [this] { run(CommandKind::About); }, around("about")},
        {"50 ms", [this] { run(CommandKind::Refresh, k50Ms); }, {"timer 50", "fine timer off"}},
        {"10 ms", [this] { run(CommandKind::Refresh, k10Ms); }, {"fine timer on", "timer 10"}},
        {"to the tray", [this] { run(CommandKind::MinimizeRestore); },
         {"icon added", "timer off", "fine timer off", "hidden"}},
        {"10 ms in the tray", [this] { run(CommandKind::Refresh, k10Ms); }, {}},
        {"back from the tray", [this] { controller.tray_double_clicked(); },
         {"shown", "icon removed", "fine timer on", "timer 10"}},
        {"\"Chiudi\" from the menu: not raised again", choosing(command_id({CommandKind::Close})),
         {"timer off", "fine timer off", "popup", "quit"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        log.events.clear();
        step.act();
        EXPECT_EQ(log.events, step.events);
    }
}

TEST_F(ControllerTest, ChiudiOrTheControllersEndGivesThePrecisionBackOnce) {
    const struct {
        const char* refresh;
        bool chiudi;
        long releases;
    } cases[] = {{"0", true, 1}, {"0", false, 1}, {"2", false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.refresh) + (c.chiudi ? " Chiudi" : " end"));
        storage.settings[kIni + "Refresh"] = c.refresh;
        log.events.clear();
        {
            Controller other{Ports{screen, view, shell, dialogs, storage, system}};
            view.controller = &other;
            other.start();
            if (c.chiudi) {
                other.run({CommandKind::Close});
                EXPECT_EQ(log.count("fine timer off"), c.releases) << "given back before quitting";
            }
        }
        EXPECT_EQ(log.count("fine timer off"), c.releases);
    }
    view.controller = &controller;
}

// Each item's text and marks, submenus inside brackets.
std::string outline(const std::vector<MenuItem>& items) {
    std::string s;
    for (const MenuItem& m : items)
        s += m.text + (m.checked ? "*" : "") + (m.enabled ? "" : "-") + "[" + outline(m.children) +
             "]";
    return s;
}

TEST_F(ControllerTest, TheKeyboardOpensTheClickMenuAtThePicturesCentre) {
    start();
    // Client areas 250 x 186 at (103, 103) and 295 x 195 at (53, 63).
    const struct {
        Rect window;
        Point centre;
    } cases[] = {{{100, 100, 256, 192}, {228, 196}}, {{50, 60, 301, 201}, {200, 160}}};
    for (const auto& c : cases) {
        view.set_window_rect(c.window);
        shell.choice = 0;
        log.events.clear();
        controller.right_button_down();
        const Events clicked = log.events;
        log.events.clear();
        controller.keyboard_menu();
        EXPECT_EQ(log.events, clicked);
        ASSERT_EQ(shell.places.size(), shell.menus.size());
        EXPECT_EQ(shell.places.rbegin()[1], std::nullopt) << "a right-click: at the pointer";
        EXPECT_EQ(shell.places.back(), c.centre);
        EXPECT_EQ(outline(shell.menus.back()), outline(shell.menus.rbegin()[1]));
    }
    shell.choice = command_id({CommandKind::Grid});
    controller.keyboard_menu();
    EXPECT_TRUE(state().grid);
}

}  // namespace
}  // namespace vitrelo::fake
