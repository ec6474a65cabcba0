// The fake platform for the native tests: screen, window, picture, elements,
// keys and a small GDI with live-object bookkeeping.
#include "platform/fake/fake.h"

#include <map>
#include <memory>

#include "core/frmzoom.h"

namespace fake {
namespace {

enum class Tipo { dc, bitmap, pennello };

struct Oggetto {
    Tipo tipo;
    std::shared_ptr<Immagine> img;  // bitmap pixels, or a brush's pattern
    plat::Handle bitmap = 0;        // DC: selected bitmap
    plat::Handle pennello = 0;      // DC: selected brush
};

constexpr plat::Handle DC_SCHERMO = 0x10;
constexpr plat::Handle DC_PICTURE = 0x20;
constexpr plat::Handle BMP_STOCK = 0x30;   // the 1x1 bitmap of a new memory DC
constexpr plat::Handle PEN_STOCK = 0x40;   // the white brush of a new DC

Stato g_stato;
std::map<plat::Handle, Oggetto> g_oggetti;
plat::Handle g_prossimo = 0x1000;
plat::Handle g_pennello_picture = PEN_STOCK;
int g_dc_schermo_presi = 0;

plat::Handle nuovo(Oggetto o) {
    const plat::Handle h = g_prossimo;
    g_prossimo += 4;
    g_oggetti.emplace(h, std::move(o));
    ++g_stato.oggetti_vivi;
    return h;
}

// The pixels a DC draws into; null for a DC without a real bitmap.
Immagine* superficie(plat::Handle dc) {
    if (dc == DC_SCHERMO) return &g_stato.schermo;
    if (dc == DC_PICTURE) return &g_stato.picture;
    auto it = g_oggetti.find(dc);
    if (it == g_oggetti.end() || it->second.tipo != Tipo::dc) return nullptr;
    auto b = g_oggetti.find(it->second.bitmap);
    return b == g_oggetti.end() ? nullptr : b->second.img.get();
}

plat::Handle& pennello_di(plat::Handle dc) {
    if (dc == DC_PICTURE) return g_pennello_picture;
    return g_oggetti.at(dc).pennello;
}

StatoElemento& el(plat::Elem e) { return g_stato.elementi[size_t(e)]; }

}  // namespace

Stato& stato() { return g_stato; }
Immagine& picture() { return g_stato.picture; }

uint32_t colore_schema(int x, int y) {
    // Distinct neighbours in every direction, all three channels in use.
    return (uint32_t(x * 7 + y * 3) & 0xFF) | ((uint32_t(x * 5 + y * 11) & 0xFF) << 8) |
           ((uint32_t(x ^ y) & 0xFF) << 16);
}

void reset(int larghezza, int altezza) {
    g_stato = Stato{};
    g_oggetti.clear();
    g_prossimo = 0x1000;
    g_pennello_picture = PEN_STOCK;
    g_dc_schermo_presi = 0;
    g_stato.schermo = Immagine(larghezza, altezza);
    for (int y = 0; y < altezza; ++y)
        for (int x = 0; x < larghezza; ++x) g_stato.schermo.set(x, y, colore_schema(x, y));
    frmZoom = FrmZoom{};
    finestra_visibile = false;
    // The elements start as the model describes them.
    for (const Elemento* e : {&frmZoom.picZoomed, &frmZoom.picLabel, &frmZoom.imgWorkIcon,
                              &frmZoom.imgClose, &frmZoom.lblBackColor, &frmZoom.lblInfo,
                              &frmZoom.piclock, &frmZoom.shpRect, &frmZoom.picLogo}) {
        StatoElemento& s = el(e->id);
        s.r = {e->Left, e->Top, e->Width, e->Height};
        s.visibile = e->Visible;
        s.abilitato = e->Enabled;
    }
    g_stato.picture = Immagine(frmZoom.picZoomed.Width, frmZoom.picZoomed.Height, BIANCO);
}

void premi(int vk) {
    Tasto& t = g_stato.tasti[vk];
    t.giu = true;
    t.premuto_da_ultima = true;
}
void rilascia(int vk) { g_stato.tasti[vk].giu = false; }
void batti(int vk) {
    premi(vk);
    rilascia(vk);
}

}  // namespace fake

using fake::g_stato;

namespace plat {

// ---- elements ----
void elemento_posiziona(Elem e, int l, int t, int w, int h) {
    fake::el(e).r = {l, t, w, h};
    if (e == Elem::picZoomed && (w != g_stato.picture.w || h != g_stato.picture.h))
        g_stato.picture = fake::Immagine(w > 0 ? w : 0, h > 0 ? h : 0, BIANCO);
}
void elemento_visibile(Elem e, bool v) { fake::el(e).visibile = v; }
void elemento_abilitato(Elem e, bool v) { fake::el(e).abilitato = v; }
void elemento_testo(Elem e, const std::string& s) { fake::el(e).testo = s; }
void elemento_colore(Elem e, Colore c) { fake::el(e).colore = c; }
void elemento_icona(Elem e, int r) { fake::el(e).icona = r; }
void elemento_tooltip(Elem e, const std::string& s) { fake::el(e).tooltip = s; }
void elemento_cursore(Elem e, int r) { fake::el(e).cursore = r; }

// ---- main window ----
Rettangolo finestra_rettangolo() { return g_stato.finestra; }
void finestra_sposta(int left, int top) {
    g_stato.finestra.left = left;
    g_stato.finestra.top = top;
}
void finestra_dimensiona(int w, int h) {
    if (w == g_stato.finestra.width && h == g_stato.finestra.height) return;
    g_stato.finestra.width = w;
    g_stato.finestra.height = h;
    // As WM_SIZE does on Win32: the resize handler runs before the call returns.
    frmZoom.Form_Resize();
}
int finestra_client_larghezza() { return g_stato.finestra.width - 2 * g_stato.bordo; }
int finestra_client_altezza() { return g_stato.finestra.height - 2 * g_stato.bordo; }
void finestra_mostra(bool v) {
    g_stato.visibile = v;
    g_stato.eventi.push_back(v ? "mostra" : "nascondi");
}
void finestra_abilita(bool v) {
    g_stato.abilitata = v;
    g_stato.eventi.push_back(v ? "abilita" : "disabilita");
}
void finestra_primo_piano(bool v) {
    g_stato.primo_piano = v;
    g_stato.eventi.push_back(v ? "primo_piano" : "non_primo_piano");
}
Handle finestra_handle() { return 0x77; }

void timer_imposta(bool abilitato, int intervallo) {
    if (abilitato != g_stato.timer_abilitato)
        g_stato.eventi.push_back(abilitato ? "timer_on" : "timer_off");
    g_stato.timer_abilitato = abilitato;
    g_stato.timer_intervallo = intervallo;
}

// ---- screen, keys, pointer ----
Metriche schermo_metriche() {
    return {g_stato.schermo.w, g_stato.schermo.h, g_stato.dpi, g_stato.dpi};
}
bool GetCursorPos(Punto& p) {
    p = g_stato.cursore;
    return true;
}
int16_t GetAsyncKeyState(int vk) {
    fake::Tasto& t = g_stato.tasti[vk];
    int16_t r = static_cast<int16_t>((t.giu ? 0x8000 : 0) | (t.premuto_da_ultima ? 1 : 0));
    t.premuto_da_ultima = false;
    return r;
}

// ---- GDI ----
Handle GetDC_schermo() {
    ++fake::g_dc_schermo_presi;
    ++g_stato.oggetti_vivi;
    return fake::DC_SCHERMO;
}
void ReleaseDC_schermo(Handle dc) {
    if (dc == fake::DC_SCHERMO && fake::g_dc_schermo_presi > 0) {
        --fake::g_dc_schermo_presi;
        --g_stato.oggetti_vivi;
    }
}
Handle picture_dc() { return fake::DC_PICTURE; }
void picture_pulisci() { std::fill(g_stato.picture.px.begin(), g_stato.picture.px.end(), BIANCO); }
void picture_ridisegna() {}
Colore picture_punto(int x, int y) {
    return g_stato.picture.dentro(x, y) ? Colore(g_stato.picture.at(x, y)) : COLORE_NON_VALIDO;
}

bool StretchBlt(Handle dst, int x, int y, int w, int h, Handle src, int sx, int sy, int sw, int sh,
                uint32_t rop) {
    ++g_stato.stretch_chiamate;
    fake::Immagine* d = fake::superficie(dst);
    fake::Immagine* s = fake::superficie(src);
    if (!d || !s || w <= 0 || h <= 0 || sw <= 0 || sh <= 0 || g_stato.stretch_fallisce) return false;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!d->dentro(x + i, y + j)) continue;
            // Nearest neighbour: destination pixel i shows source pixel i * sw / w.
            const int px = sx + static_cast<int>(int64_t(i) * sw / w);
            const int py = sy + static_cast<int>(int64_t(j) * sh / h);
            const uint32_t c = s->dentro(px, py) ? s->at(px, py) : 0;
            const uint32_t prima = d->at(x + i, y + j);
            d->set(x + i, y + j, (rop == ROP_SRCINVERT ? (prima ^ c) : c) & 0x00FFFFFF);
        }
    }
    return true;
}

Colore GetPixel(Handle dc, int x, int y) {
    fake::Immagine* s = fake::superficie(dc);
    if (!s || !s->dentro(x, y)) return COLORE_NON_VALIDO;
    return Colore(s->at(x, y));
}
bool SetPixelV(Handle dc, int x, int y, Colore c) {
    fake::Immagine* s = fake::superficie(dc);
    if (!s || !s->dentro(x, y)) return false;
    s->set(x, y, uint32_t(c) & 0x00FFFFFF);
    return true;
}
Handle CreateCompatibleDC(Handle) {
    return fake::nuovo({fake::Tipo::dc, nullptr, fake::BMP_STOCK, fake::PEN_STOCK});
}
Handle CreateCompatibleBitmap(Handle, int w, int h) {
    return fake::nuovo({fake::Tipo::bitmap, std::make_shared<fake::Immagine>(w, h, 0)});
}
Handle SelectObject(Handle dc, Handle obj) {
    if (obj == fake::BMP_STOCK || obj == fake::PEN_STOCK) {
        Handle& slot = obj == fake::BMP_STOCK ? fake::g_oggetti.at(dc).bitmap : fake::pennello_di(dc);
        const Handle vecchio = slot;
        slot = obj;
        return vecchio;
    }
    auto it = fake::g_oggetti.find(obj);
    if (it == fake::g_oggetti.end()) return 0;
    if (it->second.tipo == fake::Tipo::bitmap) {
        auto d = fake::g_oggetti.find(dc);
        if (d == fake::g_oggetti.end() || d->second.tipo != fake::Tipo::dc) return 0;
        const Handle vecchio = d->second.bitmap;
        d->second.bitmap = obj;
        return vecchio;
    }
    if (it->second.tipo == fake::Tipo::pennello) {
        Handle& slot = fake::pennello_di(dc);
        const Handle vecchio = slot;
        slot = obj;
        return vecchio;
    }
    return 0;
}
Handle CreatePatternBrush(Handle bitmap) {
    auto it = fake::g_oggetti.find(bitmap);
    if (it == fake::g_oggetti.end() || it->second.tipo != fake::Tipo::bitmap) return 0;
    // The brush keeps its own copy of the pattern, as GDI does.
    return fake::nuovo(
        {fake::Tipo::pennello, std::make_shared<fake::Immagine>(*it->second.img)});
}
bool PatBlt(Handle dc, int x, int y, int w, int h, uint32_t rop) {
    fake::Immagine* d = fake::superficie(dc);
    if (!d || rop != ROP_PATCOPY) return false;
    const Handle p = fake::pennello_di(dc);
    auto it = fake::g_oggetti.find(p);
    const fake::Immagine* pat =
        (it != fake::g_oggetti.end() && it->second.tipo == fake::Tipo::pennello)
            ? it->second.img.get()
            : nullptr;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) {
            if (!d->dentro(i, j)) continue;
            // The brush origin is the picture's origin.
            d->set(i, j, pat ? pat->at(i % pat->w, j % pat->h) : BIANCO);
        }
    return true;
}
bool DeleteDC(Handle dc) {
    auto it = fake::g_oggetti.find(dc);
    if (it == fake::g_oggetti.end() || it->second.tipo != fake::Tipo::dc) return false;
    fake::g_oggetti.erase(it);
    --g_stato.oggetti_vivi;
    return true;
}
bool DeleteObject(Handle obj) {
    auto it = fake::g_oggetti.find(obj);
    if (it == fake::g_oggetti.end() || it->second.tipo == fake::Tipo::dc) return false;
    fake::g_oggetti.erase(it);
    --g_stato.oggetti_vivi;
    return true;
}

Handle GetCursor() { return g_stato.cursore_corrente; }
bool GetCursorInfo(InfoCursore& ci) {
    if (ci.cbSize == 0) return false;
    ci.hCursor = g_stato.cursore_corrente;
    ci.ptScreenPos = g_stato.cursore;
    ci.flags = 1;
    return true;
}
bool GetIconInfo(Handle, InfoIcona& ii) {
    ii.fIcon = false;
    ii.xHotspot = uint32_t(g_stato.hotspot_cursore.x);
    ii.yHotspot = uint32_t(g_stato.hotspot_cursore.y);
    // The caller owns both bitmaps and must delete them.
    ii.hbmMask = fake::nuovo({fake::Tipo::bitmap, std::make_shared<fake::Immagine>(32, 64, 0)});
    ii.hbmColor = fake::nuovo({fake::Tipo::bitmap, std::make_shared<fake::Immagine>(32, 32, 0)});
    return true;
}
bool DrawIconEx(Handle, int x, int y, Handle, int w, int h, unsigned, Handle, uint32_t) {
    g_stato.disegni_icona.push_back(std::to_string(x) + "," + std::to_string(y) + "," +
                                    std::to_string(w) + "," + std::to_string(h));
    return true;
}

// ---- messages, time ----
void messaggio_informazione(const std::string& testo, const std::string& titolo) {
    g_stato.messaggi.push_back(titolo + "|" + testo);
    g_stato.eventi.push_back("messaggio");
}
void messaggio_errore(const std::string& testo, const std::string& titolo) {
    g_stato.messaggi.push_back(titolo + "|!" + testo);
}
void elabora_messaggi() {
    ++g_stato.pompe;
    g_stato.input_pendente = false;
}
bool input_in_attesa() { return g_stato.input_pendente; }
void Sleep(unsigned ms) { g_stato.dormito_ms += ms; }

// ---- program, files, system ----
bool istanza_precedente() { return g_stato.altra_istanza; }
std::string cartella_programma() { return g_stato.cartella; }
bool attributi_file(const std::string& percorso, uint32_t& attributi) {
    auto it = g_stato.file_system.find(percorso);
    if (it == g_stato.file_system.end()) return false;
    attributi = it->second;
    return true;
}
bool suona_risorsa(int numero) {
    g_stato.suoni.push_back(numero);
    return true;
}
std::string GetTempPath(unsigned dimensione, unsigned& lunghezza) {
    const std::string& t = g_stato.temp;
    if (t.size() + 1 > dimensione) {
        lunghezza = unsigned(t.size() + 1);  // the size needed, NUL included
        return "";
    }
    lunghezza = unsigned(t.size());
    return t;
}
bool GetVersionEx(uint32_t& maggiore, uint32_t& minore) {
    maggiore = g_stato.versione_maggiore;
    minore = 1;
    return true;
}
void termina_programma() { g_stato.terminato = true; }

}  // namespace plat
