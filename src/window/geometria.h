// Geometry of the main window: the size limits and the layout of its elements.
#pragma once

#include "platform/platform.h"

namespace geometria {

// The window's smallest outer size, in twips.
constexpr float ALTEZZA_MINIMA = 1600.0f;
constexpr float LARGHEZZA_MINIMA = 2520.0f;

// The fixed sizes the layout reads from the elements, in pixels.
struct Misure {
    int altezza_striscia;  // picLabel's outer height, never changed
    int larghezza_chiudi;  // imgClose's width
    int larghezza_icona;   // imgWorkIcon's width
};

// Where each element goes for a client area of the given size. Only the fields the
// layout sets are meaningful: the others keep the element's own value.
struct Disposizione {
    plat::Rettangolo picZoomed;     // all four
    plat::Rettangolo picLabel;      // left, top, width
    plat::Rettangolo lblBackColor;  // left, top, height
    plat::Rettangolo imgClose;      // left, top
    plat::Rettangolo imgWorkIcon;   // left, top
    plat::Rettangolo lblInfo;       // left, top, width
    plat::Rettangolo piclock;       // left, top
};

Disposizione disponi(int client_larghezza, int client_altezza, const Misure& m);

}  // namespace geometria
