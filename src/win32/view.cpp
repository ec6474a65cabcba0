#include "win32/view.h"

#include "magnifier/texts.h"
#include "win32/libraries.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

constexpr int kSystemTickMs = 16;  // rounded up from 15.6

Font credits_font(int dpi, bool italic) {
    return Font(CreateFontW(-MulDiv(10, dpi, 72), 0, 0, 0, FW_NORMAL, italic ? TRUE : FALSE, FALSE,
                            FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial"));
}

int line_height(HDC dc, const Font& font) {
    Selected selected(dc, font.get());
    TEXTMETRICW metrics = {};
    if (!GetTextMetricsW(dc, &metrics)) return 0;
    return metrics.tmHeight + metrics.tmExternalLeading;
}

// A line wider than the picture starts left of it and loses both ends.
void print_centred(HDC dc, const Font& font, int picture_width, int y, const std::string& line) {
    Selected selected(dc, font.get());
    const std::wstring text = wide(line);
    SIZE extent = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int x = round_even((picture_width - extent.cx) / 2.0);
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF color = SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, color);
    SetBkMode(dc, mode);
}

}  // namespace

Win32View::Win32View(HINSTANCE instance, Windows& windows, Picture& picture)
    : windows_(windows), picture_(picture), resources_(instance) {}

Win32View::~Win32View() {
    set_fine_timer(false);
}

void Win32View::created() {
    dpi_changed(window_dpi(windows_.main));
    remember_geometry();
    RECT client = {};
    GetClientRect(windows_.main, &client);
    client_resized({client.right, client.bottom});
}

void Win32View::dpi_changed(int dpi) {
    dpi_ = dpi;
    resources_.set_dpi(dpi, window_dpi(nullptr));
    if (windows_.strip) InvalidateRect(windows_.strip, nullptr, FALSE);
}

void Win32View::remember_geometry() {
    RECT r = {};
    if (!GetWindowRect(windows_.main, &r)) return;
    window_rect_ = {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool Win32View::client_resized(Size client) {
    if (client == client_size_) return false;
    // GDI may refuse a picture that large (a huge window in the 32-bit build): the old
    // one stays, and with it the size everything is laid out and drawn by.
    if (!picture_.resize(client)) return false;
    client_size_ = client;
    if (windows_.picture) MoveWindow(windows_.picture, 0, 0, client.width, client.height, TRUE);
    return true;
}

void Win32View::set_window_rect(const Rect& r) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (r.left == window_rect_.left && r.top == window_rect_.top) flags |= SWP_NOMOVE;
    if (r.size() == window_rect_.size()) flags |= SWP_NOSIZE;
    if ((flags & SWP_NOMOVE) && (flags & SWP_NOSIZE)) return;
    // WM_SIZE tells the controller of a new size before SetWindowPos returns.
    SetWindowPos(windows_.main, nullptr, r.left, r.top, r.width, r.height, flags);
}

void Win32View::limit_tracking(MINMAXINFO& info) const {
    const Size minimum = state_.minimum_size;
    if (minimum.width > 0 && minimum.height > 0)
        info.ptMinTrackSize = {minimum.width, minimum.height};
    if (const auto& maximum = state_.maximum_size)
        info.ptMaxTrackSize = {maximum->width, maximum->height};
}

void Win32View::show(const ViewState& state) {
    const ViewState old = state_;
    state_ = state;  // what the parts paint from
    if (state.layout != old.layout) lay_out(state.layout);
    if (state.strip_shown != old.strip_shown)
        ShowWindow(windows_.strip, state.strip_shown ? SW_SHOWNA : SW_HIDE);
    // The strip's text is the readout, for screen readers and other programs; set
    // only on a change, as painting is.
    if (state.readout != old.readout) SetWindowTextW(windows_.strip, wide(state.readout).c_str());
    if (state.readout != old.readout || state.swatch_shown != old.swatch_shown ||
        state.swatch != old.swatch || state.reference != old.reference ||
        state.tool_icon != old.tool_icon)
        InvalidateRect(windows_.strip, nullptr, FALSE);
    if (state.language != old.language)
        set_tooltip(windows_.strip, 1, text::kCloseTip.in(state.language));
    show_lock(state, old);
    if (state.measure != old.measure) InvalidateRect(windows_.picture, nullptr, FALSE);
    // The pointer changes at once, not at the next move of the mouse.
    if (state.picture_pointer != old.picture_pointer && pointer_over(windows_.picture))
        SetCursor(resources_.pointer(state.picture_pointer));
    if (state.logo_shown != old.logo_shown) show_logo(state.logo_shown);
    show_window(state, old);
}

// The window itself last: once shown, it is seen as described.
void Win32View::show_window(const ViewState& state, const ViewState& old) {
    if (state.topmost != old.topmost)
        SetWindowPos(windows_.main, state.topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE);
    if (state.enabled != old.enabled) {
        EnableWindow(windows_.main, state.enabled);
        // Made active while disabled (the start-up show), the window is left without the
        // keyboard focus, and its keys would come as WM_SYSKEYDOWN: it takes the focus that
        // activation gives.
        if (state.enabled && GetActiveWindow() == windows_.main && !GetFocus())
            SetFocus(windows_.main);
    }
    if (state.alpha != old.alpha) set_alpha(state.alpha);
    if (state.shown != old.shown) ShowWindow(windows_.main, state.shown ? SW_SHOW : SW_HIDE);
}

void Win32View::show_logo(bool shown) {
    if (shown) {
        SetWindowPos(windows_.logo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        draw_credits();
    }
    ShowWindow(windows_.logo, shown ? SW_SHOWNA : SW_HIDE);
}

void Win32View::lay_out(const Layout& layout) {
    auto move = [](HWND w, const Rect& r) {
        MoveWindow(w, r.left, r.top, r.width, r.height, TRUE);
    };
    move(windows_.picture, layout.picture);
    move(windows_.strip, layout.strip);
    move(windows_.lock, layout.lock);
    move(windows_.logo, layout.logo);
    InvalidateRect(windows_.strip, nullptr, FALSE);
    // The close icon's tip follows the icon.
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = windows_.strip;
    tool.uId = 1;
    tool.rect = {layout.close.left, layout.close.top, layout.close.right(), layout.close.bottom()};
    SendMessageW(windows_.tooltip.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32View::show_lock(const ViewState& state, const ViewState& old) {
    if (state.lock_enabled != old.lock_enabled) EnableWindow(windows_.lock, state.lock_enabled);
    if (state.lock == old.lock && state.language == old.language) return;
    if (state.lock == LockIcon::Hidden) {
        ShowWindow(windows_.lock, SW_HIDE);
        return;
    }
    InvalidateRect(windows_.lock, nullptr, FALSE);
    ShowWindow(windows_.lock, SW_SHOWNA);
    const HWND lock = windows_.lock;
    if (state.lock == LockIcon::Open)
        set_tooltip(lock, reinterpret_cast<UINT_PTR>(lock),
                    text::kLeaveCaptureTip.in(state.language));
    else if (state.lock == LockIcon::Closed)
        set_tooltip(lock, reinterpret_cast<UINT_PTR>(lock), text::kUnlockTip.in(state.language));
}

void Win32View::set_tooltip(HWND tool_window, UINT_PTR id, const std::string& text) {
    std::wstring tip = wide(text);
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = tool_window;
    tool.uId = id;
    tool.lpszText = tip.data();
    SendMessageW(windows_.tooltip.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool Win32View::pointer_over(HWND window) const {
    POINT p;
    return GetCursorPos(&p) && WindowFromPoint(p) == window;
}

void Win32View::present() {
    if (!windows_.picture_dc) return;
    // Straight to the screen through the window's own DC: invalidating and painting
    // would cost several round trips to the window server per frame under Wine.
    const Size size = picture_.size();
    paint_picture(windows_.picture_dc, {0, 0, size.width, size.height}, picture_.dc(), state_,
                  resources_);
    if (state_.lock != LockIcon::Hidden) InvalidateRect(windows_.lock, nullptr, FALSE);
}

// The credit lines, centred over the picture (the second in italics).
void Win32View::draw_credits() {
    const HDC dc = picture_.dc();
    if (!dc) return;
    const Font normal = credits_font(dpi(), false);
    const Font italic = credits_font(dpi(), true);
    const int width = picture_.size().width;
    // Each line starts where the one before ended, the first below an empty one.
    const int height = line_height(dc, normal);
    print_centred(dc, normal, width, height, text::kCredits.in(state_.language));
    print_centred(dc, italic, width, 2 * height, text::kCreditsTeam.in(state_.language));
}

// Layered windows exist from Windows 2000 on, and the program needs XP anyway. Should
// the system refuse the alpha, the window still shows, opaque: the fade goes unseen
// and the start-up show only takes its time. Opaque, the window is layered no more: the
// system would compose a layered window's every frame.
void Win32View::set_alpha(uint8_t alpha) {
    const LONG style = GetWindowLongW(windows_.main, GWL_EXSTYLE);
    if (alpha == 255) {
        if (!(style & WS_EX_LAYERED)) return;
        SetWindowLongW(windows_.main, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
        // Drawn again by the window itself, as it was composed before.
        RedrawWindow(windows_.main, nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        return;
    }
    SetWindowLongW(windows_.main, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(windows_.main, 0, alpha, LWA_ALPHA);
}

void Win32View::drag() {
    ReleaseCapture();
    // The system's move loop runs inside this call until the button is released.
    SendMessageW(windows_.main, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Win32View::set_timer(std::optional<int> period_ms) {
    // SetTimer rounds its period up to the system's tick, about 15.6 ms unless a
    // program asks for more precision. The precision is held from before a shorter
    // period starts until after it stops, and never otherwise: a finer tick costs the
    // machine power.
    const bool fine = period_ms && *period_ms < kSystemTickMs;
    if (fine) set_fine_timer(true);
    if (period_ms && windows_.main)
        SetTimer(windows_.main, kTimerId, static_cast<UINT>(*period_ms), nullptr);
    else if (windows_.main)
        KillTimer(windows_.main, kTimerId);
    if (!fine) set_fine_timer(false);
}

void Win32View::set_fine_timer(bool on) {
    // Every timeEndPeriod must match a timeBeginPeriod that succeeded. Since Windows 10
    // 2004 the precision is this process's alone; before, it was the whole system's.
    if (on == fine_timer_) return;
    if (!winmm_) winmm_ = load_system_library(L"winmm.dll");
    const auto begin =
        library_function<decltype(&timeBeginPeriod)>(winmm_.get(), "timeBeginPeriod");
    const auto end = library_function<decltype(&timeEndPeriod)>(winmm_.get(), "timeEndPeriod");
    if (on) {
        fine_timer_ = begin && end && begin(1) == TIMERR_NOERROR;
    } else {
        end(1);  // there since its timeBeginPeriod
        fine_timer_ = false;
    }
}

}  // namespace vitrelo::win32
