// A Controller wired to the fakes, started on a 1024 x 768 screen at 96 dpi: the
// window at (100, 100) sized 256 x 192 (1/8 screen), the pointer outside it.
#pragma once

#include <gtest/gtest.h>

#include "fakes/fakes.h"

namespace vitrelo::fake {

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() { view.controller = &controller; }

    void start() { controller.start(), log.events.clear(); }
    const State& state() const { return controller.state(); }
    const ViewState& shown() const { return *view.shown; }
    void run(CommandKind kind, int index = 0) { controller.run({kind, index}); }
    // Chooses a command from the popup opened by a right-click.
    void choose(CommandKind kind, int index = 0) {
        shell.choice = command_id({kind, index});
        controller.right_button_down();
    }
    // The pointer somewhere, and ticks until the controller judges "over the
    // window" by it (each tick judges by where the previous pass captured).
    void settle_at(Point p) {
        screen.at = p;
        for (int i = 0; i < 2; ++i)
            controller.tick();
    }
    static constexpr Point kInside{150, 150}, kOutside{700, 500};
    bool all_white() const {
        return std::all_of(view.image.pixels.begin(), view.image.pixels.end(),
                           [](uint32_t p) { return p == 0xFFFFFF; });
    }

    Log log;
    FakeView view{log};
    FakeScreen screen{view};
    FakeShell shell{log};
    FakeDialogs dialogs{log};
    FakeStorage storage;
    FakeSystem system{log};
    Controller controller{Ports{screen, view, shell, dialogs, storage, system}};
};

// The top-level item with this caption; nullptr when missing.
inline const MenuItem* find_item(const std::vector<MenuItem>& items, const std::string& text) {
    const auto i =
        std::find_if(items.begin(), items.end(), [&](auto& m) { return m.text == text; });
    return i == items.end() ? nullptr : &*i;
}

}  // namespace vitrelo::fake
