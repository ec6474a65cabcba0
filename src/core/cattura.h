// The capture rectangle of one render pass: pure arithmetic, no platform.
#pragma once

#include <cstdint>

struct Cattura {
    int32_t srcX = 0, srcY = 0, srcW = 0, srcH = 0;  // on the screen
    int32_t W = 0, H = 0;                            // destination in the picture
    int32_t scarto_x = 0, scarto_y = 0;              // push back onto the screen
};

// Picture of W x H pixels, zoom z, pointer (cx, cy), screen of schermo_w x schermo_h.
// z must be positive.
Cattura calcola_cattura(int32_t W, int32_t H, float z, int32_t cx, int32_t cy, int32_t schermo_w,
                        int32_t schermo_h);

// Readout distance: a distance on the magnified picture back in screen pixels.
int32_t distanza_su_zoom(int32_t d, float z);
