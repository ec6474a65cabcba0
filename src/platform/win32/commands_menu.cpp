// The command menu as a Win32 popup, the notification icon and the window drag.
#include <memory>

#include "platform/win32/commands_menu.h"

namespace {

struct DistruggiMenu {
    void operator()(HMENU m) const { DestroyMenu(m); }   // submenus go with their parent
};
using MenuPopup = std::unique_ptr<std::remove_pointer_t<HMENU>, DistruggiMenu>;

// One level of the tree; submenus are attached to it and owned by it from then on.
HMENU costruisci(const std::vector<plat::VocePopup>& voci) {
    HMENU m = CreatePopupMenu();
    if (!m) return nullptr;
    for (const plat::VocePopup& v : voci) {
        if (v.separatore) {
            AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flag = MF_STRING | (v.spuntata ? MF_CHECKED : MF_UNCHECKED) |
                    (v.abilitata ? MF_ENABLED : MF_GRAYED);
        UINT_PTR id = static_cast<UINT_PTR>(v.id);
        if (!v.sottovoci.empty()) {
            HMENU sotto = costruisci(v.sottovoci);
            if (!sotto) continue;
            flag |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(sotto);
        }
        const std::wstring testo = w32::wide(v.testo);
        if (!AppendMenuW(m, flag, id, testo.c_str()) && (flag & MF_POPUP))
            DestroyMenu(reinterpret_cast<HMENU>(id));
        if (v.predefinita) SetMenuDefaultItem(m, static_cast<UINT>(v.id), FALSE);
    }
    return m;
}

// The ANSI tip field of the record's first form, 64 bytes (newer headers declare
// it longer; the V1 size leaves the rest out): the text, a zero byte, then
// blanks to the end of the field.
constexpr size_t TIP_V1 = 64;
template <size_t N>
void riempi_tip(CHAR (&campo)[N], const std::string& testo_utf8) {
    static_assert(N >= TIP_V1, "tip field");
    const std::wstring w = w32::wide(testo_utf8);
    char ansi[TIP_V1] = {};
    const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), ansi,
                                      static_cast<int>(TIP_V1) - 1, nullptr, nullptr);
    for (size_t i = 0; i < TIP_V1; ++i) campo[i] = ' ';
    for (int i = 0; i < n; ++i) campo[i] = ansi[i];
    campo[n > 0 ? n : 0] = '\0';
}

}  // namespace

HMENU w32::crea_menu_popup(const std::vector<plat::VocePopup>& voci) { return costruisci(voci); }

namespace plat {

int menu_popup(const std::vector<VocePopup>& voci, bool dal_tray) {
    MenuPopup menu(w32::crea_menu_popup(voci));
    if (!menu) return 0;
    HWND h = w32::finestra();
    POINT p{};
    ::GetCursorPos(&p);
    // From the tray the window is hidden and not active: without this the menu
    // would not close when the user clicks elsewhere.
    if (dal_tray) SetForegroundWindow(h);
    const int scelta = static_cast<int>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
        p.x, p.y, h, nullptr));
    // The classic companion of the call above: lets the next click dismiss a
    // later tray menu at once.
    if (dal_tray) PostMessageW(h, WM_NULL, 0, 0);
    return scelta;
}

bool notifica_icona(uint32_t messaggio, const DatiNotifica& d) {
    NOTIFYICONDATAA n = {};
    // The record's first, ANSI form: 88 bytes on 32-bit Windows (d.cbSize); the
    // same fields are wider on 64-bit, so the size comes from the header.
    n.cbSize = NOTIFYICONDATAA_V1_SIZE;
    n.hWnd = reinterpret_cast<HWND>(d.hWnd);
    n.uID = d.uID;
    n.uFlags = d.uFlags;
    n.uCallbackMessage = d.uCallbackMessage;
    n.hIcon = d.hIcon ? w32::icona(d.hIcon) : nullptr;
    riempi_tip(n.szTip, d.szTip);
    return Shell_NotifyIconA(messaggio, &n) != FALSE;
}

void ReleaseCapture() { ::ReleaseCapture(); }

intptr_t invia_messaggio(Handle finestra, uint32_t messaggio, uintptr_t wParam, intptr_t lParam) {
    return SendMessageW(reinterpret_cast<HWND>(finestra), messaggio, wParam, lParam);
}

}  // namespace plat
