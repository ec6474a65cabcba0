// Layout of the main window on every size change (the form's resize handler).
#include "core/frmzoom.h"
#include "window/geometria.h"

namespace {

// How deep Form_Resize may nest through its own size corrections. A correction
// normally settles in one or two nested runs; only a screen smaller than twice the
// minimum size at 0.5x makes the minimum and the half-screen limit undo each other
// for ever, and there the window keeps whatever size it has rather than recursing
// until the stack runs out.
constexpr int PROFONDITA_MASSIMA = 6;
int g_profondita = 0;

struct Annida {
    Annida() { ++g_profondita; }
    ~Annida() { --g_profondita; }
    Annida(const Annida&) = delete;
    Annida& operator=(const Annida&) = delete;
};

}  // namespace

void FrmZoom::Form_Resize() {
    Annida annida;
    if (g_profondita <= PROFONDITA_MASSIMA) {
        // Each setter that really changes the size runs this handler again, nested,
        // before it returns; the nested run lays out over the corrected size.
        if (Height() < geometria::ALTEZZA_MINIMA) setHeight(geometria::ALTEZZA_MINIMA);
        if (Width() < geometria::LARGHEZZA_MINIMA) setWidth(geometria::LARGHEZZA_MINIMA);
        // At 0.5x the captured area is twice the picture: keep it within the screen.
        if (menubar.mnuZ[0].Checked) {
            const float meta_altezza = ScreenHeight() / 2.0f;
            if (meta_altezza < Height()) setHeight(meta_altezza);
            const float meta_larghezza = ScreenWidth() / 2.0f;
            if (meta_larghezza < Width()) setWidth(meta_larghezza);
        }
    }
    // The window and picZoomed work in pixels throughout, so there is no scale to
    // switch here.
    const geometria::Disposizione d = geometria::disponi(
        ScaleWidth(), ScaleHeight(), {picLabel.Height, imgClose.Width, imgWorkIcon.Width});
    picZoomed.Move(d.picZoomed.left, d.picZoomed.top, d.picZoomed.width, d.picZoomed.height);
    picLabel.Move(d.picLabel.left, d.picLabel.top, d.picLabel.width, picLabel.Height);
    lblBackColor.Move(d.lblBackColor.left, d.lblBackColor.top, lblBackColor.Width,
                      d.lblBackColor.height);
    imgClose.Move(d.imgClose.left, d.imgClose.top, imgClose.Width, imgClose.Height);
    imgWorkIcon.Move(d.imgWorkIcon.left, d.imgWorkIcon.top, imgWorkIcon.Width, imgWorkIcon.Height);
    lblInfo.Move(d.lblInfo.left, d.lblInfo.top, d.lblInfo.width, lblInfo.Height);
    piclock.Move(d.piclock.left, d.piclock.top, piclock.Width, piclock.Height);
    // The repaint below must capture even with the pointer over the window.
    cursore_fuori = true;
    limita_allo_schermo();
    aggiorna_menu_dimensione();
    aggiorna_zoom();
}
