#include "win32/window.h"

#include "magnifier/texts.h"
#include "win32/application.h"
#include "win32/libraries.h"
#include "win32/resources.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

// The class the program has always had: outside tools find the window by it.
constexpr wchar_t kMainClass[] = L"VitreloFinestra";
constexpr wchar_t kPictureClass[] = L"VitreloPicture";
constexpr wchar_t kStripClass[] = L"VitreloStrip";
constexpr wchar_t kLockClass[] = L"VitreloLock";
constexpr wchar_t kLogoClass[] = L"VitreloLogo";
constexpr UINT kDoubleClick = WM_LBUTTONDBLCLK;  // the tray icon's mouse messages
constexpr UINT kRightButtonUp = WM_RBUTTONUP;
// WM_DPICHANGED (Windows 8.1): the headers for Windows XP do not name it.
constexpr UINT kDpiChanged = 0x02E0;

// Every window of the program finds the Application here, set at WM_NCCREATE.
Application* application_of(HWND h, UINT m, LPARAM lp) {
    if (m == WM_NCCREATE) {
        auto* app = static_cast<Application*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app));
        return app;
    }
    return reinterpret_cast<Application*>(GetWindowLongPtrW(h, GWLP_USERDATA));
}

Point point_of(LPARAM lp) {
    return {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
}

// Shift+F10 and the menu key reach the focused window as WM_CONTEXTMENU at the point
// (-1, -1); one with a real point comes from a right-click on the frame or the strip,
// which opens nothing.
bool keyboard_menu(Application& app, LPARAM lp) {
    if (LOWORD(lp) != 0xFFFF || HIWORD(lp) != 0xFFFF) return false;
    app.guarded([&] { app.controller().keyboard_menu(); });
    return true;
}

bool pointer_inside(HWND h, const Rect& r) {
    POINT p;
    return GetCursorPos(&p) && ScreenToClient(h, &p) && r.contains({p.x, p.y});
}

LRESULT main_message(Application& app, HWND h, UINT m, WPARAM wp, LPARAM lp) {
    Controller& controller = app.controller();
    if (m == app.windows().taskbar_created && m != 0) {
        app.guarded([&] { controller.shell_restarted(); });
        return 0;
    }
    switch (m) {
        case WM_TIMER:
            if (wp == kTimerId) app.guarded([&] { controller.tick(); });
            return 0;
        case WM_WINDOWPOSCHANGED:
            // Read on every tick: kept here rather than asked of the window server.
            app.view().remember_geometry();
            break;  // DefWindowProc sends WM_SIZE and WM_MOVE
        case WM_SIZE:
            if (wp != SIZE_MINIMIZED) app.client_resized({LOWORD(lp), HIWORD(lp)});
            return 0;
        case WM_DISPLAYCHANGE:
            app.screen().screens_changed();
            app.guarded([&] { controller.display_changed(); });
            break;
        case kDpiChanged: {
            // A per-monitor aware window moved to a monitor of another scale, or the
            // scale changed: the new DPI, and the rectangle the system suggests for it.
            const RECT& r = *reinterpret_cast<const RECT*>(lp);
            app.screen().screens_changed();  // a monitor's DPI as remembered may be old
            app.view().dpi_changed(LOWORD(wp));
            app.guarded([&] {
                controller.dpi_changed({r.left, r.top, r.right - r.left, r.bottom - r.top});
            });
            return 0;
        }
        case WM_GETMINMAXINFO:
            app.view().limit_tracking(*reinterpret_cast<MINMAXINFO*>(lp));
            return 0;
        case WM_CONTEXTMENU:
            if (keyboard_menu(app, lp)) return 0;
            break;
        case WM_KEYDOWN:
        case WM_CHAR:
            if (key_message(app, m, wp)) return 0;
            break;
        case WM_MOUSEWHEEL:
            // Sent to the focused window (on Windows 10 and later, to the window under the
            // pointer); the picture's DefWindowProc hands it on to this one.
            app.guarded([&] {
                controller.wheel_turned(GET_WHEEL_DELTA_WPARAM(wp), point_of(lp),
                                        static_cast<uint32_t>(GetMessageTime()));
            });
            return 0;
        case kTrayMessage:
            if (static_cast<UINT>(lp) == kDoubleClick)
                app.guarded([&] { controller.tray_double_clicked(); });
            if (static_cast<UINT>(lp) == kRightButtonUp)
                app.guarded([&] { controller.tray_menu(); });
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CLOSE:
            // Alt+F4 ends the program as "Chiudi" does, options saved.
            if (!app.ready()) DestroyWindow(h);
            app.guarded([&] { controller.close_requested(); });
            return 0;
        case WM_ENDSESSION:
            // Windows ends the process once this returns: no time for anything but
            // the options (WM_QUERYENDSESSION is answered yes by DefWindowProc). The
            // Restart Manager asks the program to close itself instead.
            if (wp)
                app.guarded([&] { controller.session_ending((lp & ENDSESSION_CLOSEAPP) != 0); });
            return 0;
        case WM_DESTROY:
            KillTimer(h, kTimerId);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            app.main_window_gone();
            break;
    }
    return DefWindowProcW(h, m, wp, lp);
}

LRESULT picture_message(Application& app, HWND h, UINT m, WPARAM wp, LPARAM lp) {
    Controller& controller = app.controller();
    switch (m) {
        case WM_PAINT: {
            const Painting painting(h);
            if (painting.dc())
                paint_picture(painting.dc(), painting.area(), app.view().picture_dc(),
                              app.view().state(), app.view().resources());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) != HTCLIENT) break;
            SetCursor(app.view().resources().pointer(app.view().state().picture_pointer));
            return TRUE;
        case WM_LBUTTONDOWN:
            app.guarded([&] { controller.left_button_down(point_of(lp)); });
            return 0;
        case WM_RBUTTONDOWN:
            app.guarded([&] { controller.right_button_down(); });
            return 0;
        case WM_MOUSEMOVE:
            app.guarded([&] { controller.pointer_moved(point_of(lp), (wp & MK_LBUTTON) != 0); });
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            app.guarded([&] { controller.button_up(); });
            return 0;
        case WM_LBUTTONDBLCLK:
            app.guarded([&] { controller.double_clicked(); });
            return 0;
        case WM_CONTEXTMENU:
            if (keyboard_menu(app, lp)) return 0;
            break;
        case WM_KEYDOWN:
        case WM_CHAR:
            if (key_message(app, m, wp)) return 0;
            break;
    }
    return DefWindowProcW(h, m, wp, lp);
}

LRESULT strip_message(Application& app, HWND h, UINT m, WPARAM wp, LPARAM lp) {
    const ViewState& state = app.view().state();
    switch (m) {
        case WM_PAINT:
            paint_strip(h, state, app.view().resources());
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && pointer_inside(h, state.layout.close)) {
                SetCursor(app.view().resources().cursor(resource::kHandCursor));
                return TRUE;
            }
            break;
        case WM_LBUTTONUP:
            if (state.strip_shown && state.layout.close.contains(point_of(lp)))
                app.guarded([&] { app.controller().close_icon_clicked(); });
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

LRESULT lock_message(Application& app, HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_PAINT:
            paint_lock(h, app.view().state(), app.view().resources(), app.view().picture_dc());
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lp) != HTCLIENT) break;
            SetCursor(app.view().resources().cursor(resource::kHandCursor));
            return TRUE;
        case WM_LBUTTONDOWN:
            SetCapture(h);
            return 0;
        case WM_LBUTTONUP:
            // A click: pressed and released on the button.
            if (GetCapture() == h) {
                ReleaseCapture();
                RECT c;
                GetClientRect(h, &c);
                if (Rect{0, 0, c.right, c.bottom}.contains(point_of(lp)))
                    app.guarded([&] { app.controller().lock_clicked(); });
            }
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

LRESULT logo_message(Application& app, HWND h, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        paint_logo(h, app.view().resources());
        return 0;
    }
    if (m == WM_ERASEBKGND) return 1;
    return DefWindowProcW(h, m, wp, lp);
}

using Handler = LRESULT (*)(Application&, HWND, UINT, WPARAM, LPARAM);

// Every message reaches the program's code through here; nothing thrown may cross
// DispatchMessage (or the system's own loops: a menu, a move, a dialog).
template <Handler handler>
LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    // WM_GETMINMAXINFO comes before WM_NCCREATE: no Application yet.
    Application* app = application_of(h, m, lp);
    if (!app) return DefWindowProcW(h, m, wp, lp);
    try {
        return handler(*app, h, m, wp, lp);
    } catch (const std::exception& e) {
        app->failed(e.what());
    } catch (...) {
        app->failed("an exception of no standard type");
    }
    return DefWindowProcW(h, m, wp, lp);
}

bool register_class(HINSTANCE instance, const wchar_t* name, WNDPROC proc, UINT style) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = name;
    if (proc == procedure<main_message>) {
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(resource::kAppIcon));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource::kAppIcon),
                                                   IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    }
    // A second Application in one process (the Win32-side tests) finds them registered.
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool register_classes(HINSTANCE instance) {
    return register_class(instance, kMainClass, procedure<main_message>, 0) &&
           register_class(instance, kPictureClass, procedure<picture_message>,
                          CS_DBLCLKS | CS_OWNDC) &&
           register_class(instance, kStripClass, procedure<strip_message>, 0) &&
           register_class(instance, kLockClass, procedure<lock_message>, 0) &&
           register_class(instance, kLogoClass, procedure<logo_message>, 0);
}

HWND child(HINSTANCE instance, Application& app, const wchar_t* name, HWND parent, RECT r,
           DWORD style) {
    return CreateWindowExW(0, name, L"", WS_CHILD | WS_CLIPSIBLINGS | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr, instance, &app);
}

void add_tool(HWND tooltip, HWND window, UINT_PTR id, UINT flags, const wchar_t* tip) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(tip);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void create_tooltip(HINSTANCE instance, Windows& w) {
    // No owner: under Wine a window that owns a topmost window can no longer be made
    // topmost itself (SetWindowPos HWND_TOPMOST is silently lost). Windows does not
    // care; an unowned tooltip works the same on both.
    const HWND tooltip = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!tooltip) return;
    w.tooltip.reset(tooltip);
    add_tool(tooltip, w.lock, reinterpret_cast<UINT_PTR>(w.lock), TTF_IDISHWND, L"");
    // In the language the view's first state gives it.
    const std::wstring close_tip = wide(text::kCloseTip.in(Language::Italian));
    add_tool(tooltip, w.strip, 1, 0, close_tip.c_str());
}

// Run as administrator, the program would not hear the shell's broadcast from a process
// of lower integrity (UIPI), and its tray icon would not come back after a restart of
// Explorer. The filter is Windows 7's, else Vista's; older systems have no UIPI.
void let_through(HWND window, UINT message) {
    using FilterForWindow = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using FilterForProcess = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW and MSGFLT_ADD
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (const auto filter =
            library_function<FilterForWindow>(user32, "ChangeWindowMessageFilterEx"))
        filter(window, message, kAllow, nullptr);
    else if (const auto old =
                 library_function<FilterForProcess>(user32, "ChangeWindowMessageFilter"))
        old(message, kAllow);
}

}  // namespace

int window_dpi(HWND window) {
    // GetDpiForWindow is there from Windows 10 1607; the manifest then makes the
    // program aware of each monitor's DPI.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    const auto dpi_for_window =
        library_function<DpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (window && dpi_for_window)
        if (const UINT dpi = dpi_for_window(window)) return static_cast<int>(dpi);
    // The system's DPI: every monitor's before Windows 8.1.
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

bool create_windows(HINSTANCE instance, Application& app, SIZE client, Windows& w) {
    if (!register_classes(instance)) return false;
    w.taskbar_created = RegisterWindowMessageW(L"TaskbarCreated");
    // A resizable frame without a caption: the picture is the whole window and
    // dragging it moves the window.
    const DWORD style = WS_POPUP | WS_THICKFRAME | WS_CLIPCHILDREN;
    RECT r = {0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    const std::wstring title = wide(text::kTitle);
    w.main = CreateWindowExW(0, kMainClass, title.c_str(), style, x, y, width, height, nullptr,
                             nullptr, instance, &app);
    if (!w.main) return false;
    if (w.taskbar_created) let_through(w.main, w.taskbar_created);
    const RECT whole = {0, 0, client.cx, client.cy};
    w.picture = child(instance, app, kPictureClass, w.main, whole, WS_CLIPCHILDREN | WS_VISIBLE);
    if (w.picture) w.picture_dc = GetDC(w.picture);  // its own DC: never released
    w.strip = child(instance, app, kStripClass, w.picture, {}, 0);
    w.lock = child(instance, app, kLockClass, w.picture, {}, 0);
    w.logo = child(instance, app, kLogoClass, w.main, {}, 0);
    if (!w.picture || !w.strip || !w.lock || !w.logo) return false;
    // The logo lies above the picture.
    SetWindowPos(w.logo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    create_tooltip(instance, w);
    return true;
}

}  // namespace vitrelo::win32
