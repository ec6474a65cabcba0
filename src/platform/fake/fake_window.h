// The fake platform's window-geometry side: the main window's extended style and
// layered alpha, the text printed on the picture, and the logo.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fake {

// Text metrics of the fake font: every byte is as wide as the size in points
// (italics one pixel wider), a line is twice the size in points high.
int larghezza_carattere(int punti, bool corsivo);
int altezza_riga(int punti);

struct Stampa {
    int x = 0, y = 0;
    std::string testo;
    std::string carattere;
    int punti = 0;
    bool corsivo = false;
};

// One SetLayeredWindowAttributes call, with the window's state at that moment.
struct PassoAlpha {
    int alpha = 0;
    bool visibile = false, abilitata = false;
    bool logo_visibile = false;
    unsigned dormito_ms = 0;  // stato().dormito_ms
    int pompe = 0;            // stato().pompe
};

struct StatoGeometria {
    int32_t stile_esteso = 0;  // GWL_EXSTYLE of the main window
    int scritture_stile = 0;   // SetWindowLongA calls on GWL_EXSTYLE
    int alpha = -1;            // last layered alpha, -1 = never set
    std::vector<PassoAlpha> passi;
    std::string carattere = "MS Sans Serif";
    int punti = 8;
    bool corsivo = false;
    std::vector<Stampa> stampe;
};

// Each alpha set is also logged to stato().eventi as "alpha N".
StatoGeometria& geometria();
void reset_geometria();

}  // namespace fake
