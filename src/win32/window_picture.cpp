#include "win32/window_picture.h"

#include <algorithm>

namespace vitrelo::win32 {

BITMAPINFO top_down_bitmap(Size size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool Picture::resize(Size size) {
    size.width = std::max(size.width, 1);
    size.height = std::max(size.height, 1);
    if (dc_ && size == size_) return true;
    Dc dc(CreateCompatibleDC(nullptr));
    const BITMAPINFO info = top_down_bitmap(size);
    void* bits = nullptr;
    Bitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !bitmap) return false;
    // White as the model writes it (GDI's WHITENESS would set the unused top byte too).
    const PixelView fresh{static_cast<uint32_t*>(bits), size.width, size.height};
    fill(fresh, kWhite);
    // A frozen picture must survive a resize of the window.
    const PixelView old = pixels();
    for (int32_t y = 0; y < std::min(old.height, size.height); ++y)
        std::copy_n(old.pixels + static_cast<size_t>(y) * old.width,
                    std::min(old.width, size.width),
                    fresh.pixels + static_cast<size_t>(y) * size.width);
    selection_.reset();
    bitmap_ = std::move(bitmap);
    dc_ = std::move(dc);
    selection_.emplace(dc_.get(), bitmap_.get());
    bits_ = bits;
    size_ = size;
    return true;
}

PixelView Picture::pixels() const {
    if (!bits_) return {};
    GdiFlush();  // drawing may still be batched
    return {static_cast<uint32_t*>(bits_), size_.width, size_.height};
}

}  // namespace vitrelo::win32
