// The fake platform: a simulated screen, window, picture and GDI for the native
// tests. It records what the logic asked for and counts live GDI objects, so a
// test can check both the outcome and that a pass leaks nothing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/tipi.h"
#include "platform/platform.h"

namespace fake {

// A pixel buffer of GDI colours 0x00BBGGRR, row by row from the top.
struct Immagine {
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    Immagine() = default;
    Immagine(int w_, int h_, uint32_t colore = 0) : w(w_), h(h_), px(size_t(w_) * h_, colore) {}
    bool dentro(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
    void set(int x, int y, uint32_t c) {
        if (dentro(x, y)) px[size_t(y) * w + x] = c;
    }
};

struct StatoElemento {
    plat::Rettangolo r;
    bool visibile = true, abilitato = true;
    std::string testo, tooltip;
    Colore colore = BIANCO;
    int icona = 0, cursore = 0;
};

struct Tasto {
    bool giu = false;
    bool premuto_da_ultima = false;  // the "pressed since the last query" bit
};

struct Stato {
    // screen and input
    Immagine schermo;
    int dpi = 96;
    Punto cursore;
    std::map<int, Tasto> tasti;
    plat::Handle cursore_corrente = 0x500;  // the arrow
    Punto hotspot_cursore;                  // of cursore_corrente

    // main window: outer rectangle in pixels; the frame takes bordo pixels each side
    plat::Rettangolo finestra{0, 0, 300, 255};
    int bordo = 0;
    bool visibile = false, abilitata = true, primo_piano = false;
    std::vector<std::string> eventi;  // ordered log: "mostra", "nascondi", "abilita", "timer 1 100"...

    // picture (persistent bitmap of picZoomed) and elements
    Immagine picture;
    std::array<StatoElemento, size_t(plat::Elem::count)> elementi;

    // timer
    bool timer_abilitato = false;
    int timer_intervallo = 125;

    // what was asked
    std::vector<int> suoni;
    std::vector<std::string> messaggi;
    int pompe = 0;              // elabora_messaggi calls
    bool input_pendente = false;
    unsigned dormito_ms = 0;
    bool altra_istanza = false;
    bool terminato = false;
    std::string cartella = "C:\\Programmi\\Vitrelo";
    std::string temp = "C:\\Temp\\";
    std::map<std::string, uint32_t> file_system;  // path -> attributes (0x10 = folder)
    uint32_t versione_maggiore = 6;

    // GDI bookkeeping
    int oggetti_vivi = 0;       // DCs, bitmaps, brushes created and not yet deleted
    int stretch_chiamate = 0;
    std::vector<std::string> disegni_icona;  // "x,y,w,h"
    bool stretch_fallisce = false;
};

Stato& stato();

// Resets everything: a screen of w x h pixels filled with a deterministic pattern,
// and a fresh frmZoom (all variables zero, elements at their design state).
void reset(int larghezza = 1024, int altezza = 768);

// Keyboard: hold, release, tap (down and up, leaving the pressed-since bit set).
void premi(int vk);
void rilascia(int vk);
void batti(int vk);

// Fills the screen with a pattern whose every pixel differs from its neighbours.
uint32_t colore_schema(int x, int y);

// The picture as the logic sees it through picture_dc().
Immagine& picture();

}  // namespace fake
