// Owners of Win32 handles: each closes its handle the way that kind must be closed.
// Movable, not copyable. A comment marks every place that hands a handle to the
// system for good (release()).
#pragma once

#include "win32/windows_headers.h"

#include <utility>

namespace vitrelo::win32 {

template <typename H, typename Traits>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, Traits::none())) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, Traits::none()));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::none(); }
    void reset(H h = Traits::none()) {
        if (h_ != Traits::none()) Traits::close(h_);
        h_ = h;
    }
    // The caller (or the system) owns it from now on.
    H release() { return std::exchange(h_, Traits::none()); }

private:
    H h_ = Traits::none();
};

struct GdiObjectTraits {
    static HGDIOBJ none() { return nullptr; }
    static void close(HGDIOBJ h) { DeleteObject(h); }
};
struct DcTraits {  // a DC from CreateDC / CreateCompatibleDC
    static HDC none() { return nullptr; }
    static void close(HDC h) { DeleteDC(h); }
};
struct KeyTraits {
    static HKEY none() { return nullptr; }
    static void close(HKEY h) { RegCloseKey(h); }
};
struct ModuleTraits {
    static HMODULE none() { return nullptr; }
    static void close(HMODULE h) { FreeLibrary(h); }
};
struct FileTraits {
    static HANDLE none() { return INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct HandleTraits {  // mutexes, events, processes: NULL means none
    static HANDLE none() { return nullptr; }
    static void close(HANDLE h) { CloseHandle(h); }
};
struct MenuTraits {
    static HMENU none() { return nullptr; }
    static void close(HMENU h) { DestroyMenu(h); }
};
struct StreamTraits {  // a COM stream: released, not closed
    static IStream* none() { return nullptr; }
    static void close(IStream* s) { s->Release(); }
};
struct GlobalMemoryTraits {  // GlobalAlloc's, for the clipboard
    static HGLOBAL none() { return nullptr; }
    static void close(HGLOBAL h) { GlobalFree(h); }
};
struct IconTraits {  // icons made by CreateIconIndirect / CopyIcon, not shared ones
    static HICON none() { return nullptr; }
    static void close(HICON h) { DestroyIcon(h); }
};

template <typename T>
class GdiObject : public Owned<HGDIOBJ, GdiObjectTraits> {
public:
    using Owned::Owned;
    T get() const { return static_cast<T>(Owned::get()); }
};
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using Dc = Owned<HDC, DcTraits>;
using RegistryKey = Owned<HKEY, KeyTraits>;
using Module = Owned<HMODULE, ModuleTraits>;
using File = Owned<HANDLE, FileTraits>;
using Handle = Owned<HANDLE, HandleTraits>;
using Menu = Owned<HMENU, MenuTraits>;
using Icon = Owned<HICON, IconTraits>;
using GlobalMemory = Owned<HGLOBAL, GlobalMemoryTraits>;
using Stream = Owned<IStream*, StreamTraits>;

// A DC borrowed with GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND w) : w_(w), dc_(GetDC(w)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(w_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND w_;
    HDC dc_;
};

// BeginPaint .. EndPaint, the end on every way out: an update region left invalid would
// bring WM_PAINT back at once, again and again.
class Painting {
public:
    explicit Painting(HWND w) : w_(w), dc_(BeginPaint(w, &ps_)) {}
    ~Painting() { EndPaint(w_, &ps_); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    HDC dc() const { return dc_; }
    const RECT& area() const { return ps_.rcPaint; }  // what needs painting

private:
    HWND w_;
    PAINTSTRUCT ps_ = {};
    HDC dc_;
};

// SelectObject that puts the previous object back when it goes out of scope, so
// that what was selected can then be deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~Selected() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace vitrelo::win32
