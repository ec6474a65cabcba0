#include "core/cattura.h"

#include <cmath>
#include <cstdlib>

#include "core/tipi.h"

namespace {

// One axis: origin, size and fit of the destination, then the edge clamp.
void asse(int32_t& dst, float z, int32_t c, int32_t schermo, int32_t& src, int32_t& dim,
          int32_t& scarto) {
    const double zd = z;
    src = c - static_cast<int32_t>(std::floor((dst / 2.0) / zd));
    dim = static_cast<int32_t>(std::floor(dst / zd));
    // srcW whole magnified pixels fill t pixels; when they fall short of the
    // picture, capture the partly visible next column too and draw it clipped.
    const double t = std::floor(zd * dim);
    if (t < dst) {
        dim += 1;
        dst = cint(t + zd);
    }
    scarto = 0;
    if (src < 0) {
        scarto = src;
        src = 0;
    }
    if (src + dim > schermo) {
        scarto = src + dim - schermo;
        src -= scarto;
    }
}

}  // namespace

Cattura calcola_cattura(int32_t W, int32_t H, float z, int32_t cx, int32_t cy, int32_t schermo_w,
                        int32_t schermo_h) {
    Cattura c;
    c.W = W;
    c.H = H;
    asse(c.W, z, cx, schermo_w, c.srcX, c.srcW, c.scarto_x);
    asse(c.H, z, cy, schermo_h, c.srcY, c.srcH, c.scarto_y);
    return c;
}

int32_t distanza_su_zoom(int32_t d, float z) {
    return static_cast<int32_t>(std::floor(std::abs(static_cast<double>(d)) / z + 0.1));
}
