#include "win32/screen.h"

#include "magnifier/capture.h"

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

// The monitor's whole area (the bars cover the taskbar too, as on one screen); the
// primary screen when the system cannot tell.
Rect monitor_rect(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT& r = info.rcMonitor;
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

Win32Screen::Win32Screen(Picture& picture)
    : picture_(picture), screen_(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)) {}

void Win32Screen::screens_changed() {
    last_monitor_.reset();
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

Rect Win32Screen::monitor_of(const Rect& r) {
    const RECT area{r.left, r.top, r.right(), r.bottom()};
    if (r.width != 1 || r.height != 1)
        return monitor_rect(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
    // A point is asked on every pass, while the pointer stays on one monitor for many:
    // the system is asked again only once it leaves the monitor found last.
    const Point p{r.left, r.top};
    if (last_monitor_ && last_monitor_->contains(p)) return *last_monitor_;
    const Rect m = monitor_rect(MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST));
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
