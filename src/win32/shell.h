// The Shell port: the command menu as a popup, and the notification-area icon.
#pragma once

#include "app/ports.h"
#include "win32/windows_headers.h"

namespace vitrelo::win32 {

class Win32Shell final : public Shell {
public:
    // `window` is the main window: the menu's owner and the icon's message target;
    // `language` the one its texts are in, the icon's tip's.
    Win32Shell(HINSTANCE instance, const HWND& window, const Language& language)
        : instance_(instance), window_(window), language_(language) {}
    ~Win32Shell() override;
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    std::optional<int> popup(const std::vector<MenuItem>& items, bool from_tray,
                             std::optional<Point> at) override;
    bool set_tray_icon(bool shown) override {
        if (shown) return add_tray_icon();
        remove_tray_icon();
        return true;
    }

private:
    bool add_tray_icon();
    void remove_tray_icon();

    HINSTANCE instance_;
    const HWND& window_;
    const Language& language_;
    HWND tray_window_ = nullptr;  // the window the icon was added for, while it is there
};

}  // namespace vitrelo::win32
