#include "magnifier/layout.h"

namespace vitrelo {

namespace {

// One pixel beyond the strip's top or left edge: the icons' and swatch's border then
// falls outside the strip and their content sits flush with its edges.
constexpr int32_t kPastEdge = -1;
constexpr int32_t kToolIconMargin = 2;  // between the tool icon and the strip's right end

int32_t scaled(int32_t pixels_at_96, int dpi) {
    return round_even(pixels_at_96 * dpi / 96.0);
}

}  // namespace

PartSizes part_sizes_for_dpi(int dpi) {
    const PartSizes at96;
    PartSizes p;
    p.strip_height = scaled(at96.strip_height, dpi);
    p.close_size = scaled(at96.close_size, dpi);
    p.tool_icon = scaled(at96.tool_icon, dpi);
    p.swatch_width = scaled(at96.swatch_width, dpi);
    p.lock_size = scaled(at96.lock_size, dpi);
    p.logo = {scaled(at96.logo.width, dpi), scaled(at96.logo.height, dpi)};
    return p;
}

Layout layout_for(Size client, const PartSizes& parts) {
    const int32_t w = client.width;
    const int32_t h = client.height;
    Layout l;
    l.picture = {0, 0, w, h};
    l.strip = {0, h - parts.strip_height, w, parts.strip_height};
    l.close = {kPastEdge, kPastEdge, parts.close_size, parts.close_size};
    l.swatch = {parts.close_size, kPastEdge, parts.swatch_width, parts.strip_height};
    // The text starts after the swatch and reaches past the strip's right end; the
    // tool icon lies over it.
    l.readout = {parts.close_size + parts.swatch_width, 0, w, parts.strip_height};
    l.tool_icon = {w - parts.tool_icon - kToolIconMargin, kPastEdge, parts.tool_icon,
                   parts.tool_icon};
    l.lock = {0, 0, parts.lock_size, parts.lock_size};
    l.logo = {round_even(w / 2.0 - parts.logo.width / 2.0),
              round_even(h / 2.0 - parts.logo.height / 2.0), parts.logo.width, parts.logo.height};
    return l;
}

Size minimum_window_size(int dpi) {
    // 2520 x 1600 in 1/1440 inch: 168 x 107 pixels at 96 dpi.
    return {round_even(2520 * dpi / 1440.0), round_even(1600 * dpi / 1440.0)};
}

Size fit_window_size(Size requested, Size minimum, Size screen, bool half_zoom) {
    Size s = requested;
    if (s.height < minimum.height) s.height = minimum.height;
    if (s.width < minimum.width) s.width = minimum.width;
    // At 0.5x the captured area is twice the picture: keep it within the screen. On
    // a screen smaller than twice the minimum this limit wins.
    if (half_zoom) {
        if (s.height > screen.height / 2.0) s.height = round_even(screen.height / 2.0);
        if (s.width > screen.width / 2.0) s.width = round_even(screen.width / 2.0);
    }
    return s;
}

Rect keep_on_screen(const Rect& window, const Rect& screen) {
    // Top and left come last, so a window larger than the screen keeps its top-left
    // corner on the screen and sticks out at the bottom or the right.
    Rect r = window;
    if (r.bottom() > screen.bottom()) r.top = screen.bottom() - r.height;
    if (r.top < screen.top) r.top = screen.top;
    if (r.right() > screen.right()) r.left = screen.right() - r.width;
    if (r.left < screen.left) r.left = screen.left;
    return r;
}

}  // namespace vitrelo
