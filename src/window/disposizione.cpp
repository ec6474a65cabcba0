// The layout of the window's elements as a function of the client area.
#include "window/geometria.h"

namespace geometria {

namespace {
// One pixel beyond the strip's top or left edge: the icons' and swatch's border
// then falls outside the strip and their content sits flush with its edges.
constexpr int OLTRE_BORDO = -1;
constexpr int MARGINE_ICONA = 2;   // between imgWorkIcon and the strip's right end
constexpr int RIENTRO_TESTO = 16;  // added to imgClose's width for lblInfo's left
}  // namespace

Disposizione disponi(int client_larghezza, int client_altezza, const Misure& m) {
    Disposizione d;
    d.picZoomed = {0, 0, client_larghezza, client_altezza};
    // The strip lies along the bottom of the picture and spans the client width.
    d.picLabel = {0, d.picZoomed.height - m.altezza_striscia, client_larghezza, m.altezza_striscia};
    d.lblBackColor = {m.larghezza_chiudi, OLTRE_BORDO, 0, m.altezza_striscia};
    d.imgClose = {OLTRE_BORDO, OLTRE_BORDO, 0, 0};
    d.imgWorkIcon = {d.picLabel.width - m.larghezza_icona - MARGINE_ICONA, OLTRE_BORDO, 0, 0};
    // The text reaches past the strip's right end; the tool icon lies over it.
    d.lblInfo = {m.larghezza_chiudi + RIENTRO_TESTO, 0, d.picLabel.width, 0};
    d.piclock = {0, 0, 0, 0};
    return d;
}

}  // namespace geometria
