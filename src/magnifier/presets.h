// The window-size presets and docked bars.
#pragma once

#include <optional>

#include "magnifier/geometry.h"

namespace vitrelo {

enum class Preset { Minimum, EighthScreen, QuarterScreen, TopBar, BottomBar };
constexpr int kPresetCount = static_cast<int>(Preset::BottomBar) + 1;

// The window's outer rectangle after choosing `preset`, from the current window
// rectangle, on `screen` (whose left/top is the origin of the bars), with the
// limits of fit_window_size already applied and the window kept on the screen.
Rect preset_rect(Preset preset, const Rect& window, const Rect& screen, Size minimum,
                 bool half_zoom);

// The preset whose size the window has exactly (minimum, 1/8 or 1/4 screen; the
// bars are never marked), or none.
std::optional<Preset> preset_of_size(Size window, const Rect& screen, Size minimum);

}  // namespace vitrelo
