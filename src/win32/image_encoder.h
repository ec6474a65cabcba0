// JPEG and PNG files through the system's GDI+, its flat API bound at run time, so that
// the program starts and saves BMP files where GDI+ is missing.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "app/ports.h"
#include "magnifier/picture.h"
#include "win32/windows_headers.h"

#include <gdiplus.h>  // needs <windows.h> and <objbase.h> first

namespace vitrelo::win32 {

// The quality JPEG files are written at, from 0 to 100.
constexpr int kJpegQuality = 80;

// The parameters of a save: the quality alone, as a Long. Not copyable: the entry
// points at the value this object holds.
class JpegParameters {
public:
    explicit JpegParameters(int quality);
    JpegParameters(const JpegParameters&) = delete;
    JpegParameters& operator=(const JpegParameters&) = delete;
    const Gdiplus::EncoderParameters& block() const { return block_; }

private:
    ULONG quality_;
    Gdiplus::EncoderParameters block_;
};

// GDI+ can be loaded and turns a GDI bitmap into one of its own.
bool gdiplus_available();

// The image as the bytes of a file of `format` (JPEG at kJpegQuality; PNG of 24 bits a
// pixel, lossless); none when GDI+ is missing or any of its calls fails. Encoded in
// memory: the file is written like every other (Win32Storage), whatever the length of
// its path.
std::optional<std::vector<uint8_t>> encode_image(const Image& image, ImageFormat format);

}  // namespace vitrelo::win32
