// The View port: the main window's geometry, its parts, the picture on the screen.
#pragma once

#include <optional>

#include "app/ports.h"
#include "win32/window.h"
#include "win32/window_parts.h"
#include "win32/window_picture.h"

namespace vitrelo::win32 {

class Win32View final : public View {
public:
    Win32View(HINSTANCE instance, Windows& windows, Picture& picture);
    ~Win32View() override;  // gives back the timer precision if still held
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    Rect window_rect() override { return window_rect_; }
    void set_window_rect(const Rect& r) override;
    int dpi() override { return dpi_; }
    void show(const ViewState& state) override;
    PixelView picture() override { return picture_.pixels(); }
    void present() override;
    void drag() override;
    void set_timer(std::optional<int> period_ms) override;

    // From the window procedures.
    const ViewState& state() const { return state_; }
    const PartResources& resources() const { return resources_; }
    HDC picture_dc() const { return picture_.dc(); }
    Size client_size() const { return client_size_; }
    // The window moved or changed size (WM_WINDOWPOSCHANGED).
    void remember_geometry();
    // The client area has `client` pixels: the picture follows. True for a real change,
    // false also when the picture cannot be made that large (the old one stays).
    bool client_resized(Size client);
    void limit_tracking(MINMAXINFO& info) const;
    // After the windows exist: their first state.
    void created();
    // The window is drawn at `dpi` from now on (WM_DPICHANGED): what is drawn at the
    // DPI's sizes is made anew.
    void dpi_changed(int dpi);

private:
    void show_window(const ViewState& state, const ViewState& old);
    void lay_out(const Layout& layout);
    void show_lock(const ViewState& state, const ViewState& old);
    void show_logo(bool shown);
    void draw_credits();
    void set_alpha(uint8_t alpha);
    void set_fine_timer(bool on);
    void set_tooltip(HWND tool_window, UINT_PTR id, const std::string& text);
    bool pointer_over(HWND window) const;

    Windows& windows_;
    Picture& picture_;
    PartResources resources_;
    ViewState state_;  // as shown
    Rect window_rect_;
    Size client_size_;
    int dpi_ = 96;
    Module winmm_;             // the timer's precision, loaded at its first use
    bool fine_timer_ = false;  // a timeBeginPeriod not yet matched by its timeEndPeriod
};

}  // namespace vitrelo::win32
