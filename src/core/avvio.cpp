// Start-up of the main window, its own geometry properties and the message box.
#include "core/frmzoom.h"

bool finestra_visibile = false;
FrmZoom frmZoom;

// ---- the window's position and size, in twips ---------------------------------
// The window really lives in whole screen pixels; twips are pixels times the
// twips-per-pixel factor, so a size read back is always a whole number of pixels.

float FrmZoom::Left() const { return static_cast<float>(plat::finestra_rettangolo().left * twip_x); }
float FrmZoom::Top() const { return static_cast<float>(plat::finestra_rettangolo().top * twip_y); }
float FrmZoom::Width() const { return static_cast<float>(plat::finestra_rettangolo().width * twip_x); }
float FrmZoom::Height() const {
    return static_cast<float>(plat::finestra_rettangolo().height * twip_y);
}

void FrmZoom::setLeft(float twips) {
    plat::finestra_sposta(cint(twips / twip_x), plat::finestra_rettangolo().top);
}
void FrmZoom::setTop(float twips) {
    plat::finestra_sposta(plat::finestra_rettangolo().left, cint(twips / twip_y));
}
void FrmZoom::setWidth(float twips) {
    plat::finestra_dimensiona(cint(twips / twip_x), plat::finestra_rettangolo().height);
}
void FrmZoom::setHeight(float twips) {
    plat::finestra_dimensiona(plat::finestra_rettangolo().width, cint(twips / twip_y));
}
int FrmZoom::ScaleWidth() const { return plat::finestra_client_larghezza(); }
int FrmZoom::ScaleHeight() const { return plat::finestra_client_altezza(); }

void FrmZoom::setEnabled(bool v) {
    Enabled = v;
    plat::finestra_abilita(v);
}

// ---- start-up ---------------------------------------------------------------

void FrmZoom::Form_Initialize() {
    // Common controls are initialised by the platform when it creates the window
    // (InitCommonControls), so the visual-styles manifest applies.
}

void FrmZoom::Form_Load() {
    // 1. One instance per program and user: a second start ends silently.
    if (plat::istanza_precedente()) {
        plat::termina_programma();
        return;
    }
    // 2.
    in_caricamento = true;
    // 3. There is no default help file: help opens only through its command.
    // 4.
    file_ini = percorso_app() + "Vitrelo.ini";
    // 5. and 6. Screen metrics.
    const plat::Metriche m = plat::schermo_metriche();
    twip_x = cint(1440.0 / m.dpi_x);
    twip_y = cint(1440.0 / m.dpi_y);
    // The screen in twips is its pixels times the same factor, so the quotient is
    // the pixel size itself.
    larghezza_schermo = m.larghezza_px;
    altezza_schermo = m.altezza_px;
    // 7.
    piclock.setMousePointer(CUR_MANO);
    imgClose.setMousePointer(CUR_MANO);
    // 8. Options from the settings file, and the first size preset.
    leggi_impostazioni();
    // 9.
    finestra_visibile = true;
    sempre_in_primo_piano(true);
    // 10. and 11.
    mostra_logo();
    avvio_dissolvenza();
    // 12.
    in_caricamento = false;
}

void FrmZoom::mostra_messaggio(const std::string& testo) {
    sempre_in_primo_piano(false);
    plat::messaggio_informazione(testo, "Vitrelo");
    sempre_in_primo_piano(true);
}
