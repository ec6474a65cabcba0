// JPEG files through the system's GDI+, its flat API looked up by name, so that the
// program starts and saves BMP files where GDI+ is missing.
#pragma once

#include <string>

#include "magnifier/picture.h"
#include "win32/windows_headers.h"

namespace vitrelo::win32 {

// GDI+'s EncoderParameter and EncoderParameters (with room for one entry), laid out
// as the flat API reads them.
struct EncoderParameter {
    GUID guid;
    ULONG count;
    ULONG type;
    void* value;
};
struct EncoderParameters {
    UINT count;
    EncoderParameter parameter[1];
};

// The parameters of a save: the quality alone, as a Long. Not copyable: the entry
// points at the value this object holds.
class JpegParameters {
public:
    explicit JpegParameters(int quality);
    JpegParameters(const JpegParameters&) = delete;
    JpegParameters& operator=(const JpegParameters&) = delete;
    const EncoderParameters& block() const { return block_; }

private:
    ULONG quality_;
    EncoderParameters block_;
};

// GDI+ can be loaded and turns a GDI bitmap into one of its own.
bool gdiplus_available();

// Writes the image at `path` (any existing file there is overwritten); false when
// GDI+ is missing or any of its calls fails.
bool save_jpeg(const Image& image, const std::wstring& path, int quality);

}  // namespace vitrelo::win32
