// The information box: a modal dialog owned by the main window, built in code
// from an empty in-memory template; its texts and clicks belong to FrmZoomAbout.
#include <vector>

#include "commands/about.h"
#include "platform/win32/win32.h"

namespace {

enum : int {
    ID_ICONA = 100,
    ID_NOME,
    ID_VERSIONE,
    ID_NOTA,
    ID_EMAIL,
    ID_CREDITO,
    ID_LOGO,
    ID_SITO,
    ID_LINEA1,
    ID_LINEA2,
};

constexpr int LARGHEZZA = 330, ALTEZZA = 262;   // client area, pixels
constexpr UINT CURSORE_MANO = 101;

HWND g_box = nullptr;
FrmZoomAbout* g_logica = nullptr;
HFONT g_grassetto = nullptr;

// DLGTEMPLATE, no menu, default class, the caption, then the dialog font.
std::vector<WORD> modello() {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    d->cdit = 0;
    d->cx = 200;
    d->cy = 150;   // resized in pixels once created
    t.push_back(0);   // menu
    t.push_back(0);   // class
    for (const wchar_t* c = L"Vitrelo"; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    t.push_back(8);   // point size
    for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    if (t.size() % 2) t.push_back(0);   // DWORD alignment of what follows
    return t;
}

HWND figlio(HWND box, const wchar_t* classe, DWORD stile, int id, int x, int y, int w, int h) {
    HWND c = CreateWindowExW(0, classe, L"", WS_CHILD | WS_VISIBLE | stile, x, y, w, h, box,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), w32::istanza(),
                             nullptr);
    SendMessageW(c, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
    return c;
}

void testo(HWND box, int id, const std::string& s) {
    SetDlgItemTextW(box, id, w32::wide(s).c_str());
}

void suggerimento(HWND tip, HWND box, int id, const std::string& s) {
    const std::wstring w = w32::wide(s);
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = box;
    ti.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(box, id));
    ti.lpszText = const_cast<wchar_t*>(w.c_str());
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void crea_elementi(HWND box) {
    RECT r{0, 0, LARGHEZZA, ALTEZZA};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
    SetWindowPos(box, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Centred again now that the real size is known.
    RECT s;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &s, 0);
    SetWindowPos(box, nullptr, s.left + (s.right - s.left - (r.right - r.left)) / 2,
                 s.top + (s.bottom - s.top - (r.bottom - r.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    HWND icona = figlio(box, L"STATIC", SS_ICON, ID_ICONA, 14, 12, 32, 32);
    SendMessageW(icona, STM_SETICON, reinterpret_cast<WPARAM>(w32::icona(1)), 0);
    HWND nome = figlio(box, L"STATIC", SS_LEFT, ID_NOME, 58, 12, 250, 22);
    SetWindowTextW(nome, L"Vitrelo");
    LOGFONTW lf = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = lf.lfHeight * 3 / 2;
    g_grassetto = CreateFontIndirectW(&lf);
    if (g_grassetto) SendMessageW(nome, WM_SETFONT, reinterpret_cast<WPARAM>(g_grassetto), FALSE);
    figlio(box, L"STATIC", SS_LEFT, ID_VERSIONE, 58, 36, 250, 16);
    figlio(box, L"STATIC", SS_ETCHEDHORZ, ID_LINEA1, 12, 58, LARGHEZZA - 24, 2);
    figlio(box, L"STATIC", SS_LEFT, ID_NOTA, 14, 66, LARGHEZZA - 28, 16);
    figlio(box, L"STATIC", SS_LEFT | SS_NOTIFY, ID_EMAIL, 14, 86, LARGHEZZA - 28, 16);
    figlio(box, L"STATIC", SS_ETCHEDHORZ, ID_LINEA2, 12, 110, LARGHEZZA - 24, 2);
    figlio(box, L"STATIC", SS_LEFT, ID_CREDITO, 14, 118, LARGHEZZA - 28, 32);
    // The collaborator's logo: 164 x 27 pixels, a framed name standing for the picture.
    figlio(box, L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | WS_BORDER, ID_LOGO,
           (LARGHEZZA - 164) / 2, 156, 164, 27);
    figlio(box, L"STATIC", SS_LEFT | SS_NOTIFY, ID_SITO, 14, 192, LARGHEZZA - 28, 16);
    figlio(box, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, LARGHEZZA - 92, ALTEZZA - 38, 80,
           26);
}

void mostra_testi(HWND box, const FrmZoomAbout& a) {
    SetWindowTextW(box, w32::wide(a.Caption).c_str());
    testo(box, ID_VERSIONE, a.lblProductVersion);
    testo(box, ID_NOTA, a.Label3);
    testo(box, ID_EMAIL, a.lblEmail);
    testo(box, ID_CREDITO, a.lblCredito);
    testo(box, ID_LOGO, about::SITO_COLLABORATORE.substr(about::SITO_COLLABORATORE.find("//") + 2));
    testo(box, ID_SITO, a.lblSitoInternet);
    testo(box, IDOK, a.cmdOK);
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, box,
                               nullptr, w32::istanza(), nullptr);
    if (!tip) return;   // destroyed with the box, its owner
    suggerimento(tip, box, ID_EMAIL, a.lblEmail_ToolTip);
    suggerimento(tip, box, ID_LOGO, a.imgLogo_ToolTip);
    suggerimento(tip, box, ID_SITO, a.lblSitoInternet_ToolTip);
    suggerimento(tip, box, IDOK, a.cmdOK_ToolTip);
}

bool cliccabile(int id) { return id == ID_EMAIL || id == ID_LOGO || id == ID_SITO || id == IDOK; }

INT_PTR CALLBACK proc_about(HWND box, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_INITDIALOG:
            g_box = box;
            crea_elementi(box);
            g_logica->Form_Load();
            mostra_testi(box, *g_logica);
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            // The two addresses read as links: blue on the dialog's own face.
            const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
            if (id != ID_EMAIL && id != ID_SITO) return FALSE;
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, RGB(0, 0, 255));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            const bool clic = HIWORD(wp) == STN_CLICKED || HIWORD(wp) == BN_CLICKED;
            if (id == IDOK && clic) g_logica->cmdOK_Click();
            else if (id == IDCANCEL) g_logica->cmdOK_Click();   // Esc and the close box
            else if (id == ID_EMAIL && clic) g_logica->lblEmail_Click();
            else if (id == ID_SITO && clic) g_logica->lblSitoInternet_Click();
            else if (id == ID_LOGO && clic) g_logica->imgLogo_Click();
            return TRUE;
        }
        case WM_SETCURSOR:
            if (cliccabile(GetDlgCtrlID(reinterpret_cast<HWND>(wp))) && w32::cursore(CURSORE_MANO)) {
                SetCursor(w32::cursore(CURSORE_MANO));
                SetWindowLongPtrW(box, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

namespace plat {

void about_mostra(FrmZoomAbout& box) {
    std::vector<WORD> t = modello();
    g_logica = &box;
    DialogBoxIndirectParamW(w32::istanza(), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                            w32::finestra(), proc_about, 0);
    g_box = nullptr;
    g_logica = nullptr;
    if (g_grassetto) DeleteObject(g_grassetto);
    g_grassetto = nullptr;
}

void about_chiudi() {
    if (g_box) EndDialog(g_box, IDOK);
}

Handle about_handle() { return reinterpret_cast<Handle>(g_box); }

void about_primo_piano() {
    if (g_box) SetWindowPos(g_box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace plat
