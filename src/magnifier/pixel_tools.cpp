#include "magnifier/pixel_tools.h"

#include <algorithm>
#include <cstdio>

#include "magnifier/readout.h"
#include "magnifier/settings.h"

namespace vitrelo {

namespace {
constexpr int kNotch = 120;              // WHEEL_DELTA
constexpr uint32_t kTurnPauseMs = 1000;  // longer between two deltas: another turn
}  // namespace

Point step_pointer(Point from, Direction direction, bool ten, double picture_zoom,
                   bool over_frozen_picture) {
    const int32_t pixel = over_frozen_picture ? std::max(1, round_even(picture_zoom)) : 1;
    const int32_t step = pixel * (ten ? 10 : 1);
    Point to = from;
    switch (direction) {
        case Direction::Left:
            to.x -= step;
            break;
        case Direction::Right:
            to.x += step;
            break;
        case Direction::Up:
            to.y -= step;
            break;
        case Direction::Down:
            to.y += step;
            break;
    }
    return to;
}

Point kept_on(const Rect& monitor, Point p) {
    return {std::clamp(p.x, monitor.left, std::max(monitor.left, monitor.right() - 1)),
            std::clamp(p.y, monitor.top, std::max(monitor.top, monitor.bottom() - 1))};
}

std::optional<Point> picture_point(const Rect& window, Size picture, Point p) {
    const Point at{p.x - window.left - (window.width - picture.width) / 2,
                   p.y - window.top - (window.height - picture.height) / 2};
    if (!Rect{0, 0, picture.width, picture.height}.contains(at)) return std::nullopt;
    return at;
}

int WheelNotches::add(int delta, uint32_t time_ms) {
    // Unsigned: the difference is right across the wrap of the clock.
    if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0) || time_ms - last_ms_ > kTurnPauseMs)
        rest_ = 0;
    last_ms_ = time_ms;
    rest_ += delta;
    const int notches = rest_ / kNotch;
    rest_ -= notches * kNotch;
    return notches;
}

int stepped_zoom_index(int index, int notches) {
    const int last = static_cast<int>(kZoomFactors.size()) - 1;
    return std::clamp(index + notches, 0, last);
}

std::string color_hex_text(Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(c & 0xFF),
                  static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>((c >> 16) & 0xFF));
    return text;
}

std::string color_rgb_text(Color c) {
    return color_readout(c).substr(1);
}

}  // namespace vitrelo
