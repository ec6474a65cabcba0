#include "export/bmp.h"

#include <stdexcept>

namespace vitrelo {

namespace {

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

constexpr uint32_t kHeadersSize = 14 + 40;

}  // namespace

std::vector<uint8_t> encode_bmp(const Image& image) {
    const uint64_t w = image.width > 0 ? uint32_t(image.width) : 0;
    const uint64_t h = image.height > 0 ? uint32_t(image.height) : 0;
    if (w == 0 || h == 0 || image.pixels.size() != w * h)
        throw std::invalid_argument("encode_bmp: empty or inconsistent picture");
    const uint64_t row = (w * 3 + 3) & ~uint64_t(3);
    const uint64_t data = row * h;
    const uint64_t total = kHeadersSize + data;
    if (total > 0xFFFFFFFFu) throw std::length_error("encode_bmp: picture too large");

    std::vector<uint8_t> b(size_t(total), 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, uint32_t(total));
    put32(b, 10, kHeadersSize);  // where the pixels start
    put32(b, 14, 40);            // BITMAPINFOHEADER
    put32(b, 18, uint32_t(w));
    put32(b, 22, uint32_t(h));   // positive: bottom-up
    put32(b, 26, 1 | 24 << 16);  // planes 1 and 24 bits per pixel, 16 bits each
    put32(b, 34, uint32_t(data));
    // Compression (none), resolution and colour counts stay 0: no palette, resolution unknown.
    for (uint64_t y = 0; y < h; ++y) {
        uint8_t* p = &b[size_t(kHeadersSize + (h - 1 - y) * row)];
        const uint32_t* s = &image.pixels[size_t(y * w)];
        for (uint64_t x = 0; x < w; ++x) {
            const uint32_t c = s[x];  // 0x00RRGGBB; the file stores blue, green, red
            *p++ = uint8_t(c);
            *p++ = uint8_t(c >> 8);
            *p++ = uint8_t(c >> 16);
        }
    }
    return b;
}

}  // namespace vitrelo
