#include "export/bmp.h"

#include <stdexcept>

namespace {

void u16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void u32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

}  // namespace

std::vector<uint8_t> codifica_bmp(const plat::Immagine& img) {
    const uint64_t w = img.larghezza > 0 ? uint32_t(img.larghezza) : 0;
    const uint64_t h = img.altezza > 0 ? uint32_t(img.altezza) : 0;
    if (w == 0 || h == 0 || img.pixel.size() != w * h)
        throw std::invalid_argument("codifica_bmp: empty or inconsistent picture");
    const uint64_t riga = (w * 3 + 3) & ~uint64_t(3);
    const uint64_t dati = riga * h;
    const uint64_t totale = 54 + dati;
    if (totale > 0xFFFFFFFFu) throw std::length_error("codifica_bmp: picture too large");

    std::vector<uint8_t> b(size_t(totale), 0);
    b[0] = 'B';
    b[1] = 'M';
    u32(b, 2, uint32_t(totale));
    u32(b, 10, 54);                 // offset of the pixel data
    u32(b, 14, 40);                 // BITMAPINFOHEADER
    u32(b, 18, uint32_t(w));
    u32(b, 22, uint32_t(h));        // positive: bottom-up
    u16(b, 26, 1);                  // planes
    u16(b, 28, 24);                 // bits per pixel
    u32(b, 30, 0);                  // BI_RGB
    u32(b, 34, uint32_t(dati));
    // resolution and colour counts stay 0: no palette, resolution unknown
    for (uint64_t y = 0; y < h; ++y) {
        uint8_t* p = &b[size_t(54 + (h - 1 - y) * riga)];
        const uint32_t* s = &img.pixel[size_t(y * w)];
        for (uint64_t x = 0; x < w; ++x) {
            const uint32_t c = s[x];   // 0x00BBGGRR; the file stores blue, green, red
            *p++ = uint8_t(c >> 16);
            *p++ = uint8_t(c >> 8);
            *p++ = uint8_t(c);
        }
    }
    return b;
}
