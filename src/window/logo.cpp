// The start-up show: logo and credit lines, then the fade-in of the whole window.
#include "core/frmzoom.h"

namespace {

const char* const RIGA_CREDITI = "Vitrelo - a cura del team Vitrelo";
const char* const RIGA_COLLABORAZIONE = "(con la collaborazione di tutta la squadra di Vitrelo)";
const char* const CARATTERE = "Arial";
constexpr int PUNTI = 10;

constexpr int ALPHA_PASSO = 3;  // 0, 3, ..., 255: 86 steps ending fully opaque
constexpr int ALPHA_MASSIMO = 255;
constexpr unsigned PAUSA_PASSO_MS = 15;
constexpr unsigned ATTESA_DISSOLVENZA_MS = 1000;
constexpr unsigned ATTESA_SENZA_DISSOLVENZA_MS = 2000;

// The picture's text position, as Print moves it: each line ends at the start of
// the next one.
struct Penna {
    float x = 0.0f, y = 0.0f;
    void a_capo(const std::string& riga) {
        y += plat::picture_altezza_testo(riga);
        x = 0.0f;
    }
    void stampa(const std::string& riga) {
        plat::picture_stampa(cint(x), cint(y), riga);
        a_capo(riga);
    }
};

// Centres one line on the picture. A line wider than the picture starts at a
// negative position and loses both ends.
void stampa_centrata(Penna& penna, int larghezza_picture, const std::string& riga) {
    const int16_t larghezza_testo = cint16(plat::picture_larghezza_testo(riga));
    penna.x = static_cast<float>(larghezza_picture - larghezza_testo) / 2.0f;
    penna.stampa(riga);
}

}  // namespace

void FrmZoom::mostra_logo() {
    // No clicks or keys until the show is over (avvio_dissolvenza enables again).
    setEnabled(false);
    plat::picture_pulisci();
    plat::elabora_messaggi();

    const float top =
        static_cast<float>(picZoomed.Height) / 2.0f - static_cast<float>(picLogo.Height) / 2.0f;
    const float left =
        static_cast<float>(picZoomed.Width) / 2.0f - static_cast<float>(picLogo.Width) / 2.0f;
    picLogo.Move(cint(left), cint(top), picLogo.Width, picLogo.Height);
    picLogo.setVisible(true);

    Penna penna;  // Cls put the text position back at the top-left corner
    plat::picture_carattere(CARATTERE, PUNTI, false);
    penna.a_capo("");
    stampa_centrata(penna, picZoomed.Width, RIGA_CREDITI);
    plat::picture_carattere(CARATTERE, PUNTI, true);
    stampa_centrata(penna, picZoomed.Width, RIGA_COLLABORAZIONE);
    plat::picture_carattere(CARATTERE, PUNTI, false);
    plat::picture_ridisegna();
}

void FrmZoom::avvio_dissolvenza() {
    if (versione_nt5()) {
        const plat::Handle finestra = plat::finestra_handle();
        for (int alpha = 0; alpha <= ALPHA_MASSIMO; alpha += ALPHA_PASSO) {
            // The style is read and written at every step, not only once.
            const int32_t stile = plat::GetWindowLongA(finestra, plat::GWL_EXSTYLE_);
            plat::SetWindowLongA(finestra, plat::GWL_EXSTYLE_, stile | plat::WS_EX_LAYERED_);
            plat::SetLayeredWindowAttributes(finestra, 0, static_cast<uint8_t>(alpha),
                                             plat::LWA_ALPHA_);
            plat::Sleep(PAUSA_PASSO_MS);
            // Shown only once fully transparent: never seen opaque before the fade.
            if (alpha < 1) plat::finestra_mostra(true);
            plat::elabora_messaggi();
        }
        plat::Sleep(ATTESA_DISSOLVENZA_MS);
    } else {
        plat::finestra_mostra(true);
        plat::elabora_messaggi();
        plat::Sleep(ATTESA_SENZA_DISSOLVENZA_MS);
    }
    picLogo.setVisible(false);
    plat::picture_pulisci();
    plat::picture_ridisegna();
    // Clicks made during the hold are still queued: the system delivers them once
    // the window is enabled, and a press would then start a drag. Taken now, while
    // the window is still disabled, they are dropped.
    plat::elabora_messaggi();
    // The first tick can only come now, after the picture has been cleared.
    tmrTimer.setEnabled(true);
    setEnabled(true);
}
