// Pixel work from the keyboard and the wheel: stepping the pointer, stepping the zoom,
// and the colour as text for other programs.
#pragma once

#include <optional>
#include <string>

#include "magnifier/geometry.h"

namespace vitrelo {

enum class Direction { Left, Right, Up, Down };

// Where one press of an arrow key takes the pointer. A step is one pixel of what the
// pointer is over: one screen pixel live, one pixel of the frozen picture's source (the
// zoom in screen pixels, rounded, never less than one) over a frozen picture. `ten` (Shift)
// takes ten steps. Not kept on any screen: the caller knows the monitors.
Point step_pointer(Point from, Direction direction, bool ten, double picture_zoom,
                   bool over_frozen_picture);

// The point of `monitor` nearest to `p`.
Point kept_on(const Rect& monitor, Point p);

// The pixel of a picture of `picture` pixels shown in `window` (screen pixels) that lies
// under the screen point `p`; none off the picture. The window's frame is as wide on every
// side: it has no caption and no menu bar.
std::optional<Point> picture_point(const Rect& window, Size picture, Point p);

// Turns wheel deltas into whole notches (120 a notch). High-resolution wheels report
// fractions of a notch: they add up within one turn, and what is left over waits for
// the next delta of it. A turn the other way, or one after a pause, starts afresh.
class WheelNotches {
public:
    // The whole notches this delta, come at `time_ms` (milliseconds that wrap around),
    // completes: positive away from the user.
    int add(int delta, uint32_t time_ms);

private:
    int rest_ = 0;
    uint32_t last_ms_ = 0;
};

// The zoom item `notches` steps from `index` in the zoom table, held at its ends.
int stepped_zoom_index(int index, int notches);

// "#RRGGBB", upper-case hexadecimal, as design and web tools paste it.
std::string color_hex_text(Color c);
// "RGB(r,g,b)" in decimal: the readout's form without its leading blank.
std::string color_rgb_text(Color c);

}  // namespace vitrelo
