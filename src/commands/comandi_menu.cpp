// The option commands of the popup menu: zoom, refresh, inversion, grid, the two
// info-strip modes, minimise, help and close.
#include "commands/about.h"
#include "commands/tray.h"
#include "core/frmzoom.h"

namespace {

const float FATTORI_ZOOM[] = {0.5f, 1, 2, 3, 4, 6, 8, 10, 12};
const int PERIODI_MS[] = {10, 50, 100, 250, 500};
constexpr float ZOOM_MINIMO_GRIGLIA = 6.0f;

// An index past the end comes only from a hand-edited settings file and selects
// item 2. A negative one is treated the same way: it addresses no item, and
// leaving the zoom factor at zero would break every later render pass.
int16_t indice_valido(int16_t indice, const ArrayMenu& voci) {
    if (indice < 0 || indice > static_cast<int>(voci.size()) - 1) return 2;
    return indice;
}

}  // namespace

void FrmZoom::mnuZ_Click(int16_t Index) {
    cursore_fuori = false;
    deseleziona_menu(menubar.mnuZ);
    Index = indice_valido(Index, menubar.mnuZ);
    menubar.mnuZ[Index].Checked = true;
    fattore_zoom = FATTORI_ZOOM[Index];
    // The grid's own check mark stays: it comes back at the next large factor.
    menubar.mnuGriglia.Enabled = fattore_zoom >= ZOOM_MINIMO_GRIGLIA;
    aggiorna_zoom();
}

void FrmZoom::mnuR_Click(int16_t Index) {
    cursore_fuori = false;
    deseleziona_menu(menubar.mnuR);
    Index = indice_valido(Index, menubar.mnuR);
    menubar.mnuR[Index].Checked = true;
    // Only the period changes: a stopped timer (tray, open popup) stays stopped.
    tmrTimer.setInterval(PERIODI_MS[Index]);
}

void FrmZoom::mnuInverti_Click() { menubar.mnuInverti.Checked = !menubar.mnuInverti.Checked; }

void FrmZoom::mnuGriglia_Click() {
    griglia_attiva = !griglia_attiva;
    menubar.mnuGriglia.Checked = griglia_attiva;
}

void FrmZoom::mnuColor_Click() {
    colore_attivo = !colore_attivo;
    picLabel.setVisible(colore_attivo);
    lblBackColor.setVisible(colore_attivo);
    imgWorkIcon.setPicture(ICO_COLORI);
    imgWorkIcon.setVisible(colore_attivo);
    menubar.mnuColor.Checked = colore_attivo;
    menubar.mnuDimensioni.Enabled = !colore_attivo;
    cursore_fuori = true;
    aggiorna_zoom();
}

void FrmZoom::mnuDimensioni_Click() {
    misura_attiva = !misura_attiva;
    menubar.mnuDimensioni.Checked = misura_attiva;
    menubar.mnuColor.Enabled = !misura_attiva;
    picLabel.setVisible(misura_attiva);
    lblBackColor.setVisible(false);
    imgWorkIcon.setPicture(ICO_MISURA);
    imgWorkIcon.setVisible(misura_attiva);
}

void FrmZoom::mnuM_Click() { minimizza_ripristina(); }

void FrmZoom::mnuH_Click(int16_t Index) {
    if (Index == 0) {
        const std::string guida = percorso_app() + "Vitrelo.chm";
        if (!esiste_file(guida)) {
            mostra_messaggio("Impossibile trovare il file della guida: Vitrelo.chm");
            return;
        }
        // Whether the help window opened is not reported: there is nothing to add.
        plat::apri_guida(plat::finestra_handle(), guida, plat::HH_DISPLAY_TOPIC_, 0);
    } else if (Index == 1) {
        tmrTimer.setEnabled(false);
        FrmZoomAbout box;
        plat::about_mostra(box);
        tmrTimer.setEnabled(true);
    }
}

void FrmZoom::mnuC_Click() {
    salva_impostazioni();
    // Closing from the tray menu: remove the icon, or it lingers in the
    // notification area until the pointer passes over it.
    if (!finestra_visibile) {
        dati_icona.cbSize = 88;
        dati_icona.hWnd = plat::finestra_handle();
        dati_icona.uID = 1;
        plat::notifica_icona(plat::NIM_DELETE_, dati_notifica(dati_icona));
    }
    plat::termina_programma();
}
