#include "magnifier/capture.h"

#include <cmath>
#include <cstdlib>

namespace vitrelo {

namespace {

struct Axis {
    int32_t source;
    int32_t length;
    int32_t destination;
    int32_t shift;
};

// One axis: origin, length and fit of the destination, then the edge clamp onto the
// screen's span [origin, origin + extent).
Axis capture_axis(int32_t picture, double zoom, int32_t pointer, int32_t origin, int32_t extent) {
    Axis a{pointer - static_cast<int32_t>(std::floor((picture / 2.0) / zoom)),
           static_cast<int32_t>(std::floor(picture / zoom)), picture, 0};
    // `length` whole magnified pixels fill `filled` picture pixels; when they fall
    // short of the picture, the partly visible next one is captured too and drawn
    // clipped.
    const double filled = std::floor(zoom * a.length);
    if (filled < picture) {
        a.length += 1;
        a.destination = round_even(filled + zoom);
    }
    if (a.source < origin) {
        a.shift = a.source - origin;
        a.source = origin;
    }
    if (a.source + a.length > origin + extent) {
        a.shift = a.source + a.length - (origin + extent);
        a.source -= a.shift;
    }
    return a;
}

}  // namespace

Capture capture_for(Size picture, double zoom, Point pointer, const Rect& screen) {
    const Axis x = capture_axis(picture.width, zoom, pointer.x, screen.left, screen.width);
    const Axis y = capture_axis(picture.height, zoom, pointer.y, screen.top, screen.height);
    Capture c;
    c.source = {x.source, y.source, x.length, y.length};
    c.destination = {x.destination, y.destination};
    c.shift = {x.shift, y.shift};
    return c;
}

int32_t distance_on_zoom(int32_t distance, double zoom) {
    return static_cast<int32_t>(std::floor(std::abs(static_cast<double>(distance)) / zoom + 0.1));
}

Point pointer_origin(Size picture, double zoom, Point shift, Point hotspot) {
    const auto axis = [zoom](int32_t length, int32_t s, int32_t h) {
        return round_even(length / 2.0 + round_even(zoom * s) - round_even(zoom * h));
    };
    return {axis(picture.width, shift.x, hotspot.x), axis(picture.height, shift.y, hotspot.y)};
}

bool over_window(const Rect& window, Point p) {
    return p.x > window.left && p.x <= window.right() && p.y > window.top && p.y <= window.bottom();
}

}  // namespace vitrelo
