// Hiding the window as a notification-area icon and bringing it back.
#include "commands/tray.h"

#include "commands/popup.h"

namespace {

constexpr uint32_t NIF_MESSAGE_ICON_TIP = 1 | 2 | 4;
constexpr uint32_t WM_MOUSEMOVE_ = 0x0200;
constexpr int CLIC_DOPPIO_ICONA = 0x0203;   // WM_LBUTTONDBLCLK
constexpr int RILASCIO_DESTRO_ICONA = 0x0205;  // WM_RBUTTONUP

}  // namespace


plat::DatiNotifica dati_notifica(const DatiIcona& d) {
    plat::DatiNotifica n;
    n.cbSize = d.cbSize;
    n.hWnd = d.hWnd;
    n.uID = d.uID;
    n.uFlags = d.uFlags;
    n.uCallbackMessage = d.uCallbackMessage;
    n.hIcon = d.hIcon;
    n.szTip = d.szTip;
    return n;
}

void FrmZoom::minimizza_ripristina() {
    if (finestra_visibile) {
        dati_icona.cbSize = 88;
        dati_icona.hWnd = plat::finestra_handle();
        dati_icona.uID = 1;
        dati_icona.uFlags = NIF_MESSAGE_ICON_TIP;
        dati_icona.uCallbackMessage = WM_MOUSEMOVE_;
        dati_icona.hIcon = ICO_TRAY;
        dati_icona.szTip = "Vitrelo";
        // Without an icon a hidden window could never be brought back (no
        // taskbar button, no shell tray): it stays shown and running.
        if (!plat::notifica_icona(plat::NIM_ADD_, dati_notifica(dati_icona))) return;
        imposta_visibile(false);
        plat::finestra_mostra(false);
    } else {
        plat::finestra_mostra(true);
        Cancella_icona();
    }
}

void FrmZoom::Cancella_icona() {
    dati_icona.cbSize = 88;
    dati_icona.hWnd = plat::finestra_handle();
    dati_icona.uID = 1;
    plat::notifica_icona(plat::NIM_DELETE_, dati_notifica(dati_icona));
    imposta_visibile(true);
}

void FrmZoom::imposta_visibile(bool stato) {
    finestra_visibile = stato;
    tmrTimer.setEnabled(stato);
    Menubar& m = menubar;
    for (VoceMenu* v : {&m.mnuzoom, &m.mnudimensione, &m.mnuRefresh, &m.mnucopia, &m.mnuColor,
                        &m.mnuCattura, &m.mnuInverti, &m.mnuGriglia, &m.mnuhelp, &m.mnuDimensioni,
                        &m.spazio0, &m.spazio1})
        v->Visible = stato;
    m.mnuM.Caption = stato ? "Minimizza" : "Ripristina";
}

// The icon's notifications arrive as mouse moves over the window whose X is the
// notification code; ordinary moves over the bare window surface meet the same test.
void FrmZoom::Form_MouseMove(int16_t, int16_t, float X, float) {
    switch (cint(X)) {
    case CLIC_DOPPIO_ICONA:
        plat::finestra_mostra(true);
        Cancella_icona();
        break;
    case RILASCIO_DESTRO_ICONA:
        apri_menubar(true);
        break;
    default:
        break;
    }
}
