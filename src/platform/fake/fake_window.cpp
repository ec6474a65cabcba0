// The fake platform's window geometry: records what the logo and fade asked for.
#include "platform/fake/fake_window.h"

#include "platform/fake/fake.h"

namespace fake {

namespace {
StatoGeometria g_geometria;
}

int larghezza_carattere(int punti, bool corsivo) {
    return punti + (corsivo ? 1 : 0);
}
int altezza_riga(int punti) {
    return 2 * punti;
}

StatoGeometria& geometria() {
    return g_geometria;
}
void reset_geometria() {
    g_geometria = StatoGeometria{};
}

}  // namespace fake

namespace plat {

using fake::g_geometria;

int32_t GetWindowLongA(Handle finestra, int indice) {
    if (finestra != finestra_handle() || indice != GWL_EXSTYLE_) return 0;
    return g_geometria.stile_esteso;
}

int32_t SetWindowLongA(Handle finestra, int indice, int32_t valore) {
    if (finestra != finestra_handle() || indice != GWL_EXSTYLE_) return 0;
    const int32_t vecchio = g_geometria.stile_esteso;
    g_geometria.stile_esteso = valore;
    ++g_geometria.scritture_stile;
    return vecchio;
}

bool SetLayeredWindowAttributes(Handle finestra, Colore, uint8_t alpha, uint32_t flags) {
    // As on Windows: only a window that carries the layered style takes the call.
    if (finestra != finestra_handle() || !(g_geometria.stile_esteso & WS_EX_LAYERED_)) return false;
    if (flags & LWA_ALPHA_) {
        const fake::Stato& s = fake::stato();
        g_geometria.alpha = alpha;
        const bool logo = s.elementi[size_t(Elem::picLogo)].visibile;
        g_geometria.passi.push_back({alpha, s.visibile, s.abilitata, logo, s.dormito_ms, s.pompe});
        fake::stato().eventi.push_back("alpha " + std::to_string(alpha));
    }
    return true;
}

void picture_carattere(const std::string& nome, int punti, bool corsivo) {
    g_geometria.carattere = nome;
    g_geometria.punti = punti;
    g_geometria.corsivo = corsivo;
}

float picture_larghezza_testo(const std::string& testo) {
    return static_cast<float>(testo.size()) *
           static_cast<float>(fake::larghezza_carattere(g_geometria.punti, g_geometria.corsivo));
}

float picture_altezza_testo(const std::string&) {
    return static_cast<float>(fake::altezza_riga(g_geometria.punti));
}

void picture_stampa(int x, int y, const std::string& testo) {
    g_geometria.stampe.push_back(
        {x, y, testo, g_geometria.carattere, g_geometria.punti, g_geometria.corsivo});
    // The text's box turns black on the picture, cut at the picture's edges, so a
    // test sees both that something was drawn and that a clear removes it.
    fake::Immagine& p = fake::picture();
    const int w = static_cast<int>(picture_larghezza_testo(testo));
    const int h = fake::altezza_riga(g_geometria.punti);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            p.set(x + i, y + j, 0);
}

}  // namespace plat
