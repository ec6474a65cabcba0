// Text printed on picZoomed's persistent bitmap (the start-up credit lines).
#include "platform/win32/win32.h"

namespace {

// ---- the font of picZoomed ----------------------------------------------------

// Owns one GDI font; movable, not copyable.
class Carattere {
public:
    Carattere() = default;
    explicit Carattere(HFONT f) : f_(f) {}
    Carattere(Carattere&& o) noexcept : f_(o.f_) { o.f_ = nullptr; }
    Carattere& operator=(Carattere&& o) noexcept {
        if (this != &o) {
            libera();
            f_ = o.f_;
            o.f_ = nullptr;
        }
        return *this;
    }
    Carattere(const Carattere&) = delete;
    Carattere& operator=(const Carattere&) = delete;
    ~Carattere() { libera(); }
    HFONT get() const { return f_; }

private:
    void libera() {
        if (f_) DeleteObject(f_);
        f_ = nullptr;
    }
    HFONT f_ = nullptr;
};

Carattere g_carattere;

// Selects an object into a DC for one scope and puts the old one back.
class Selezione {
public:
    Selezione(HDC dc, HGDIOBJ o) : dc_(dc), vecchio_(o ? SelectObject(dc, o) : nullptr) {}
    ~Selezione() {
        if (vecchio_) SelectObject(dc_, vecchio_);
    }
    Selezione(const Selezione&) = delete;
    Selezione& operator=(const Selezione&) = delete;

private:
    HDC dc_;
    HGDIOBJ vecchio_;
};

}  // namespace

namespace plat {

void picture_carattere(const std::string& nome, int punti, bool corsivo) {
    HDC dc = w32::picture_hdc();
    HDC schermo = dc ? nullptr : GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc ? dc : schermo, LOGPIXELSY);
    if (schermo) ReleaseDC(nullptr, schermo);
    HFONT f = CreateFontW(-MulDiv(punti, dpi, 72), 0, 0, 0, FW_NORMAL, corsivo ? TRUE : FALSE,
                          FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, w32::wide(nome).c_str());
    if (f) g_carattere = Carattere(f);  // on failure the previous font stays
}

float picture_larghezza_testo(const std::string& testo) {
    HDC dc = w32::picture_hdc();
    if (!dc) return 0.0f;
    Selezione s(dc, g_carattere.get());
    const std::wstring w = w32::wide(testo);
    SIZE misura = {0, 0};
    if (!GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &misura)) return 0.0f;
    return static_cast<float>(misura.cx);
}

float picture_altezza_testo(const std::string&) {
    HDC dc = w32::picture_hdc();
    if (!dc) return 0.0f;
    Selezione s(dc, g_carattere.get());
    TEXTMETRICW tm = {};
    if (!GetTextMetricsW(dc, &tm)) return 0.0f;
    return static_cast<float>(tm.tmHeight + tm.tmExternalLeading);
}

void picture_stampa(int x, int y, const std::string& testo) {
    HDC dc = w32::picture_hdc();
    if (!dc) return;
    Selezione s(dc, g_carattere.get());
    const int modo = SetBkMode(dc, TRANSPARENT);
    const COLORREF colore = SetTextColor(dc, RGB(0, 0, 0));  // picZoomed's foreground
    const std::wstring w = w32::wide(testo);
    TextOutW(dc, x, y, w.c_str(), static_cast<int>(w.size()));
    SetTextColor(dc, colore);
    SetBkMode(dc, modo);
}

}  // namespace plat
