#include "win32/screen.h"

#include <cmath>

#include "magnifier/capture.h"
#include "magnifier/measures.h"
#include "win32/libraries.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

int virtual_key(Key key) {
    switch (key) {
        case Key::Ctrl:
            return VK_CONTROL;
        case Key::Space:
            return VK_SPACE;
        case Key::Zero:
            return '0';
        case Key::NumpadZero:
            return VK_NUMPAD0;
    }
    return 0;
}

}  // namespace

Win32Screen::Win32Screen(Picture& picture)
    : picture_(picture),
      screen_(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)),
      shcore_(load_system_library(L"shcore.dll")),
      dpi_for_monitor_(library_function<DpiForMonitor>(shcore_.get(), "GetDpiForMonitor")) {}

// The whole area (the bars cover the taskbar too, as on one screen).
Monitor Win32Screen::monitor(HMONITOR handle) {
    Monitor m;
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    if (!handle || !GetMonitorInfoW(handle, &info)) {
        m.width = GetSystemMetrics(SM_CXSCREEN), m.height = GetSystemMetrics(SM_CYSCREEN);
        return m;
    }
    const RECT& r = info.rcMonitor;
    m.left = r.left, m.top = r.top, m.width = r.right - r.left, m.height = r.bottom - r.top;
    m.name = utf8(info.szDevice);
    // The effective DPI, the one the system scales this monitor by; before Windows 8.1
    // every monitor has the system's.
    UINT x = 0, y = 0;
    if (dpi_for_monitor_ &&
        SUCCEEDED(dpi_for_monitor_(handle, 0 /* MDT_EFFECTIVE_DPI */, &x, &y)) && x > 0)
        m.dpi = static_cast<int>(x);
    else if (screen_ && GetDeviceCaps(screen_.get(), LOGPIXELSX) > 0)
        m.dpi = GetDeviceCaps(screen_.get(), LOGPIXELSX);
    m.ppi = reported_ppi(info.szDevice);
    return m;
}

// The physical width a monitor reports (its EDID's, as the system gives it through a DC
// of the device), against its width in pixels; 0 when it reports none. Display drivers
// that give the system no size (the usual case since Windows Vista) get one worked out
// from the logical DPI: that is no measure of the screen, and counts as none.
double Win32Screen::reported_ppi(const wchar_t* device) {
    for (const auto& [name, ppi] : reported_ppi_)
        if (name == device) return ppi;
    const Dc dc(CreateDCW(L"DISPLAY", device, nullptr, nullptr));
    const int millimetres = dc ? GetDeviceCaps(dc.get(), HORZSIZE) : 0;
    const int pixels = dc ? GetDeviceCaps(dc.get(), HORZRES) : 0;
    const int logical = dc ? GetDeviceCaps(dc.get(), LOGPIXELSX) : 0;
    double ppi = millimetres > 0 ? pixels * kMillimetresPerInch / millimetres : 0;
    if (std::abs(ppi - logical) <= 0.01 * logical) ppi = 0;
    reported_ppi_.emplace_back(device, ppi);
    return ppi;
}

void Win32Screen::screens_changed() {
    last_monitor_.reset();
    reported_ppi_.clear();
    // One made before the change covers the desktop as it was: a monitor plugged in
    // left of the primary one would stay out of it.
    screen_ = Dc(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
}

std::optional<Point> Win32Screen::pointer() {
    POINT p;
    if (!GetCursorPos(&p)) return std::nullopt;
    return Point{p.x, p.y};
}

bool Win32Screen::key_held(Key key) {
    return (GetAsyncKeyState(virtual_key(key)) & 0x8000) != 0;
}

bool Win32Screen::key_pressed(Key key) {
    // The system keeps the press for us: the low bit says "pressed since the last
    // call", the high bit "down now". Under Wine the low bit is never set for the
    // generic Ctrl, Shift and Alt keys, which are therefore only ever asked whether
    // they are held.
    return GetAsyncKeyState(virtual_key(key)) != 0;
}

Monitor Win32Screen::monitor_of(const Rect& r) {
    const RECT area{r.left, r.top, r.right(), r.bottom()};
    if (r.width != 1 || r.height != 1)
        return monitor(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
    // A point is asked on every pass, while the pointer stays on one monitor for many:
    // the system is asked again only once it leaves the monitor found last.
    const Point p{r.left, r.top};
    if (last_monitor_ && last_monitor_->contains(p)) return *last_monitor_;
    Monitor m = monitor(MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST));
    last_monitor_ = m.contains(p) ? std::optional(m) : std::nullopt;  // off every monitor: not kept
    return m;
}

std::optional<Color> Win32Screen::pixel(Point p) {
    if (!screen_) return std::nullopt;
    const COLORREF c = GetPixel(screen_.get(), p.x, p.y);
    if (c == CLR_INVALID) return std::nullopt;
    return static_cast<Color>(c);
}

void Win32Screen::capture(const Capture& capture, bool invert) {
    if (!screen_ || !picture_.dc()) return;
    const Rect& s = capture.source;
    StretchBlt(picture_.dc(), 0, 0, capture.destination.width, capture.destination.height,
               screen_.get(), s.left, s.top, s.width, s.height, invert ? SRCINVERT : SRCCOPY);
}

void Win32Screen::move_pointer(Point p) {
    // In the same pixels as GetCursorPos: the program is aware of each monitor's DPI.
    SetCursorPos(p.x, p.y);
}

void Win32Screen::draw_pointer(double zoom, Point shift) {
    if (!picture_.dc()) return;
    HCURSOR cursor = GetCursor();
    CURSORINFO info = {};
    info.cbSize = sizeof(info);
    if (GetCursorInfo(&info)) cursor = info.hCursor;
    ICONINFO icon = {};
    if (!cursor || !GetIconInfo(cursor, &icon)) return;
    const Bitmap mask(icon.hbmMask);  // both bitmaps are ours to delete
    const Bitmap color(icon.hbmColor);
    const Point hotspot{static_cast<int32_t>(icon.xHotspot), static_cast<int32_t>(icon.yHotspot)};
    const Point origin = pointer_origin(picture_.size(), zoom, shift, hotspot);
    // The pointer's own size: 32 pixels at 96 dpi, larger on a monitor of higher DPI.
    BITMAP bits = {};
    const bool sized = GetObjectW(mask.get(), sizeof(bits), &bits) && bits.bmWidth > 0;
    const int side = round_even((sized ? bits.bmWidth : 32) * zoom);
    DrawIconEx(picture_.dc(), origin.x, origin.y, cursor, side, side, 0, nullptr, DI_NORMAL);
}

}  // namespace vitrelo::win32
