#include "win32/calibration_box.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "magnifier/measures.h"
#include "magnifier/settings.h"
#include "magnifier/texts.h"
#include "win32/raii.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

enum Part : int { kDiagonalLabel = 100, kDiagonal, kCardLabel, kPpi };

// Pixels at 96 dpi; the box is scaled to the monitor's DPI. The bar is in the monitor's
// own pixels: that is what it measures.
constexpr int kMargin = 12, kBarTop = 84, kBarHeight = 24, kHeight = 160, kMinimumWidth = 440;

struct CalibrationBox {
    Monitor monitor;
    double ppi;
    Language language;
    int width = 0;  // the client area's, pixels
    bool dragging = false;
};

CalibrationBox& state_of(HWND box) {
    return *reinterpret_cast<CalibrationBox*>(GetWindowLongPtrW(box, DWLP_USER));
}

int scaled(const CalibrationBox& s, int pixels) {
    return MulDiv(pixels, s.monitor.dpi, 96);
}

int bar_length(const CalibrationBox& s) {
    return round_even(s.ppi * kCardMillimetres / kMillimetresPerInch);
}

RECT bar_area(const CalibrationBox& s) {
    return {scaled(s, kMargin), scaled(s, kBarTop), s.width - scaled(s, kMargin),
            scaled(s, kBarTop + kBarHeight)};
}

void append(std::vector<WORD>& t, const std::wstring& s) {
    t.insert(t.end(), s.begin(), s.end());
    t.push_back(0);
}

// A DLGTEMPLATE with no parts: they are made once the box exists, in pixels.
std::vector<WORD> empty_template(const std::string& title) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.push_back(0);  // menu
    t.push_back(0);  // class
    append(t, wide(title));
    t.push_back(8);  // point size
    append(t, L"MS Shell Dlg");
    if (t.size() % 2) t.push_back(0);  // DWORD alignment
    return t;
}

void add_part(HWND box, const wchar_t* kind, DWORD style, int id, RECT r,
              const std::string& caption) {
    HWND part = CreateWindowExW(
        kind == std::wstring(L"EDIT") ? WS_EX_CLIENTEDGE : 0, kind, wide(caption).c_str(),
        WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left, r.bottom - r.top, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(part, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
}

void show_ppi(HWND box) {
    const Language language = state_of(box).language;
    SetDlgItemTextW(
        box, kPpi,
        wide(text::kCalibrationPpi.in(language) + decimal_text(state_of(box).ppi, 1, language))
            .c_str());
    const RECT bar = bar_area(state_of(box));
    InvalidateRect(box, &bar, FALSE);
}

// Wide enough for the bar of a screen up to twice as dense as its DPI says (a small laptop
// screen at 100 % has some 160 pixels an inch), or longer if it is already, within the
// monitor; centred on it.
void lay_out(HWND box) {
    CalibrationBox& s = state_of(box);
    const int longest = std::max(
        bar_length(s), round_even(2.0 * s.monitor.dpi * kCardMillimetres / kMillimetresPerInch));
    s.width = std::max(scaled(s, kMinimumWidth),
                       std::min(s.monitor.width - 40, longest + scaled(s, 4 * kMargin)));
    const int height = scaled(s, kHeight);
    RECT r{0, 0, s.width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(box, HWND_TOPMOST, s.monitor.left + (s.monitor.width - w) / 2,
                 s.monitor.top + (s.monitor.height - h) / 2, w, h, SWP_NOACTIVATE);
    const auto at = [&](int x, int y, int width, int h96) {
        return RECT{scaled(s, x), scaled(s, y), scaled(s, x) + width, scaled(s, y + h96)};
    };
    const int inner = s.width - scaled(s, 2 * kMargin);
    const Language language = s.language;
    add_part(box, L"STATIC", SS_LEFT, kDiagonalLabel, at(kMargin, 15, scaled(s, 260), 16),
             text::kCalibrationDiagonal.in(language));
    add_part(box, L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, kDiagonal,
             at(kMargin + 270, 12, scaled(s, 70), 22), "");
    add_part(box, L"STATIC", SS_LEFT, kCardLabel, at(kMargin, 44, inner, 34),
             text::kCalibrationCard.in(language));
    add_part(box, L"STATIC", SS_LEFT, kPpi, at(kMargin, 118, scaled(s, 200), 16), "");
    add_part(box, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
             {s.width - scaled(s, 184), height - scaled(s, 36), s.width - scaled(s, 104),
              height - scaled(s, 10)},
             text::kOk.in(language));
    add_part(box, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
             {s.width - scaled(s, 92), height - scaled(s, 36), s.width - scaled(s, 12),
              height - scaled(s, 10)},
             text::kCancel.in(language));
    show_ppi(box);
}

void paint_bar(HWND box) {
    const Painting painting(box);
    const CalibrationBox& s = state_of(box);
    if (!painting.dc()) return;
    const RECT area = bar_area(s);
    FillRect(painting.dc(), &area, GetSysColorBrush(COLOR_WINDOW));
    RECT bar = area;
    bar.right = std::min(area.right, area.left + bar_length(s));
    const Brush blue(CreateSolidBrush(RGB(40, 90, 200)));
    if (blue) FillRect(painting.dc(), &bar, blue.get());
    // The end to drag, darker.
    RECT end = bar;
    end.left = std::max(bar.left, bar.right - scaled(s, 6));
    const Brush dark(CreateSolidBrush(RGB(10, 30, 90)));
    if (dark) FillRect(painting.dc(), &end, dark.get());
}

// The bar's end to the pointer's x, within the bar's area.
void drag_to(HWND box, int x) {
    CalibrationBox& s = state_of(box);
    const RECT area = bar_area(s);
    const int length =
        std::clamp(x, static_cast<int>(area.left) + 1, static_cast<int>(area.right)) - area.left;
    s.ppi = std::clamp(ppi_from_card(length), kMinimumPpi, kMaximumPpi);
    show_ppi(box);
}

void diagonal_typed(HWND box) {
    wchar_t typed[32] = {};
    GetDlgItemTextW(box, kDiagonal, typed, 32);
    std::string text = utf8(typed);
    std::replace(text.begin(), text.end(), ',', '.');  // "23,8" as Italian users write it
    const std::optional<double> inches = parse_decimal(text);
    CalibrationBox& s = state_of(box);
    if (!inches || *inches <= 0) return;
    const double ppi = ppi_from_diagonal(s.monitor.width, s.monitor.height, *inches);
    if (ppi < kMinimumPpi || ppi > kMaximumPpi) return;
    s.ppi = ppi;
    show_ppi(box);
}

INT_PTR CALLBACK calibration_procedure(HWND box, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(box, DWLP_USER, lp);
            lay_out(box);
            return TRUE;
        case WM_PAINT:
            paint_bar(box);
            return TRUE;
        case WM_LBUTTONDOWN: {
            const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
            RECT area = bar_area(state_of(box));
            InflateRect(&area, 0, 4);
            if (!PtInRect(&area, p)) return FALSE;
            state_of(box).dragging = true;
            SetCapture(box);
            SetDlgItemTextW(box, kDiagonal, L"");  // the bar's measure replaces the typed one
            drag_to(box, p.x);
            return TRUE;
        }
        case WM_MOUSEMOVE:
            if (state_of(box).dragging) drag_to(box, static_cast<short>(LOWORD(lp)));
            return TRUE;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            if (state_of(box).dragging) state_of(box).dragging = false, ReleaseCapture();
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == kDiagonal && HIWORD(wp) == EN_CHANGE) diagonal_typed(box);
            if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) EndDialog(box, LOWORD(wp));
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<double> show_calibration_box(HWND owner, const Monitor& monitor, double ppi,
                                           Language language) {
    CalibrationBox state{monitor, ppi, language};
    std::vector<WORD> t =
        empty_template(std::string(text::kCalibrationTitlePrefix.in(language)) + monitor.name);
    const INT_PTR chosen =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(t.data()),
                                owner, calibration_procedure, reinterpret_cast<LPARAM>(&state));
    if (chosen != IDOK) return std::nullopt;
    return state.ppi;
}

}  // namespace vitrelo::win32
