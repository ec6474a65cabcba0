// Where the window's parts go for a client size, and the window's size limits.
#pragma once

#include "magnifier/geometry.h"

namespace vitrelo {

// Fixed sizes of the parts, in pixels at the window's DPI.
struct PartSizes {
    int32_t strip_height = 17;  // the info strip along the bottom
    int32_t close_size = 18;    // close icon cell (icon 16 plus its border)
    int32_t tool_icon = 16;     // colour / measuring icon at the strip's right end
    int32_t swatch_width = 16;  // colour swatch
    int32_t lock_size = 32;     // padlock / push-pin button
    Size logo{144, 95};
};
PartSizes part_sizes_for_dpi(int dpi);

// Rectangles inside the client area (picture) or inside the strip (the rest).
struct Layout {
    Rect picture;    // the whole client area
    Rect strip;      // along the picture's bottom, full width
    Rect close;      // inside the strip
    Rect swatch;     // inside the strip
    Rect readout;    // inside the strip: the text
    Rect tool_icon;  // inside the strip
    Rect lock;       // inside the picture, top-left
    Rect logo;       // inside the picture, centred
    friend bool operator==(const Layout&, const Layout&) = default;
};
Layout layout_for(Size client, const PartSizes& parts);

// The window's smallest outer size at a DPI (168 x 107 at 96 dpi).
Size minimum_window_size(int dpi);

// A requested outer size made to obey the limits: at least the minimum; at 0.5x
// at most half the screen (the captured area is twice the picture).
Size fit_window_size(Size requested, Size minimum, Size screen, bool half_zoom);

// The window moved so that it lies on the screen; one larger than the screen keeps
// its top-left corner on it.
Rect keep_on_screen(const Rect& window, const Rect& screen);

}  // namespace vitrelo
