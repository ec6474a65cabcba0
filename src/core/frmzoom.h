// The main window frmZoom: its elements, its shared state and its procedures.
//
// One object, as the program is one window. Its member procedures are defined
// across the rooms that own them: core/ (start-up, render cycle, overlays, colour
// readout, settings), window/ (layout, presets, logo and fade), commands/ (menu
// handlers, mouse and freeze, tray, about box), export/ (image commands).
#pragma once

#include <cstdint>
#include <string>

#include "commands/menu.h"
#include "core/elementi.h"
#include "core/tipi.h"
#include "platform/platform.h"

// The tray icon record, NOTIFYICONDATA in its 88-byte ANSI form.
struct DatiIcona {
    uint32_t cbSize = 0;
    plat::Handle hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;
    uint32_t uCallbackMessage = 0;
    int hIcon = 0;      // resource number of the icon (imgIconTray)
    std::string szTip;  // "Vitrelo"; the platform pads the 64-byte field
};

struct Timer {
    bool Enabled = false;
    int Interval = 125;
    void setEnabled(bool v) {
        Enabled = v;
        plat::timer_imposta(Enabled, Interval);
    }
    void setInterval(int ms) {
        Interval = ms;
        plat::timer_imposta(Enabled, Interval);
    }
};

struct FrmZoom {
    // ---- shared state, in the documented order ----
    Colore colore_corrente = 0;
    float fattore_zoom = 0.0f;
    bool cursore_fuori = false;
    bool colore_attivo = false;
    Punto punto_cursore;
    DatiIcona dati_icona;
    bool immagine_bloccata = false;
    bool blocco_temporaneo = false;
    bool griglia_attiva = false;
    bool misura_attiva = false;
    Punto punto_misura;
    Punto punto_riferimento;
    int32_t twip_x = 0, twip_y = 0;
    int32_t larghezza_schermo = 0, altezza_schermo = 0;
    std::string file_ini;
    int32_t scarto_x = 0, scarto_y = 0;
    bool mostra_cursore = false;
    bool in_caricamento = false;
    int16_t inizio_x = 0, inizio_y = 0;

    // ---- elements (pixels, inside their containers) ----
    Elemento picZoomed{plat::Elem::picZoomed, 0, 0, 300, 255};
    Elemento picLabel{plat::Elem::picLabel, 0, 238, 300, 17, false};
    Elemento imgWorkIcon{plat::Elem::imgWorkIcon, 282, -1, 16, 16, false};
    Elemento imgClose{plat::Elem::imgClose, -1, -1, 18, 18};
    Elemento lblBackColor{plat::Elem::lblBackColor, 18, -1, 16, 16, false};
    Elemento lblInfo{plat::Elem::lblInfo, 34, 0, 300, 17};
    Elemento piclock{plat::Elem::piclock, 8, 8, 32, 32, false};
    Elemento shpRect{plat::Elem::shpRect, 0, 0, 0, 0, false};
    Elemento picLogo{plat::Elem::picLogo, 0, 0, 144, 95, false};
    Timer tmrTimer;
    Menubar menubar;

    // ---- the window's own properties: position and size in twips ----
    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);   // a real change of size runs Form_Resize, nested
    void setHeight(float twips);
    int ScaleWidth() const;       // client area, pixels
    int ScaleHeight() const;
    float ScreenWidth() const { return static_cast<float>(larghezza_schermo * twip_x); }
    float ScreenHeight() const { return static_cast<float>(altezza_schermo * twip_y); }
    bool Enabled = true;
    void setEnabled(bool v);

    // ---- start-up (core/avvio.cpp) ----
    void Form_Initialize();
    void Form_Load();
    void mostra_messaggio(const std::string& testo);

    // ---- render cycle (core/render.cpp) ----
    void tmrTimer_Timer();
    void aggiorna_zoom();
    bool punto_nella_finestra(Punto p) const;
    void controlla_clic_mouse();
    void controlla_InputMetric();

    // ---- overlays and colour readout (core/overlay.cpp) ----
    void disegna_griglia();
    plat::Handle crea_pennello_griglia(plat::Handle dc, Colore colore1, Colore colore2);
    void disegna_cursore();
    void mostra_colore(const Colore& valore);

    // ---- settings (core/impostazioni.cpp) ----
    void leggi_impostazioni();
    void salva_impostazioni();

    // ---- layout, presets, logo and fade (window/) ----
    void Form_Resize();
    void mnuD_Click(int16_t Index);
    void limita_allo_schermo();
    void aggiorna_menu_dimensione();
    void mostra_logo();
    void avvio_dissolvenza();

    // ---- menu commands (commands/) ----
    void mnuZ_Click(int16_t Index);
    void mnuR_Click(int16_t Index);
    void mnuInverti_Click();
    void mnuGriglia_Click();
    void mnuColor_Click();
    void mnuDimensioni_Click();
    void mnuM_Click();
    void mnuH_Click(int16_t Index);
    void mnuC_Click();
    void mnuCattura_Click();
    void mnuC_S_Click(int16_t Index);

    // ---- mouse, freeze and capture (commands/) ----
    void picZoomed_MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void picZoomed_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void picZoomed_MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void picZoomed_DblClick();
    void piclock_Click();
    void imgClose_Click();

    // ---- tray (commands/) ----
    void minimizza_ripristina();
    void Cancella_icona();
    void imposta_visibile(bool stato);
    void Form_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
};

// Program-wide: true while the window is shown, false while it is in the tray.
extern bool finestra_visibile;
extern FrmZoom frmZoom;

// ---- program-level modules ----
// Modulo1 (core/modulo1.cpp)
std::string percorso_app();
bool esiste_file(const std::string& percorso);
void suona(int16_t numero);
void sempre_in_primo_piano(bool attiva);
std::string cartella_temporanea();
bool versione_nt5();
// modINI (core/modini.cpp)
std::string leggi_ini(const std::string& sezione, const std::string& chiave,
                      const std::string& percorso, const std::string& predefinito);
void scrivi_ini(const std::string& sezione, const std::string& chiave, const std::string& valore,
                const std::string& percorso);
