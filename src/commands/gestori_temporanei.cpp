// Temporary placeholders so the program links while the commands are written.
// Each definition leaves this file when its real one lands.
#include "core/frmzoom.h"

void FrmZoom::mnuZ_Click(int16_t Index) {
    static const float fattori[] = {0.5f, 1, 2, 3, 4, 6, 8, 10, 12};
    if (Index < 0 || Index > 8) Index = 2;
    fattore_zoom = fattori[Index];
    cursore_fuori = false;
    aggiorna_zoom();
}
void FrmZoom::mnuR_Click(int16_t Index) {
    static const int periodi[] = {10, 50, 100, 250, 500};
    if (Index < 0 || Index > 4) Index = 2;
    tmrTimer.setInterval(periodi[Index]);
}
void FrmZoom::leggi_impostazioni() {
    mnuZ_Click(2);
    mnuR_Click(2);
    mnuD_Click(1);
}
void FrmZoom::salva_impostazioni() {}
void FrmZoom::mnuInverti_Click() {}
void FrmZoom::mnuGriglia_Click() {}
void FrmZoom::mnuColor_Click() {}
void FrmZoom::mnuDimensioni_Click() {}
void FrmZoom::mnuM_Click() {}
void FrmZoom::mnuH_Click(int16_t) {}
void FrmZoom::mnuC_Click() { plat::termina_programma(); }
void FrmZoom::mnuCattura_Click() {}
void FrmZoom::picZoomed_MouseDown(int16_t, int16_t, float, float) {}
void FrmZoom::picZoomed_MouseMove(int16_t, int16_t, float, float) {}
void FrmZoom::picZoomed_MouseUp(int16_t, int16_t, float, float) {}
void FrmZoom::picZoomed_DblClick() {}
void FrmZoom::piclock_Click() {}
void FrmZoom::imgClose_Click() {}
void FrmZoom::minimizza_ripristina() {}
void FrmZoom::Cancella_icona() {}
void FrmZoom::imposta_visibile(bool) {}
void FrmZoom::Form_MouseMove(int16_t, int16_t, float, float) {}
