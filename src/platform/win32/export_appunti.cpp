// Image export, Win32: the picture's pixels and the clipboard.
#include "platform/win32/win32.h"

namespace {

// The clipboard needs an owner window: EmptyClipboard with none makes the next
// SetClipboardData fail. Before the main window exists (the Win32-side tests) a
// message-only window of our own stands in.
HWND proprietario() {
    if (HWND f = w32::finestra()) return f;
    static HWND sostituto = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           GetModuleHandleW(nullptr), nullptr);
    return sostituto;
}

// Another program may hold the clipboard open for a moment: try a few times.
class Appunti {
public:
    Appunti() {
        for (int prova = 0; prova < 10; ++prova) {
            if (OpenClipboard(proprietario())) {
                aperti_ = true;
                return;
            }
            ::Sleep(20);
        }
    }
    ~Appunti() {
        if (aperti_) CloseClipboard();
    }
    Appunti(const Appunti&) = delete;
    Appunti& operator=(const Appunti&) = delete;
    explicit operator bool() const { return aperti_; }

private:
    bool aperti_ = false;
};

// A device-dependent copy of the persistent bitmap, for the clipboard to own.
HBITMAP copia_ddb() {
    HDC sorgente = w32::picture_hdc();
    const int w = w32::picture_larghezza(), h = w32::picture_altezza();
    if (!sorgente || w <= 0 || h <= 0) return nullptr;
    HDC schermo = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(schermo, w, h);
    HDC dc = CreateCompatibleDC(schermo);
    ReleaseDC(nullptr, schermo);
    bool ok = bmp && dc;
    if (ok) {
        HGDIOBJ vecchia = SelectObject(dc, bmp);
        ok = BitBlt(dc, 0, 0, w, h, sorgente, 0, 0, SRCCOPY) != 0;
        SelectObject(dc, vecchia);
    }
    if (dc) DeleteDC(dc);
    if (!ok && bmp) {
        DeleteObject(bmp);
        bmp = nullptr;
    }
    return bmp;
}

}  // namespace

namespace plat {

bool picture_copia_pixel(Immagine& copia) {
    const int w = w32::picture_larghezza(), h = w32::picture_altezza();
    const uint32_t* bits = static_cast<const uint32_t*>(w32::picture_bits());
    if (!bits || w <= 0 || h <= 0) return false;
    copia.larghezza = w;
    copia.altezza = h;
    copia.pixel.resize(size_t(w) * size_t(h));
    // The DIB section holds 0x00RRGGBB top-down; the logic's colours are 0x00BBGGRR.
    for (size_t i = 0; i < copia.pixel.size(); ++i) {
        const uint32_t c = bits[i];
        copia.pixel[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
    return true;
}

bool appunti_svuota() {
    Appunti a;
    return a && EmptyClipboard();
}

bool appunti_metti_picture() {
    Appunti a;
    if (!a || !EmptyClipboard()) return false;
    HBITMAP bmp = copia_ddb();
    if (!bmp) return false;
    if (!SetClipboardData(CF_BITMAP, bmp)) {
        DeleteObject(bmp);
        return false;
    }
    // From here the bitmap belongs to the system, which deletes it when the
    // clipboard is next emptied: no DeleteObject on this path.
    return true;
}

Handle appunti_leggi_bitmap() {
    Appunti a;
    if (!a) return 0;
    // The handle stays the clipboard's; the caller only tests it for zero.
    return reinterpret_cast<Handle>(GetClipboardData(CF_BITMAP));
}

}  // namespace plat
