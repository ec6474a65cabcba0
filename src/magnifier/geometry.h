// Points, sizes, rectangles and colours in screen pixels, and the rounding rule.
#pragma once

#include <cmath>
#include <cstdint>

namespace vitrelo {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(Point a, Point b) { return !(a == b); }
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
    friend bool operator!=(Size a, Size b) { return !(a == b); }
};

// left/top inclusive, width/height in pixels.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t right() const { return left + width; }
    int32_t bottom() const { return top + height; }
    Size size() const { return {width, height}; }
    // Left and top edges inside, right and bottom outside.
    bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    friend bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// A GDI colour, 0x00BBGGRR.
using Color = uint32_t;
constexpr Color kWhite = 0x00FFFFFF;

// Halves round to even, everywhere a fractional pixel becomes a whole one.
// std::lrint follows the rounding mode, which this program never changes.
inline int32_t round_even(double v) {
    return static_cast<int32_t>(std::lrint(v));
}

}  // namespace vitrelo
