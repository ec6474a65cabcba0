// The Screen port: the pointer, the keys, and the screen stretched into the picture.
#pragma once

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
    Rect monitor_of(const Rect& r) override;
    std::optional<Color> pixel(Point p) override;
    void capture(const Capture& capture, bool invert) override;
    void draw_pointer(double zoom, Point shift) override;
    void move_pointer(Point p) override;
    // The monitors changed: nothing remembered of them holds.
    void screens_changed();

private:
    Picture& picture_;
    std::optional<Rect> last_monitor_;  // the monitor found last for a point
    // Kept from one change of the monitors to the next: GetDC(NULL) on every pass costs
    // a round trip to the window server under Wine; this DC is the same surface, the
    // whole desktop across every monitor, in the same coordinates as the pointer.
    Dc screen_;
};

}  // namespace vitrelo::win32
