#include "magnifier/overlays.h"

#include <algorithm>
#include <cstdlib>

namespace vitrelo {

namespace {

// The grid's pattern brush is 8 x 8 pixels anchored at the picture's top-left corner;
// its checkerboard repeats every two pixels, so the colour depends only on x + y.
uint32_t grid_pixel(int32_t x, int32_t y) {
    return (x + y) % 2 == 0 ? 0x00808080u : 0x00C0C0C0u;
}

}  // namespace

void draw_grid(PixelView picture, int step) {
    if (picture.empty() || step < 1) return;
    const int32_t w = picture.width;
    const int32_t h = picture.height;
    for (int32_t y = 0; y < h; ++y) {
        uint32_t* row = picture.pixels + static_cast<size_t>(y) * w;
        if (y % step == 0) {
            for (int32_t x = 0; x < w; ++x)
                row[x] = grid_pixel(x, y);
        } else {
            for (int32_t x = 0; x < w; x += step)
                row[x] = grid_pixel(x, y);
        }
    }
}

Rect measure_rect(Point start, Point current) {
    return {std::min(start.x, current.x), std::min(start.y, current.y),
            std::abs(current.x - start.x), std::abs(current.y - start.y)};
}

}  // namespace vitrelo
