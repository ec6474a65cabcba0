// The persistent picture: a top-down 32-bpp DIB section selected into a memory DC.
// Every render pass draws into it, the window shows it, the exports read it.
#pragma once

#include <optional>

#include "magnifier/picture.h"
#include "win32/raii.h"

namespace vitrelo::win32 {

// The header of a 32-bpp top-down bitmap: rows top first, as images and the picture
// hold them.
BITMAPINFO top_down_bitmap(Size size);

class Picture {
public:
    // A new size keeps the pixels that still fit in place and makes the new area
    // white. False (the old picture kept) when GDI refuses.
    bool resize(Size size);
    HDC dc() const { return dc_.get(); }
    Size size() const { return size_; }
    // The bits, once GDI has finished drawing into them.
    PixelView pixels() const;

private:
    Dc dc_;
    Bitmap bitmap_;
    std::optional<Selected> selection_;  // declared last: put back before the bitmap goes
    void* bits_ = nullptr;
    Size size_;
};

}  // namespace vitrelo::win32
