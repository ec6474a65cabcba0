// Temporary placeholders so the program links while the geometry is written.
// Each definition leaves this file when its real one lands.
#include "core/frmzoom.h"

void FrmZoom::Form_Resize() {
    picZoomed.Move(0, 0, ScaleWidth(), ScaleHeight());
    picLabel.Move(0, picZoomed.Height - picLabel.Height, ScaleWidth(), picLabel.Height);
    piclock.Move(0, 0, piclock.Width, piclock.Height);
    cursore_fuori = true;
    aggiorna_zoom();
}
void FrmZoom::mnuD_Click(int16_t) {
    setWidth(ScreenWidth() / 4);
    setHeight(ScreenHeight() / 4);
}
void FrmZoom::limita_allo_schermo() {}
void FrmZoom::aggiorna_menu_dimensione() {}
void FrmZoom::mostra_logo() { setEnabled(false); }
void FrmZoom::avvio_dissolvenza() {
    plat::finestra_mostra(true);

    picLogo.setVisible(false);
    plat::picture_pulisci();
    tmrTimer.setEnabled(true);
    setEnabled(true);
}
