#include "magnifier/picture.h"

#include <algorithm>

namespace vitrelo {

Image copy_of(const PixelView& v) {
    if (v.empty()) return {};
    Image image{v.width, v.height, {}};
    image.pixels.assign(v.pixels, v.pixels + static_cast<size_t>(v.width) * v.height);
    return image;
}

void fill(PixelView v, Color c) {
    if (v.empty()) return;
    std::fill_n(v.pixels, static_cast<size_t>(v.width) * v.height, pixel_from_color(c));
}

}  // namespace vitrelo
