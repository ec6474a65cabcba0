// Which screen rectangle one render pass stretches into the picture.
#pragma once

#include <cstdint>

#include "magnifier/geometry.h"

namespace vitrelo {

struct Capture {
    Rect source;       // on the screen, inside `screen` whenever it fits
    Size destination;  // in the picture, from its top-left corner; may exceed the picture
                       // by part of one magnified pixel (drawn clipped)
    Point shift;       // how far the source was pushed back onto the screen (screen pixels,
                       // negative when pushed right/down); the drawn pointer follows it
};

// A picture of `picture` pixels at `zoom` around `pointer`, clamped to `screen`.
// zoom must be positive.
Capture capture_for(Size picture, double zoom, Point pointer, const Rect& screen);

// A distance measured on the magnified picture, back in screen pixels.
int32_t distance_on_zoom(int32_t distance, double zoom);

// Where the drawn pointer's top-left goes in the picture: the pointer sits at the
// picture's centre, moved by the capture's shift, minus its magnified hot spot.
Point pointer_origin(Size picture, double zoom, Point shift, Point hotspot);

// True when `p` lies over the window `window` (its first row and column count as
// outside, the row and column just past its far edges as inside).
bool over_window(const Rect& window, Point p);

}  // namespace vitrelo
