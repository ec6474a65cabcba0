#include "magnifier/presets.h"

#include "magnifier/layout.h"

namespace vitrelo {

namespace {

// The window's size for a preset, before the limits.
Size preset_size(Preset preset, const Rect& screen, Size minimum) {
    switch (preset) {
        case Preset::Minimum:
            return minimum;
        case Preset::EighthScreen:  // a quarter of each side
            return {round_even(screen.width / 4.0), round_even(screen.height / 4.0)};
        case Preset::QuarterScreen:  // half of each side
            return {round_even(screen.width / 2.0), round_even(screen.height / 2.0)};
        case Preset::TopBar:
        case Preset::BottomBar:
            break;
    }
    return {screen.width, round_even(screen.height / 8.0)};
}

}  // namespace

Rect preset_rect(Preset preset, const Rect& window, const Rect& screen, Size minimum,
                 bool half_zoom) {
    const Size size =
        fit_window_size(preset_size(preset, screen, minimum), minimum, screen.size(), half_zoom);
    switch (preset) {
        case Preset::TopBar:
            return {screen.left, screen.top, size.width, size.height};
        case Preset::BottomBar:
            // Its height as the limits left it, so that it sits on the bottom edge.
            return {screen.left, screen.bottom() - size.height, size.width, size.height};
        default:
            return keep_on_screen({window.left, window.top, size.width, size.height}, screen);
    }
}

std::optional<Preset> preset_of_size(Size window, const Rect& screen, Size minimum) {
    // Exact: a screen side that does not divide evenly never marks its preset.
    if (window == minimum) return Preset::Minimum;
    if (4 * window.width == screen.width && 4 * window.height == screen.height)
        return Preset::EighthScreen;
    if (2 * window.width == screen.width && 2 * window.height == screen.height)
        return Preset::QuarterScreen;
    return std::nullopt;
}

}  // namespace vitrelo
