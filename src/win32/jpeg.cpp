#include "win32/jpeg.h"

#include <cstring>

#include "win32/raii.h"

namespace vitrelo::win32 {

namespace {

constexpr GUID kJpegEncoder = {
    0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
constexpr GUID kQualityParameter = {
    0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
constexpr ULONG kValueTypeLong = 4;
constexpr int kOk = 0;  // GDI+'s Status Ok

struct StartupInput {
    UINT32 version;
    void* debug_callback;
    BOOL suppress_background_thread;
    BOOL suppress_external_codecs;
};

// GDI+ functions are stdcall (WINGDIPAPI), which matters on 32-bit.
using Startup = int(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
using Shutdown = void(WINAPI*)(ULONG_PTR);
using FromHbitmap = int(WINAPI*)(HBITMAP, HPALETTE, void**);
using SaveToFile = int(WINAPI*)(void*, const WCHAR*, const CLSID*, const EncoderParameters*);
using Dispose = int(WINAPI*)(void*);

template <typename F>
F function(const Module& library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library.get(), name)));
}

Module load_gdiplus() {
    return Module(LoadLibraryW(L"gdiplus.dll"));
}

// The library with the functions a save needs; each null when missing.
struct Gdiplus {
    Module library = load_gdiplus();
    Startup startup = function<Startup>(library, "GdiplusStartup");
    Shutdown shutdown = function<Shutdown>(library, "GdiplusShutdown");
    FromHbitmap from_hbitmap = function<FromHbitmap>(library, "GdipCreateBitmapFromHBITMAP");
    SaveToFile save = function<SaveToFile>(library, "GdipSaveImageToFile");
    Dispose dispose = function<Dispose>(library, "GdipDisposeImage");
    bool complete() const { return startup && shutdown && from_hbitmap && save && dispose; }
};

// GdiplusStartup .. GdiplusShutdown, the shutdown on every way out.
class Session {
public:
    explicit Session(const Gdiplus& g) : g_(g) {
        const StartupInput input{1, nullptr, FALSE, FALSE};
        started_ = g_.startup(&token_, &input, nullptr) == kOk;
    }
    ~Session() {
        if (started_) g_.shutdown(token_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    explicit operator bool() const { return started_; }

private:
    const Gdiplus& g_;
    ULONG_PTR token_ = 0;
    bool started_ = false;
};

// A GDI+ image, disposed of before the session ends.
class GdiplusImage {
public:
    GdiplusImage(const Gdiplus& g, HBITMAP source) : g_(g) {
        if (g_.from_hbitmap(source, nullptr, &image_) != kOk) image_ = nullptr;
    }
    ~GdiplusImage() {
        if (image_) g_.dispose(image_);
    }
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;
    void* get() const { return image_; }

private:
    const Gdiplus& g_;
    void* image_ = nullptr;
};

// A 32-bit top-down DIB section with the image's pixels: the layout they already have.
Bitmap dib_section_of(const Image& image) {
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) return Bitmap();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (dib && bits) std::memcpy(bits, image.pixels.data(), count * sizeof(uint32_t));
    return bits ? std::move(dib) : Bitmap();
}

}  // namespace

JpegParameters::JpegParameters(int quality) : quality_(static_cast<ULONG>(quality)), block_{} {
    block_.count = 1;
    block_.parameter[0] = {kQualityParameter, 1, kValueTypeLong, &quality_};
}

bool gdiplus_available() {
    const Module library = load_gdiplus();
    return library && GetProcAddress(library.get(), "GdipCreateBitmapFromHBITMAP") != nullptr;
}

bool save_jpeg(const Image& image, const std::wstring& path, int quality) {
    const Gdiplus g;
    if (!g.complete()) return false;
    const Bitmap dib = dib_section_of(image);
    if (!dib) return false;
    const Session session(g);
    if (!session) return false;
    const GdiplusImage picture(g, dib.get());
    if (!picture.get()) return false;
    const JpegParameters parameters(quality);
    return g.save(picture.get(), path.c_str(), &kJpegEncoder, &parameters.block()) == kOk;
}

}  // namespace vitrelo::win32
