#include "win32/image_encoder.h"

#include <cstring>

#include "win32/libraries.h"
#include "win32/raii.h"
#include "win32/window_picture.h"

namespace vitrelo::win32 {

namespace {

namespace flat = Gdiplus::DllExports;

// GDI+'s built-in JPEG and PNG encoders and the JPEG's quality parameter
// (EncoderQuality, whose definition would bring in the import library).
constexpr CLSID kJpegEncoder = {
    0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr CLSID kPngEncoder = {
    0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID kQualityParameter = {
    0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};

// The functions a save needs: only their types come from the header, so that the
// import library stays out and the program starts where GDI+ is missing.
using Startup = decltype(&Gdiplus::GdiplusStartup);
using Shutdown = decltype(&Gdiplus::GdiplusShutdown);
using FromHbitmap = decltype(&flat::GdipCreateBitmapFromHBITMAP);
using SaveToStream = decltype(&flat::GdipSaveImageToStream);
using Dispose = decltype(&flat::GdipDisposeImage);

// The library with those functions; each null when missing.
struct Library {
    Module module = load_system_library(L"gdiplus.dll");
    Startup startup = library_function<Startup>(module.get(), "GdiplusStartup");
    Shutdown shutdown = library_function<Shutdown>(module.get(), "GdiplusShutdown");
    FromHbitmap from_hbitmap =
        library_function<FromHbitmap>(module.get(), "GdipCreateBitmapFromHBITMAP");
    SaveToStream save = library_function<SaveToStream>(module.get(), "GdipSaveImageToStream");
    Dispose dispose = library_function<Dispose>(module.get(), "GdipDisposeImage");
    bool complete() const { return startup && shutdown && from_hbitmap && save && dispose; }
};

// GdiplusStartup .. GdiplusShutdown, the shutdown on every way out.
class Session {
public:
    explicit Session(const Library& g) : g_(g) {
        const Gdiplus::GdiplusStartupInput input;
        started_ = g_.startup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~Session() {
        if (started_) g_.shutdown(token_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    explicit operator bool() const { return started_; }

private:
    const Library& g_;
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// A GDI+ bitmap, disposed of before the session ends.
class GdiplusBitmap {
public:
    GdiplusBitmap(const Library& g, HBITMAP source) : g_(g) {
        if (g_.from_hbitmap(source, nullptr, &bitmap_) != Gdiplus::Ok) bitmap_ = nullptr;
    }
    ~GdiplusBitmap() {
        if (bitmap_) g_.dispose(bitmap_);
    }
    GdiplusBitmap(const GdiplusBitmap&) = delete;
    GdiplusBitmap& operator=(const GdiplusBitmap&) = delete;
    Gdiplus::GpBitmap* get() const { return bitmap_; }

private:
    const Library& g_;
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};

// A 24-bit top-down DIB section with the image's pixels. GDI+ keeps the DIB's pixel
// format, and its PNG encoder writes the format it is given: 24 bits, no alpha channel.
Bitmap dib_section_of(const Image& image) {
    const size_t width = static_cast<size_t>(image.width);
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != width * static_cast<size_t>(image.height))
        return Bitmap();
    BITMAPINFO info = top_down_bitmap({image.width, image.height});
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return Bitmap();
    const size_t stride = (width * 3 + 3) / 4 * 4;  // rows padded to 4 bytes
    for (size_t y = 0; y < static_cast<size_t>(image.height); ++y) {
        uint8_t* row = static_cast<uint8_t*>(bits) + y * stride;
        for (size_t x = 0; x < width; ++x) {
            const uint32_t p = image.pixels[y * width + x];  // 0x00RRGGBB: B, G, R in memory
            row[3 * x] = static_cast<uint8_t>(p);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p >> 16);
        }
    }
    return dib;
}

// What was written into a stream over memory.
std::optional<std::vector<uint8_t>> contents_of(IStream* stream) {
    STATSTG stat = {};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) ||
        FAILED(GetHGlobalFromStream(stream, &memory)) || stat.cbSize.QuadPart > 0x7FFFFFFF ||
        GlobalSize(memory) < stat.cbSize.QuadPart)
        return std::nullopt;
    const auto* data = static_cast<const uint8_t*>(GlobalLock(memory));
    if (!data) return std::nullopt;
    std::vector<uint8_t> bytes(data, data + static_cast<size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
    return bytes;
}

}  // namespace

JpegParameters::JpegParameters(int quality) : quality_(static_cast<ULONG>(quality)), block_{} {
    block_.Count = 1;
    block_.Parameter[0] = {kQualityParameter, 1, Gdiplus::EncoderParameterValueTypeLong, &quality_};
}

bool gdiplus_available() {
    const Module library = load_system_library(L"gdiplus.dll");
    return library && GetProcAddress(library.get(), "GdipCreateBitmapFromHBITMAP") != nullptr;
}

std::optional<std::vector<uint8_t>> encode_image(const Image& image, ImageFormat format) {
    const Library g;
    if (!g.complete()) return std::nullopt;
    const Bitmap dib = dib_section_of(image);
    if (!dib) return std::nullopt;
    const Session session(g);
    if (!session) return std::nullopt;
    const GdiplusBitmap picture(g, dib.get());
    IStream* stream = nullptr;
    if (!picture.get() || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)))
        return std::nullopt;
    const Stream owned(stream);
    const JpegParameters parameters(kJpegQuality);
    const bool jpeg = format == ImageFormat::Jpeg;
    if (g.save(picture.get(), stream, jpeg ? &kJpegEncoder : &kPngEncoder,
               jpeg ? &parameters.block() : nullptr) != Gdiplus::Ok)
        return std::nullopt;
    return contents_of(stream);
}

}  // namespace vitrelo::win32
