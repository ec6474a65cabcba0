// The tick and the render pass: the screen around the pointer, stretched into
// the persistent bitmap of picZoomed, then the readouts and overlays.
#include <cstdlib>
#include <string>

#include "core/cattura.h"
#include "core/frmzoom.h"

namespace {

// A key counts as pressed when it is down now or was pressed since the last query.
bool premuto(int vk) { return plat::GetAsyncKeyState(vk) != 0; }

// The Ctrl key, read twice: the first answer may still carry a stale
// "pressed since the last query" bit, so only the second one counts.
bool ctrl_premuto() {
    plat::GetAsyncKeyState(VK_CONTROL_);
    return premuto(VK_CONTROL_);
}

std::string testo_xy(int32_t x, int32_t y) {
    return " X " + std::to_string(x) + "   Y " + std::to_string(y);
}

}  // namespace

void FrmZoom::tmrTimer_Timer() {
    VoceMenu& cattura = menubar.mnuCattura;
    if (cattura.Checked && !immagine_bloccata) controlla_clic_mouse();
    if (misura_attiva) controlla_InputMetric();
    cursore_fuori = !punto_nella_finestra(punto_cursore);

    if (!cattura.Checked && !immagine_bloccata) {
        if (ctrl_premuto()) {
            if (!blocco_temporaneo) suona(SND_PAUSA);
            blocco_temporaneo = true;
            menubar.mnucopia.Enabled = true;
            piclock.setPicture(ICO_PUNTINA);
            piclock.setVisible(true);
            piclock.setEnabled(false);
            cattura.Enabled = false;
            return;  // the paused picture stays as it was last painted
        }
        blocco_temporaneo = false;
        menubar.mnucopia.Enabled = false;
        piclock.setVisible(false);
        piclock.setEnabled(true);
        cattura.Enabled = true;
    } else if (cattura.Checked) {
        mostra_cursore = !ctrl_premuto();
    }
    aggiorna_zoom();
}

bool FrmZoom::punto_nella_finestra(Punto p) const {
    const plat::Rettangolo r = plat::finestra_rettangolo();
    // Left / twip_x in floating point is the pixel edge itself; the first column
    // and row count as outside, the column and row past the far edge as inside.
    const double sx = static_cast<double>(r.left * twip_x) / twip_x;
    const double sy = static_cast<double>(r.top * twip_y) / twip_y;
    const double w = static_cast<double>(r.width * twip_x) / twip_x;
    const double h = static_cast<double>(r.height * twip_y) / twip_y;
    return p.x > sx && p.x <= sx + w && p.y > sy && p.y <= sy + h;
}

void FrmZoom::controlla_clic_mouse() {
    if (!cursore_fuori) {
        // Clears the pressed-since bit: a press over the magnifier never locks later.
        plat::GetAsyncKeyState(VK_SPACE_);
        return;
    }
    if (!premuto(VK_SPACE_)) return;
    if (menubar.mnuCattura.Checked) {
        suona(SND_BLOCCA);
        piclock.setPicture(ICO_CHIUSO);
        piclock.setToolTip("Sblocca immagine");
        menubar.mnucopia.Enabled = true;
        immagine_bloccata = true;
    }
}

void FrmZoom::controlla_InputMetric() {
    const int16_t a = plat::GetAsyncKeyState(VK_NUMPAD0_);
    const int16_t b = plat::GetAsyncKeyState(VK_0_);
    if ((a | b) != 0) {
        Punto p;
        if (plat::GetCursorPos(p)) punto_riferimento = p;
        lblInfo.setCaption("");
    }
}

void FrmZoom::aggiorna_zoom() {
    if (in_caricamento) return;
    const float z = fattore_zoom;
    if (!immagine_bloccata) {
        Punto c;
        if (plat::GetCursorPos(c)) punto_cursore = c;
        c = punto_cursore;
        if (!cursore_fuori) {
            plat::picture_pulisci();
            lblBackColor.setVisible(false);
            lblInfo.setCaption("");
            plat::picture_ridisegna();
            return;
        }
        // A zero factor can only come from a broken setting: skip the capture and
        // keep going with the readouts, as the pass does with any failing step.
        if (z > 0.0f) {
            const Cattura k = calcola_cattura(picZoomed.Width, picZoomed.Height, z, c.x, c.y,
                                              larghezza_schermo, altezza_schermo);
            scarto_x = k.scarto_x;
            scarto_y = k.scarto_y;
            // Inversion draws onto white with ROP_SRCINVERT; a plain copy overwrites
            // every pixel it reaches, so only the clipped margin needs clearing.
            const bool inverti = menubar.mnuInverti.Checked;
            const plat::Handle schermo = plat::GetDC_schermo();
            const plat::Handle pic = plat::picture_dc();
            if (inverti || k.W < picZoomed.Width || k.H < picZoomed.Height)
                plat::picture_pulisci();
            plat::StretchBlt(pic, 0, 0, k.W, k.H, schermo, k.srcX, k.srcY, k.srcW, k.srcH,
                             inverti ? ROP_SRCINVERT : ROP_SRCCOPY);
            if (colore_attivo) {
                lblBackColor.setVisible(true);
                colore_corrente = plat::GetPixel(schermo, c.x, c.y);
                mostra_colore(colore_corrente);
            }
            plat::ReleaseDC_schermo(schermo);
            if (z >= 6.0f && griglia_attiva) disegna_griglia();
        } else {
            plat::picture_pulisci();
        }
    }
    if (misura_attiva) {
        Punto m;
        if (plat::GetCursorPos(m)) punto_misura = m;
        const int32_t dx = punto_misura.x - punto_riferimento.x;
        const int32_t dy = punto_misura.y - punto_riferimento.y;
        const bool dentro = punto_nella_finestra(punto_misura);
        if (dentro && !immagine_bloccata) {
            lblInfo.setCaption("");
        } else if (dentro) {
            if (z > 0.0f) lblInfo.setCaption(testo_xy(distanza_su_zoom(dx, z), distanza_su_zoom(dy, z)));
        } else {
            lblInfo.setCaption(testo_xy(std::abs(dx), std::abs(dy)));
        }
    }
    if (menubar.mnuCattura.Checked && mostra_cursore && !immagine_bloccata && z > 0.0f)
        disegna_cursore();
    plat::picture_ridisegna();
}
