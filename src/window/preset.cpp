// The window-size presets, their check marks, and keeping the window on the screen.
#include "core/frmzoom.h"
#include "window/geometria.h"

void FrmZoom::mnuD_Click(int16_t Index) {
    ArrayMenu& voci = menubar.mnuD;
    deseleziona_menu(voci);
    // The old picture would otherwise stay stretched over the new size until the
    // first render pass; the size changes below repaint at once.
    plat::picture_pulisci();
    // Every size change below runs Form_Resize before the next statement, which may
    // correct the size and recompute the check marks; the explicit mark comes last.
    switch (Index) {
        case 0:
            setWidth(geometria::LARGHEZZA_MINIMA);
            setHeight(geometria::ALTEZZA_MINIMA);
            voci[0].Checked = true;
            limita_allo_schermo();
            break;
        case 1:
            setWidth(ScreenWidth() / 4.0f);
            setHeight(ScreenHeight() / 4.0f);
            voci[1].Checked = true;
            limita_allo_schermo();
            break;
        case 2:
            setWidth(ScreenWidth() / 2.0f);
            setHeight(ScreenHeight() / 2.0f);
            voci[2].Checked = true;
            limita_allo_schermo();
            break;
        case 3:  // bar along the top edge
            setWidth(ScreenWidth());
            setHeight(ScreenHeight() / 8.0f);
            setTop(0.0f);
            setLeft(0.0f);
            break;
        case 4:  // bar along the bottom edge: its height as corrected by the layout
            setWidth(ScreenWidth());
            setHeight(ScreenHeight() / 8.0f);
            setTop(ScreenHeight() - Height());
            setLeft(0.0f);
            break;
        default:
            break;
    }
}

void FrmZoom::aggiorna_menu_dimensione() {
    ArrayMenu& voci = menubar.mnuD;
    deseleziona_menu(voci);
    // Exact equalities: the window reports whole pixels times the twips per pixel,
    // so a preset that is not a whole number of pixels never matches.
    const float w = Width();
    const float h = Height();
    if (w == geometria::LARGHEZZA_MINIMA && h == geometria::ALTEZZA_MINIMA)
        voci[0].Checked = true;
    else if (ScreenWidth() / 4.0f == w && ScreenHeight() / 4.0f == h)
        voci[1].Checked = true;
    else if (ScreenWidth() / 2.0f == w && ScreenHeight() / 2.0f == h)
        voci[2].Checked = true;
}

void FrmZoom::limita_allo_schermo() {
    // Top and left come last, so a window larger than the screen keeps its top-left
    // corner on the screen and sticks out at the bottom or the right.
    if (Top() + Height() > ScreenHeight()) setTop(ScreenHeight() - Height());
    if (Top() < 0.0f) setTop(0.0f);
    if (Left() + Width() > ScreenWidth()) setLeft(ScreenWidth() - Width());
    if (Left() < 0.0f) setLeft(0.0f);
}
