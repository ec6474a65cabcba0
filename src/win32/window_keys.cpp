// The keys of the focused window: the arrows, C, M, "+" and "-".
#include <optional>

#include "win32/application.h"
#include "win32/window.h"

namespace vitrelo::win32 {

namespace {

std::optional<Direction> arrow(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return Direction::Left;
        case VK_RIGHT:
            return Direction::Right;
        case VK_UP:
            return Direction::Up;
        case VK_DOWN:
            return Direction::Down;
        default:
            return std::nullopt;
    }
}

}  // namespace

// The keys of whichever of the two windows has the focus, auto-repeat included. Ctrl is
// not looked at: it is held to freeze the picture these keys work on. "+" and "-" come as
// characters: the main keyboard's and the keypad's, in every layout.
bool key_message(Application& app, UINT m, WPARAM wp) {
    Controller& controller = app.controller();
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (m == WM_CHAR && (wp == L'+' || wp == L'-')) {
        app.guarded([&] { controller.zoom_key_pressed(wp == L'+'); });
        return true;
    }
    if (m != WM_KEYDOWN) return false;
    if (const std::optional<Direction> d = arrow(wp)) {
        app.guarded([&] { controller.arrow_pressed(*d, shift); });
        return true;
    }
    if (wp == 'M') {
        app.guarded([&] { controller.copy_measurement(); });
        return true;
    }
    if (wp != 'C') return false;
    const ColorForm form = shift ? ColorForm::Rgb : ColorForm::Chosen;
    app.guarded([&] { controller.run({CommandKind::CopyColor, static_cast<int>(form)}); });
    return true;
}

}  // namespace vitrelo::win32
