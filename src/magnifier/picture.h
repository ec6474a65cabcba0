// The persistent picture as memory: what the overlays draw on and the export reads.
#pragma once

#include <cstdint>
#include <vector>

#include "magnifier/geometry.h"

namespace vitrelo {

// A view of 32-bit pixels, top row first, each 0x00RRGGBB (the layout of a
// top-down 32 bpp DIB section). Does not own the memory.
struct PixelView {
    uint32_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
};

// An owned copy of a picture, pixels as in PixelView.
struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};

inline Color color_from_pixel(uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
inline uint32_t pixel_from_color(Color c) {
    return color_from_pixel(c);
}  // the swap is its own inverse

Image copy_of(const PixelView& v);
void fill(PixelView v, Color c);

}  // namespace vitrelo
