// The main window and its child elements. The window procedures only translate
// messages into the handlers of frmZoom; every decision is the logic's.

#include <array>
#include <exception>
#include <map>

#include "core/frmzoom.h"
#include "platform/win32/win32.h"


namespace {

using plat::Elem;

constexpr wchar_t CLASSE_FINESTRA[] = L"VitreloFinestra";
constexpr wchar_t CLASSE_QUADRO[] = L"VitreloQuadro";
constexpr wchar_t CLASSE_STRISCIA[] = L"VitreloStriscia";
constexpr wchar_t CLASSE_LUCCHETTO[] = L"VitreloLucchetto";
constexpr wchar_t CLASSE_LOGO[] = L"VitreloLogo";
constexpr UINT_PTR ID_TIMER = 1;

// What the platform keeps of each element to draw it.
struct Disegno {
    RECT r{};
    bool visibile = true, abilitato = true;
    std::wstring testo;
    COLORREF colore = RGB(255, 255, 255);
    int icona = 0, cursore = 0;
    std::wstring tooltip;
};

HINSTANCE g_ist = nullptr;
HWND g_finestra = nullptr, g_quadro = nullptr, g_striscia = nullptr, g_lucchetto = nullptr,
     g_logo = nullptr, g_tooltip = nullptr;
std::array<Disegno, size_t(Elem::count)> g_el;
bool g_pronta = false;
RECT g_rettangolo{};  // the main window's outer rectangle, kept by WM_WINDOWPOSCHANGED
SIZE g_dimensione{0, 0};
std::map<int, HICON> g_icone;
std::map<int, HCURSOR> g_cursori;
HFONT g_font_striscia = nullptr;

Disegno& el(Elem e) { return g_el[size_t(e)]; }

int16_t maiuscole() {
    int16_t s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= 1;
    if (GetKeyState(VK_CONTROL) < 0) s |= 2;
    if (GetKeyState(VK_MENU) < 0) s |= 4;
    return s;
}

int16_t pulsanti(WPARAM wp) {
    int16_t b = 0;
    if (wp & MK_LBUTTON) b |= 1;
    if (wp & MK_RBUTTON) b |= 2;
    if (wp & MK_MBUTTON) b |= 4;
    return b;
}

float X(LPARAM lp) { return static_cast<float>(static_cast<short>(LOWORD(lp))); }
float Y(LPARAM lp) { return static_cast<float>(static_cast<short>(HIWORD(lp))); }

// A custom pointer set on an element wins over the class cursor.
bool imposta_cursore(int risorsa) {
    if (!risorsa) return false;
    HCURSOR c = w32::cursore(risorsa);
    if (!c) return false;
    SetCursor(c);
    return true;
}

void disegna_icona(HDC dc, int risorsa, int x, int y, int lato) {
    if (HICON i = w32::icona(risorsa)) DrawIconEx(dc, x, y, i, lato, lato, 0, nullptr, DI_NORMAL);
}

bool dentro(const RECT& r, LPARAM lp) {
    POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    return PtInRect(&r, p) != FALSE;
}

// ---- main window --------------------------------------------------------------

LRESULT CALLBACK proc_finestra(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_TIMER:
            if (wp == ID_TIMER) {
                // A pass that fails is dropped and the next tick tries again; nothing
                // may escape into the system's message dispatch.
                try {
                    frmZoom.tmrTimer_Timer();
                } catch (const std::exception&) {
                }
            }
            return 0;
        case WM_WINDOWPOSCHANGED:
            // The rectangle is read on every tick: keep it here rather than ask the
            // window server each time (a round trip under Wine).
            GetWindowRect(h, &g_rettangolo);
            break;  // DefWindowProc sends WM_SIZE and WM_MOVE
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) {
                RECT r;
                GetWindowRect(h, &r);
                const SIZE s{r.right - r.left, r.bottom - r.top};
                if (g_pronta && (s.cx != g_dimensione.cx || s.cy != g_dimensione.cy)) {
                    g_dimensione = s;
                    frmZoom.Form_Resize();
                }
            }
            return 0;
        case WM_MOUSEMOVE:
            // Also the notification icon's callback: lParam then holds the mouse
            // message (0x203, 0x205...), which arrives here as X.
            frmZoom.Form_MouseMove(pulsanti(wp), maiuscole(), X(lp), Y(lp));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            // Only "Chiudi" saves the options; any other way just ends.
            DestroyWindow(h);
            return 0;
        case WM_DESTROY:
            KillTimer(h, ID_TIMER);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

// ---- picZoomed: shows the persistent bitmap, takes the mouse --------------------

// The picture's window keeps its own DC (CS_OWNDC): every pass copies the bitmap
// straight to the screen through it, without invalidating and repainting, which
// costs several round trips to the window server per frame under Wine.
HDC g_dc_quadro = nullptr;

void mostra_quadro(const RECT& r) {
    if (!g_dc_quadro) return;
    if (HDC q = w32::picture_hdc())
        BitBlt(g_dc_quadro, r.left, r.top, r.right - r.left, r.bottom - r.top, q, r.left, r.top,
               SRCCOPY);
    const Disegno& d = el(Elem::shpRect);
    if (d.visibile) {
        // The measuring rectangle: an outline in light grey over the picture.
        HBRUSH b = CreateSolidBrush(RGB(0xE0, 0xE0, 0xE0));
        RECT rr = d.r;
        if (rr.right <= rr.left) rr.right = rr.left + 1;
        if (rr.bottom <= rr.top) rr.bottom = rr.top + 1;
        FrameRect(g_dc_quadro, &rr, b);
        DeleteObject(b);
    }
}

LRESULT CALLBACK proc_quadro(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            mostra_quadro(ps.rcPaint);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && imposta_cursore(el(Elem::picZoomed).cursore)) return TRUE;
            break;
        case WM_LBUTTONDOWN:
            frmZoom.picZoomed_MouseDown(1, maiuscole(), X(lp), Y(lp));
            return 0;
        case WM_RBUTTONDOWN:
            frmZoom.picZoomed_MouseDown(2, maiuscole(), X(lp), Y(lp));
            return 0;
        case WM_MOUSEMOVE:
            frmZoom.picZoomed_MouseMove(pulsanti(wp), maiuscole(), X(lp), Y(lp));
            return 0;
        case WM_LBUTTONUP:
            frmZoom.picZoomed_MouseUp(1, maiuscole(), X(lp), Y(lp));
            return 0;
        case WM_RBUTTONUP:
            frmZoom.picZoomed_MouseUp(2, maiuscole(), X(lp), Y(lp));
            return 0;
        case WM_LBUTTONDBLCLK:
            frmZoom.picZoomed_DblClick();
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

// ---- picLabel: the info strip, with its drawn elements ---------------------------

RECT rett(Elem e) { return el(e).r; }

LRESULT CALLBACK proc_striscia(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            RECT c;
            GetClientRect(h, &c);
            // Drawn off screen first: the text changes on every pass.
            HDC mem = CreateCompatibleDC(dc);
            HBITMAP bmp = CreateCompatibleBitmap(dc, c.right, c.bottom);
            HGDIOBJ vb = SelectObject(mem, bmp);
            FillRect(mem, &c, GetSysColorBrush(COLOR_BTNFACE));
            const Disegno& info = el(Elem::lblInfo);
            if (info.visibile && !info.testo.empty()) {
                HGDIOBJ vf = SelectObject(mem, g_font_striscia);
                SetBkMode(mem, TRANSPARENT);
                SetTextColor(mem, GetSysColor(COLOR_BTNTEXT));
                RECT t = info.r;
                DrawTextW(mem, info.testo.c_str(), static_cast<int>(info.testo.size()), &t,
                          DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
                SelectObject(mem, vf);
            }
            const Disegno& campione = el(Elem::lblBackColor);
            if (campione.visibile) {
                HBRUSH b = CreateSolidBrush(campione.colore);
                FillRect(mem, &campione.r, b);
                DeleteObject(b);
            }
            const Disegno& chiudi = el(Elem::imgClose);
            if (chiudi.visibile) disegna_icona(mem, ICO_CHIUDI, chiudi.r.left + 1, chiudi.r.top + 1, 16);
            const Disegno& lavoro = el(Elem::imgWorkIcon);
            if (lavoro.visibile && lavoro.icona)
                disegna_icona(mem, lavoro.icona, lavoro.r.left, lavoro.r.top, 16);
            BitBlt(dc, 0, 0, c.right, c.bottom, mem, 0, 0, SRCCOPY);
            SelectObject(mem, vb);
            DeleteObject(bmp);
            DeleteDC(mem);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                POINT p;
                GetCursorPos(&p);
                ScreenToClient(h, &p);
                const RECT r = rett(Elem::imgClose);
                if (PtInRect(&r, p) && imposta_cursore(el(Elem::imgClose).cursore)) return TRUE;
            }
            break;
        case WM_LBUTTONUP:
            if (el(Elem::imgClose).visibile && dentro(rett(Elem::imgClose), lp))
                frmZoom.imgClose_Click();
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

// ---- piclock: padlock / push-pin button ------------------------------------------

LRESULT CALLBACK proc_lucchetto(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            RECT c;
            GetClientRect(h, &c);
            // The picture under the button shows around the icon.
            if (HDC q = w32::picture_hdc()) {
                POINT o{0, 0};
                MapWindowPoints(h, g_quadro, &o, 1);
                BitBlt(dc, 0, 0, c.right, c.bottom, q, o.x, o.y, SRCCOPY);
            }
            disegna_icona(dc, el(Elem::piclock).icona, 0, 0, 32);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && imposta_cursore(el(Elem::piclock).cursore)) return TRUE;
            break;
        case WM_LBUTTONDOWN:
            SetCapture(h);
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == h) {
                ReleaseCapture();
                RECT c;
                GetClientRect(h, &c);
                if (dentro(c, lp)) frmZoom.piclock_Click();
            }
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

// ---- picLogo ------------------------------------------------------------------------

LRESULT CALLBACK proc_logo(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(h, &ps);
        RECT c;
        GetClientRect(h, &c);
        HBITMAP logo = static_cast<HBITMAP>(
            LoadImageW(g_ist, MAKEINTRESOURCEW(BMP_LOGO), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        if (logo) {
            HDC mem = CreateCompatibleDC(dc);
            HGDIOBJ v = SelectObject(mem, logo);
            BitBlt(dc, 0, 0, c.right, c.bottom, mem, 0, 0, SRCCOPY);
            SelectObject(mem, v);
            DeleteDC(mem);
            DeleteObject(logo);
        } else {
            FillRect(dc, &c, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        }
        EndPaint(h, &ps);
        return 0;
    }
    if (m == WM_ERASEBKGND) return 1;
    return DefWindowProcW(h, m, wp, lp);
}

bool registra(const wchar_t* nome, WNDPROC proc, UINT stile, HCURSOR cursore) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = stile;
    wc.lpfnWndProc = proc;
    wc.hInstance = g_ist;
    wc.hCursor = cursore ? cursore : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = nome;
    if (proc == proc_finestra) {
        wc.hIcon = LoadIconW(g_ist, MAKEINTRESOURCEW(1));
        wc.hIconSm = static_cast<HICON>(
            LoadImageW(g_ist, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    }
    return RegisterClassExW(&wc) != 0;
}

HWND figlio(const wchar_t* classe, HWND genitore, const Elemento& e, DWORD stile = 0) {
    return CreateWindowExW(0, classe, L"", WS_CHILD | WS_CLIPSIBLINGS | stile |
                                               (e.Visible ? WS_VISIBLE : 0),
                           e.Left, e.Top, e.Width, e.Height, genitore, nullptr, g_ist, nullptr);
}

void aggiungi_tooltip(HWND padre, UINT_PTR id, UINT flags, const RECT& r) {
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = flags | TTF_SUBCLASS;
    ti.hwnd = padre;
    ti.uId = id;
    ti.rect = r;
    ti.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(g_tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void testo_tooltip(HWND padre, UINT_PTR id, const std::wstring& testo) {
    TOOLINFOW ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = padre;
    ti.uId = id;
    ti.lpszText = const_cast<wchar_t*>(testo.c_str());
    SendMessageW(g_tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void ridisegna(Elem e) {
    switch (e) {
        case Elem::picZoomed:
        case Elem::shpRect:
            if (g_quadro) InvalidateRect(g_quadro, nullptr, FALSE);
            break;
        case Elem::picLabel:
        case Elem::imgWorkIcon:
        case Elem::imgClose:
        case Elem::lblBackColor:
        case Elem::lblInfo:
            if (g_striscia) InvalidateRect(g_striscia, nullptr, FALSE);
            break;
        case Elem::piclock:
            if (g_lucchetto) InvalidateRect(g_lucchetto, nullptr, FALSE);
            break;
        default:
            break;
    }
}

}  // namespace

namespace w32 {

HINSTANCE istanza() { return g_ist; }
HWND finestra() { return g_finestra; }

HWND elemento(Elem e) {
    switch (e) {
        case Elem::picZoomed: return g_quadro;
        case Elem::picLabel: return g_striscia;
        case Elem::piclock: return g_lucchetto;
        case Elem::picLogo: return g_logo;
        default: return nullptr;
    }
}

HICON icona(int risorsa) {
    auto it = g_icone.find(risorsa);
    if (it != g_icone.end()) return it->second;
    const int lato = risorsa >= 1000 ? 16 : 32;
    HICON i = static_cast<HICON>(LoadImageW(g_ist, MAKEINTRESOURCEW(risorsa), IMAGE_ICON, lato,
                                            lato, LR_DEFAULTCOLOR | LR_SHARED));
    g_icone[risorsa] = i;  // a missing resource stays missing: nothing is drawn
    return i;
}

HCURSOR cursore(int risorsa) {
    auto it = g_cursori.find(risorsa);
    if (it != g_cursori.end()) return it->second;
    HCURSOR c = static_cast<HCURSOR>(LoadImageW(g_ist, MAKEINTRESOURCEW(risorsa), IMAGE_CURSOR, 0,
                                                0, LR_DEFAULTSIZE | LR_SHARED));
    g_cursori[risorsa] = c;
    return c;
}

std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

std::string utf8(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr,
                        nullptr);
    return s;
}

bool crea_finestre() {
    g_ist = GetModuleHandleW(nullptr);
    if (!registra(CLASSE_FINESTRA, proc_finestra, 0, nullptr) ||
        !registra(CLASSE_QUADRO, proc_quadro, CS_DBLCLKS | CS_OWNDC, nullptr) ||
        !registra(CLASSE_STRISCIA, proc_striscia, 0, nullptr) ||
        !registra(CLASSE_LUCCHETTO, proc_lucchetto, 0, nullptr) ||
        !registra(CLASSE_LOGO, proc_logo, 0, nullptr))
        return false;

    // The model's design state is the windows' first state.
    for (const Elemento* e : {&frmZoom.picZoomed, &frmZoom.picLabel, &frmZoom.imgWorkIcon,
                              &frmZoom.imgClose, &frmZoom.lblBackColor, &frmZoom.lblInfo,
                              &frmZoom.piclock, &frmZoom.shpRect, &frmZoom.picLogo}) {
        Disegno& d = el(e->id);
        d.r = {e->Left, e->Top, e->Left + e->Width, e->Top + e->Height};
        d.visibile = e->Visible;
        d.abilitato = e->Enabled;
    }

    // A resizable frame without a caption: the picture is the whole window and
    // dragging it moves the window.
    const Elemento& q = frmZoom.picZoomed;
    RECT r{0, 0, q.Width, q.Height};
    const DWORD stile = WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN;
    AdjustWindowRectEx(&r, stile, FALSE, 0);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    g_finestra = CreateWindowExW(0, CLASSE_FINESTRA, L"Vitrelo", stile, x, y, w, h, nullptr,
                                 nullptr, g_ist, nullptr);
    if (!g_finestra) return false;
    g_quadro = figlio(CLASSE_QUADRO, g_finestra, q, WS_CLIPCHILDREN);
    if (g_quadro) g_dc_quadro = GetDC(g_quadro);  // its own DC: never released
    g_striscia = figlio(CLASSE_STRISCIA, g_quadro, frmZoom.picLabel);
    g_lucchetto = figlio(CLASSE_LUCCHETTO, g_quadro, frmZoom.piclock);
    g_logo = figlio(CLASSE_LOGO, g_finestra, frmZoom.picLogo);
    if (!g_quadro || !g_striscia || !g_lucchetto || !g_logo) return false;
    SetWindowPos(g_logo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    quadro_dimensiona(q.Width, q.Height);

    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
        g_font_striscia = CreateFontIndirectW(&ncm.lfMessageFont);
    if (!g_font_striscia) g_font_striscia = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

    // No owner: under Wine a window that owns a topmost window can no longer be
    // made topmost itself (SetWindowPos HWND_TOPMOST is silently lost). Windows
    // does not care; an unowned tooltip works the same on both.
    g_tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                nullptr, nullptr, g_ist, nullptr);
    if (g_tooltip) {
        aggiungi_tooltip(g_lucchetto, reinterpret_cast<UINT_PTR>(g_lucchetto), TTF_IDISHWND, {});
        aggiungi_tooltip(g_striscia, 1, 0, el(Elem::imgClose).r);
        testo_tooltip(g_striscia, 1, L"Chiudi");
    }

    GetWindowRect(g_finestra, &g_rettangolo);
    g_dimensione = {g_rettangolo.right - g_rettangolo.left, g_rettangolo.bottom - g_rettangolo.top};
    g_pronta = true;
    return true;
}

int esegui_programma(void (*dopo_avvio)()) {
    // Common controls first, so the visual-styles manifest applies to them.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    frmZoom.Form_Initialize();
    if (!crea_finestre()) return 1;
    frmZoom.Form_Load();
    if (dopo_avvio) dopo_avvio();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    quadro_libera();
    return static_cast<int>(msg.wParam);
}

}  // namespace w32

namespace plat {

// ---- elements ----
void elemento_posiziona(Elem e, int l, int t, int w, int h) {
    Disegno& d = el(e);
    d.r = {l, t, l + w, t + h};
    if (HWND hw = w32::elemento(e)) {
        if (e == Elem::picZoomed) w32::quadro_dimensiona(w, h);
        MoveWindow(hw, l, t, w, h, TRUE);
    } else {
        ridisegna(e);
    }
    if (e == Elem::imgClose && g_tooltip) {
        TOOLINFOW ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = g_striscia;
        ti.uId = 1;
        ti.rect = d.r;
        SendMessageW(g_tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void elemento_visibile(Elem e, bool v) {
    el(e).visibile = v;
    if (HWND hw = w32::elemento(e)) {
        if (v && e == Elem::picLogo)
            SetWindowPos(hw, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(hw, v ? SW_SHOWNA : SW_HIDE);
    } else {
        ridisegna(e);
    }
}

void elemento_abilitato(Elem e, bool v) {
    el(e).abilitato = v;
    if (HWND hw = w32::elemento(e)) EnableWindow(hw, v);
}

void elemento_testo(Elem e, const std::string& s) {
    el(e).testo = w32::wide(s);
    ridisegna(e);
}

void elemento_colore(Elem e, Colore c) {
    el(e).colore = static_cast<COLORREF>(c) & 0x00FFFFFF;
    ridisegna(e);
}

void elemento_icona(Elem e, int r) {
    el(e).icona = r;
    ridisegna(e);
}

void elemento_tooltip(Elem e, const std::string& s) {
    el(e).tooltip = w32::wide(s);
    if (!g_tooltip) return;
    if (e == Elem::piclock)
        testo_tooltip(g_lucchetto, reinterpret_cast<UINT_PTR>(g_lucchetto), el(e).tooltip);
    else if (e == Elem::imgClose)
        testo_tooltip(g_striscia, 1, el(e).tooltip);
}

void elemento_cursore(Elem e, int r) {
    el(e).cursore = r;
    // The pointer changes at once when it is over the element, not at the next move.
    POINT p;
    GetCursorPos(&p);
    HWND sotto = WindowFromPoint(p);
    if (sotto && sotto == w32::elemento(e)) {
        if (r) imposta_cursore(r);
        else SendMessageW(sotto, WM_SETCURSOR, reinterpret_cast<WPARAM>(sotto), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

// ---- main window ----
Rettangolo finestra_rettangolo() {
    const RECT& r = g_rettangolo;
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void finestra_sposta(int left, int top) {
    SetWindowPos(g_finestra, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void finestra_dimensiona(int w, int h) {
    const Rettangolo r = finestra_rettangolo();
    if (r.width == w && r.height == h) return;
    // WM_SIZE runs Form_Resize before SetWindowPos returns.
    SetWindowPos(g_finestra, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int finestra_client_larghezza() {
    RECT r{};
    GetClientRect(g_finestra, &r);
    return r.right;
}

int finestra_client_altezza() {
    RECT r{};
    GetClientRect(g_finestra, &r);
    return r.bottom;
}

void finestra_mostra(bool v) { ShowWindow(g_finestra, v ? SW_SHOW : SW_HIDE); }
void finestra_abilita(bool v) { EnableWindow(g_finestra, v); }

void finestra_primo_piano(bool attiva) {
    SetWindowPos(g_finestra, attiva ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

Handle finestra_handle() { return reinterpret_cast<Handle>(g_finestra); }

void timer_imposta(bool abilitato, int intervallo) {
    if (!g_finestra) return;
    if (abilitato)
        SetTimer(g_finestra, ID_TIMER, static_cast<UINT>(intervallo), nullptr);  // replaces a running one
    else
        KillTimer(g_finestra, ID_TIMER);
}

void picture_ridisegna() {
    if (!g_quadro) return;
    const Disegno& q = el(Elem::picZoomed);
    mostra_quadro({0, 0, q.r.right - q.r.left, q.r.bottom - q.r.top});
    if (el(Elem::piclock).visibile && g_lucchetto) InvalidateRect(g_lucchetto, nullptr, FALSE);
}

// ---- messages ----
void messaggio_informazione(const std::string& testo, const std::string& titolo) {
    MessageBoxW(g_finestra, w32::wide(testo).c_str(), w32::wide(titolo).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void messaggio_errore(const std::string& testo, const std::string& titolo) {
    MessageBoxW(g_finestra, w32::wide(testo).c_str(), w32::wide(titolo).c_str(),
                MB_OK | MB_ICONSTOP);
}

void elabora_messaggi() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool input_in_attesa() { return HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0; }

void Sleep(unsigned ms) { ::Sleep(ms); }

}  // namespace plat
