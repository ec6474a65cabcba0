// The fake platform's commands side: the popup menu with a simulated user, the
// tray icon, the window drag, profile (INI) files kept in memory with the layout
// rules of the Win32 profile API, the help and the about box.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/tipi.h"
#include "platform/platform.h"

struct FrmZoomAbout;

namespace fake {

struct AperturaPopup {
    std::vector<plat::VocePopup> voci;
    bool dal_tray = false;
    bool timer_abilitato = false;   // the timer's state while the menu was open
};

struct ChiamataGuida {
    plat::Handle finestra = 0;
    std::string file;
    uint32_t comando = 0;
    uintptr_t dati = 0;
};

struct StatoComandi {
    // popup: every opening, and the simulated user's next choices as caption
    // paths ({"Zoom", "  6 x"}); an empty path or none left dismisses the menu.
    std::vector<AperturaPopup> popup;
    std::vector<std::vector<std::string>> scelte;
    std::function<void()> durante_popup;   // runs while the menu is "open"

    // tray
    std::vector<std::pair<uint32_t, plat::DatiNotifica>> notifiche;
    bool icona_presente = false;
    bool aggiunta_fallisce = false;        // NIM_ADD fails (no shell tray)

    // drag: the system move loop moves the window by this much
    Punto spostamento;
    int trascinamenti = 0;
    bool timer_durante_trascinamento = false;
    int cursore_durante_trascinamento = 0;

    // profile files: path exactly as given -> bytes
    std::map<std::string, std::string> profili;
    std::set<std::string> sola_lettura;    // writes to these paths fail

    // help
    std::vector<ChiamataGuida> guide;
    plat::Handle risultato_guida = 0x99;

    // about box: what the simulated user does once it is loaded (default: OK)
    std::function<void(FrmZoomAbout&)> utente_about;
    int about_mostrati = 0, about_chiusure = 0;
    bool about_aperto = false, about_in_primo_piano = false;
    bool timer_durante_about = false;
    std::vector<std::string> testi_about;  // version, credit lines, as loaded

    int versione[3] = {3, 0, 0};
};

StatoComandi& comandi();
void reset_comandi();

// The item at a caption path in a popup tree, or nullptr.
const plat::VocePopup* trova_voce(const std::vector<plat::VocePopup>& voci,
                                  const std::vector<std::string>& percorso);

}  // namespace fake
