// Overlays drawn into the picture after the stretch copy (pixel grid, pointer)
// and the colour readout. Every GDI object a pass creates is deleted in it.
#include <string>

#include "core/frmzoom.h"

plat::Handle FrmZoom::crea_pennello_griglia(plat::Handle dc, Colore colore1, Colore colore2) {
    const plat::Handle mem = plat::CreateCompatibleDC(dc);
    const plat::Handle bmp = plat::CreateCompatibleBitmap(dc, 8, 8);
    const plat::Handle vecchia = plat::SelectObject(mem, bmp);
    for (int y = 0; y <= 6; y += 2) {
        for (int x = 0; x <= 6; x += 2) {
            plat::SetPixelV(mem, x, y, colore1);
            plat::SetPixelV(mem, x + 1, y, colore2);
            plat::SetPixelV(mem, x, y + 1, colore2);
            plat::SetPixelV(mem, x + 1, y + 1, colore1);
        }
    }
    plat::SelectObject(mem, vecchia);
    const plat::Handle pennello = plat::CreatePatternBrush(bmp);
    plat::DeleteDC(mem);
    plat::DeleteObject(bmp);
    return pennello;
}

void FrmZoom::disegna_griglia() {
    const plat::Handle dc = plat::picture_dc();
    const plat::Handle pennello = crea_pennello_griglia(dc, 0x00808080, 0x00C0C0C0);
    const plat::Handle vecchio = plat::SelectObject(dc, pennello);
    const int W = picZoomed.Width;
    const int H = picZoomed.Height;
    const int passo = cint(fattore_zoom);
    if (passo > 0) {
        for (int x = 0; x <= W; x += passo) plat::PatBlt(dc, x, 0, 1, H, ROP_PATCOPY);
        for (int y = 0; y <= H; y += passo) plat::PatBlt(dc, 0, y, W, 1, ROP_PATCOPY);
    }
    plat::SelectObject(dc, vecchio);
    plat::DeleteObject(pennello);
}

void FrmZoom::disegna_cursore() {
    const double z = fattore_zoom;
    plat::Handle cursore = plat::GetCursor();
    plat::InfoCursore ci;
    ci.cbSize = 20;
    if (plat::GetCursorInfo(ci)) cursore = ci.hCursor;
    plat::InfoIcona ii;
    if (!plat::GetIconInfo(cursore, ii)) return;
    const int hx = cint(z * ii.xHotspot);
    const int hy = cint(z * ii.yHotspot);
    scarto_x = cint(z * scarto_x);
    scarto_y = cint(z * scarto_y);
    const int lato = cint(32 * z);
    const int y = cint(picZoomed.Height / 2.0 + scarto_y - hy);
    const int x = cint(picZoomed.Width / 2.0 + scarto_x - hx);
    plat::DrawIconEx(plat::picture_dc(), x, y, cursore, lato, lato, 0, 0, DI_NORMAL_);
    if (ii.hbmColor) plat::DeleteObject(ii.hbmColor);
    if (ii.hbmMask) plat::DeleteObject(ii.hbmMask);
}

void FrmZoom::mostra_colore(const Colore& valore) {
    const uint32_t v = static_cast<uint32_t>(valore);
    const unsigned rosso = v & 0xFF;
    const unsigned verde = (v & 0xFF00) / 256;
    const unsigned blu = (v & 0xFF0000) / 65536;
    lblInfo.setCaption(" RGB(" + std::to_string(rosso) + "," + std::to_string(verde) + "," +
                       std::to_string(blu) + ")");
    if (valore >= 0) lblBackColor.setBackColor(valore);
}
