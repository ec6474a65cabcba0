#include "win32/shell.h"

#include <cwchar>

#include "magnifier/texts.h"
#include "win32/raii.h"
#include "win32/resources.h"
#include "win32/text.h"
#include "win32/window.h"

namespace vitrelo::win32 {

namespace {

// One level of the menu; each submenu belongs to its parent once appended.
Menu build(const std::vector<MenuItem>& items) {
    Menu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const MenuItem& item : items) {
        if (item.separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED) |
                     (item.enabled ? MF_ENABLED : MF_GRAYED);
        UINT_PTR id = static_cast<UINT_PTR>(item.id);
        Menu submenu;
        if (!item.children.empty()) {
            submenu = build(item.children);
            if (!submenu) continue;
            flags |= MF_POPUP;
            id = reinterpret_cast<UINT_PTR>(submenu.get());
        }
        const std::wstring text = wide(item.text);
        if (AppendMenuW(menu.get(), flags, id, text.c_str()))
            submenu.release();  // the parent's now
        if (item.radio) {
            // One of a group: a dot for the check mark (AppendMenu takes no such flag).
            MENUITEMINFOW info = {};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_STRING | MFT_RADIOCHECK;
            SetMenuItemInfoW(menu.get(), static_cast<UINT>(item.id), FALSE, &info);
        }
        if (item.is_default) SetMenuDefaultItem(menu.get(), static_cast<UINT>(item.id), FALSE);
    }
    return menu;
}

NOTIFYICONDATAW icon_data(HWND window) {
    NOTIFYICONDATAW data = {};
    // The record's first form: every version of the shell takes it.
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = 1;
    return data;
}

}  // namespace

Win32Shell::~Win32Shell() {
    remove_tray_icon();
}

std::optional<int> Win32Shell::popup(const std::vector<MenuItem>& items, bool from_tray,
                                     std::optional<Point> at) {
    const Menu menu = build(items);
    if (!menu) return std::nullopt;
    POINT p = {};
    if (at) {
        p = {at->x, at->y};
        ClientToScreen(window_, &p);
    } else {
        GetCursorPos(&p);
    }
    // From the tray the window is hidden and not active: without this the menu
    // would not close when the user clicks elsewhere.
    if (from_tray) SetForegroundWindow(window_);
    const int chosen = static_cast<int>(TrackPopupMenuEx(
        menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
        p.x, p.y, window_, nullptr));
    // The classic companion of the call above: the next click dismisses a later
    // tray menu at once.
    if (from_tray) PostMessageW(window_, WM_NULL, 0, 0);
    // 0 when dismissed: no item has that id.
    if (chosen == 0) return std::nullopt;
    return chosen;
}

bool Win32Shell::add_tray_icon() {
    NOTIFYICONDATAW data = icon_data(window_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(resource::kTrayIcon),
                                               IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR | LR_SHARED));
    const std::wstring tip = wide(text::kTrayTip.in(language_));
    std::wcsncpy(data.szTip, tip.c_str(), 63);  // the first form's field holds 64
    // The shell's "TaskbarCreated" notice comes also after a change of the display's scale
    // or resolution and when a remote session connects, with the icon still there: adding
    // it fails then, and it is brought up to date instead.
    if (!Shell_NotifyIconW(NIM_ADD, &data) && !Shell_NotifyIconW(NIM_MODIFY, &data)) return false;
    tray_window_ = window_;
    return true;
}

void Win32Shell::remove_tray_icon() {
    if (!tray_window_) return;
    NOTIFYICONDATAW data = icon_data(tray_window_);
    // Forgotten only once the shell has removed it (a busy shell can refuse): an icon
    // left behind is asked for again, at the latest when the program ends.
    if (Shell_NotifyIconW(NIM_DELETE, &data)) tray_window_ = nullptr;
}

}  // namespace vitrelo::win32
