// The program's windows: the main window and its parts, created hidden and bound to
// the Application, whose window procedures turn messages into controller calls.
#pragma once

#include "win32/windows_headers.h"

namespace vitrelo::win32 {

class Application;

// A top-level window destroyed with its owner, unless the system destroyed it first.
class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND w) : w_(w) {}
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow() { reset(); }
    HWND get() const { return w_; }
    void reset(HWND w = nullptr) {
        if (w_ && IsWindow(w_)) DestroyWindow(w_);
        w_ = w;
    }

private:
    HWND w_ = nullptr;
};

struct Windows {
    // The main window; null until it exists and once it is gone. The services read it.
    HWND main = nullptr;
    HWND picture = nullptr;    // the whole client area; takes the mouse
    HWND strip = nullptr;      // the info strip, a child of the picture
    HWND lock = nullptr;       // the lock button, a child of the picture
    HWND logo = nullptr;       // a child of the main window, above the picture
    HDC picture_dc = nullptr;  // the picture window's own DC (CS_OWNDC), never released
    OwnedWindow tooltip;       // unowned: see create_windows
    UINT taskbar_created = 0;  // the message the shell broadcasts when it (re)starts
};

// Registers the classes and creates the windows hidden, the main window centred
// with a client area of `client`; false when a window cannot be made.
bool create_windows(HINSTANCE instance, Application& app, SIZE client, Windows& windows);

// A key message of the main window or the picture handed to the controller; false when it
// is not one of the program's keys.
bool key_message(Application& app, UINT message, WPARAM key);

// The DPI a window is drawn at: its monitor's where the system knows one per monitor
// (Windows 10 1607 and later), else the system's.
int window_dpi(HWND window);

// Messages the main window takes besides the system's.
constexpr UINT kTrayMessage = WM_APP + 1;  // the tray icon's: lParam is the mouse message
constexpr UINT_PTR kTimerId = 1;

}  // namespace vitrelo::win32
