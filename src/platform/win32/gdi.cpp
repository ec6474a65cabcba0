// GDI for the render pass: the persistent bitmap of picZoomed and one-to-one
// wrappers of the calls the logic makes.
#include "platform/win32/win32.h"

namespace {

// The persistent picture: a top-down 32-bit DIB section selected into a memory DC.
// Every render pass draws into it; WM_PAINT shows it; the export commands read it.
struct Quadro {
    HDC dc = nullptr;
    HBITMAP bmp = nullptr;
    HGDIOBJ vecchia = nullptr;
    void* bits = nullptr;
    int w = 0, h = 0;

    void libera() {
        if (dc) {
            SelectObject(dc, vecchia);  // hand the bitmap back before deleting either
            DeleteDC(dc);
        }
        if (bmp) DeleteObject(bmp);
        dc = nullptr;
        bmp = nullptr;
        vecchia = nullptr;
        bits = nullptr;
        w = h = 0;
    }
    ~Quadro() { libera(); }
};

Quadro g_quadro;
HDC g_schermo = nullptr;

}  // namespace

namespace w32 {

bool quadro_dimensiona(int w, int h) {
    if (w < 1) w = 1;
    if (h < 1) h = 1;
    if (g_quadro.dc && w == g_quadro.w && h == g_quadro.h) return true;
    g_quadro.libera();
    HDC schermo = GetDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    g_quadro.bmp = CreateDIBSection(schermo, &bi, DIB_RGB_COLORS, &g_quadro.bits, nullptr, 0);
    g_quadro.dc = CreateCompatibleDC(schermo);
    ReleaseDC(nullptr, schermo);
    if (!g_quadro.bmp || !g_quadro.dc) {
        g_quadro.libera();
        return false;
    }
    g_quadro.vecchia = SelectObject(g_quadro.dc, g_quadro.bmp);
    g_quadro.w = w;
    g_quadro.h = h;
    PatBlt(g_quadro.dc, 0, 0, w, h, WHITENESS);
    return true;
}

void quadro_libera() {
    g_quadro.libera();
    if (g_schermo) DeleteDC(g_schermo);
    g_schermo = nullptr;
}

HDC picture_hdc() { return g_quadro.dc; }
HBITMAP picture_bitmap() { return g_quadro.bmp; }
int picture_larghezza() { return g_quadro.w; }
int picture_altezza() { return g_quadro.h; }
void* picture_bits() {
    GdiFlush();  // drawing may still be batched
    return g_quadro.bits;
}

}  // namespace w32

namespace plat {

namespace {
HDC D(Handle h) { return reinterpret_cast<HDC>(h); }
HGDIOBJ O(Handle h) { return reinterpret_cast<HGDIOBJ>(h); }
Handle H(const void* p) { return reinterpret_cast<Handle>(p); }
}  // namespace

// The screen's DC is created once and kept: GetDC(NULL) on every pass costs
// several round trips to the window server under Wine (desktop lookup, display
// cache check, visible region), more than the stretch copy itself. A DC made with
// CreateDC("DISPLAY") is the same screen surface and may be kept for the life of
// the program; what the pass draws does not change.
Handle GetDC_schermo() {
    if (!g_schermo) g_schermo = ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    return H(g_schermo);
}
void ReleaseDC_schermo(Handle) {}
Handle picture_dc() { return H(g_quadro.dc); }

void picture_pulisci() {
    if (g_quadro.dc) ::PatBlt(g_quadro.dc, 0, 0, g_quadro.w, g_quadro.h, WHITENESS);
}

Colore picture_punto(int x, int y) {
    if (!g_quadro.dc) return COLORE_NON_VALIDO;
    return static_cast<Colore>(::GetPixel(g_quadro.dc, x, y));
}

bool StretchBlt(Handle dst, int x, int y, int w, int h, Handle src, int sx, int sy, int sw, int sh,
                uint32_t rop) {
    return ::StretchBlt(D(dst), x, y, w, h, D(src), sx, sy, sw, sh, rop) != FALSE;
}
Colore GetPixel(Handle dc, int x, int y) { return static_cast<Colore>(::GetPixel(D(dc), x, y)); }
bool SetPixelV(Handle dc, int x, int y, Colore c) {
    return ::SetPixelV(D(dc), x, y, static_cast<COLORREF>(c)) != FALSE;
}
Handle CreateCompatibleDC(Handle dc) { return H(::CreateCompatibleDC(D(dc))); }
Handle CreateCompatibleBitmap(Handle dc, int w, int h) {
    return H(::CreateCompatibleBitmap(D(dc), w, h));
}
Handle SelectObject(Handle dc, Handle obj) { return H(::SelectObject(D(dc), O(obj))); }
Handle CreatePatternBrush(Handle bitmap) {
    return H(::CreatePatternBrush(reinterpret_cast<HBITMAP>(bitmap)));
}
bool PatBlt(Handle dc, int x, int y, int w, int h, uint32_t rop) {
    return ::PatBlt(D(dc), x, y, w, h, rop) != FALSE;
}
bool DeleteDC(Handle dc) { return ::DeleteDC(D(dc)) != FALSE; }
bool DeleteObject(Handle obj) { return ::DeleteObject(O(obj)) != FALSE; }

Handle GetCursor() { return H(::GetCursor()); }

bool GetCursorInfo(InfoCursore& ci) {
    // The record's size on this build: 20 bytes on 32-bit Windows, 24 on 64-bit.
    CURSORINFO c = {};
    c.cbSize = sizeof(CURSORINFO);
    if (ci.cbSize == 0 || !::GetCursorInfo(&c)) return false;
    ci.flags = c.flags;
    ci.hCursor = H(c.hCursor);
    ci.ptScreenPos = {c.ptScreenPos.x, c.ptScreenPos.y};
    return true;
}

bool GetIconInfo(Handle icona, InfoIcona& ii) {
    ICONINFO i = {};
    if (!icona || !::GetIconInfo(reinterpret_cast<HICON>(icona), &i)) return false;
    ii.fIcon = i.fIcon != FALSE;
    ii.xHotspot = i.xHotspot;
    ii.yHotspot = i.yHotspot;
    ii.hbmMask = H(i.hbmMask);  // both bitmaps now belong to the caller
    ii.hbmColor = H(i.hbmColor);
    return true;
}

bool DrawIconEx(Handle dc, int x, int y, Handle icona, int w, int h, unsigned passo, Handle pennello,
                uint32_t flags) {
    return ::DrawIconEx(D(dc), x, y, reinterpret_cast<HICON>(icona), w, h, passo,
                        reinterpret_cast<HBRUSH>(pennello), flags) != FALSE;
}

}  // namespace plat
