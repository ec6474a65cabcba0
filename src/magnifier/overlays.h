// What the render pass draws over the captured picture, in memory.
#pragma once

#include "magnifier/geometry.h"
#include "magnifier/picture.h"

namespace vitrelo {

// The pixel grid: one-pixel lines at every multiple of `step` (0 included) across
// the picture, in a checkerboard of mid and light grey anchored at the picture's
// top-left corner. step < 1 draws nothing.
void draw_grid(PixelView picture, int step);

// The measuring rectangle from the press point to the current point, as shown.
Rect measure_rect(Point start, Point current);

}  // namespace vitrelo
