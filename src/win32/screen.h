// The Screen port: the pointer, the keys, and the screen stretched into the picture.
#pragma once

#include <utility>
#include <vector>

#include "app/ports.h"
#include "win32/raii.h"
#include "win32/window_picture.h"

namespace vitrelo::win32 {

class Win32Screen final : public Screen {
public:
    explicit Win32Screen(Picture& picture);
    std::optional<Point> pointer() override;
    bool key_held(Key key) override;
    bool key_pressed(Key key) override;
    Monitor monitor_of(const Rect& r) override;
    std::optional<Color> pixel(Point p) override;
    void capture(const Capture& capture, bool invert) override;
    void draw_pointer(double zoom, Point shift) override;
    void move_pointer(Point p) override;
    // The monitors changed: nothing remembered of them holds.
    void screens_changed();

private:
    Picture& picture_;
    // The monitor's area, name, DPI and reported pixels per inch; the primary screen
    // when the system cannot tell.
    Monitor monitor(HMONITOR handle);
    double reported_ppi(const wchar_t* device);

    std::optional<Monitor> last_monitor_;  // the monitor found last for a point
    // The pixels per inch each monitor's physical size gives, by device name: a DC of
    // the device is made once for each.
    std::vector<std::pair<std::wstring, double>> reported_ppi_;
    // Kept from one change of the monitors to the next: GetDC(NULL) on every pass costs
    // a round trip to the window server under Wine; this DC is the same surface, the
    // whole desktop across every monitor, in the same coordinates as the pointer.
    Dc screen_;
    Module shcore_;  // GetDpiForMonitor, Windows 8.1 on
    using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    DpiForMonitor dpi_for_monitor_;  // null before it
};

}  // namespace vitrelo::win32
