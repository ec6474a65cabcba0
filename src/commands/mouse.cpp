// The mouse on the zoom picture: dragging the window, the command menu, the
// eyedropper and the measuring rectangle on a frozen picture; the lock button
// and capture mode.
#include <cmath>

#include "commands/popup.h"
#include "core/frmzoom.h"

namespace {

constexpr int16_t TASTO_SINISTRO = 1;
constexpr int16_t TASTO_DESTRO = 2;

}  // namespace

void FrmZoom::picZoomed_MouseDown(int16_t Button, int16_t, float X, float Y) {
    if (Button == TASTO_SINISTRO) {
        if (misura_attiva && immagine_bloccata) {
            inizio_x = cint16(X);
            inizio_y = cint16(Y);
            shpRect.setWidth(0);
            shpRect.setHeight(0);
            shpRect.setVisible(true);
            plat::GetCursorPos(punto_riferimento);
            return;
        }
        tmrTimer.setEnabled(false);
        picZoomed.setMousePointer(CUR_TRASCINA);
        plat::ReleaseCapture();
        // The system's move loop runs inside this call until the button is released.
        plat::invia_messaggio(plat::finestra_handle(), plat::WM_NCLBUTTONDOWN_, plat::HTCAPTION_, 0);
        picZoomed.setMousePointer(0);
        tmrTimer.setEnabled(true);
        limita_allo_schermo();
    } else if (Button == TASTO_DESTRO) {
        tmrTimer.setEnabled(false);
        apri_menubar(false);
        // After "Minimizza" the window is in the tray, where the timer stays off.
        if (finestra_visibile) tmrTimer.setEnabled(true);
    }
}

void FrmZoom::picZoomed_MouseMove(int16_t Button, int16_t, float X, float Y) {
    if ((immagine_bloccata || blocco_temporaneo) && colore_attivo) {
        if (picZoomed.MousePointer != CUR_CONTAGOCCE) {
            picZoomed.setMousePointer(CUR_CONTAGOCCE);
            lblBackColor.setVisible(true);
        }
        // The colour of the frozen, magnified picture, not of the screen behind it.
        colore_corrente = plat::picture_punto(cint(X), cint(Y));
        mostra_colore(colore_corrente);
    } else if (Button == TASTO_SINISTRO && misura_attiva && immagine_bloccata) {
        const int x = cint(X), y = cint(Y);
        shpRect.Move(x <= inizio_x ? x : inizio_x, y <= inizio_y ? y : inizio_y,
                     std::abs(x - inizio_x), std::abs(y - inizio_y));
    } else if (picZoomed.MousePointer != 0) {
        picZoomed.setMousePointer(0);
    }
}

void FrmZoom::picZoomed_MouseUp(int16_t, int16_t, float, float) { shpRect.setVisible(false); }

void FrmZoom::picZoomed_DblClick() { minimizza_ripristina(); }

void FrmZoom::imgClose_Click() {
    if (colore_attivo)
        mnuColor_Click();
    else if (misura_attiva)
        mnuDimensioni_Click();
}

void FrmZoom::mnuCattura_Click() {
    menubar.mnuCattura.Checked = !menubar.mnuCattura.Checked;
    immagine_bloccata = false;
    if (menubar.mnuCattura.Checked) {
        piclock.setPicture(ICO_APERTO);
        piclock.setVisible(true);
        piclock.setToolTip("Esci da cattura immagne");
    } else {
        piclock.setVisible(false);
    }
}

void FrmZoom::piclock_Click() {
    // Greyed during the Ctrl pause: a click there means nothing.
    if (!piclock.Enabled || !piclock.Visible) return;
    if (immagine_bloccata) {
        piclock.setPicture(ICO_APERTO);
        piclock.setToolTip("Esci da cattura immagne");
        immagine_bloccata = false;
        menubar.mnucopia.Enabled = false;
        // The next tick must see the pointer inside the window, wherever it is,
        // so its first pass blanks the picture instead of capturing at once.
        punto_cursore.x = cint(Left() / twip_x + 10);
        punto_cursore.y = cint(Top() / twip_y + 10);
        // Forget a space press made before this click, or it would lock again.
        plat::GetAsyncKeyState(VK_SPACE_);
    } else {
        mnuCattura_Click();
        suona(SND_ESCI);
    }
    plat::picture_pulisci();
    lblInfo.setCaption("");
}
