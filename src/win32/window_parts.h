// The painting of the window's parts (info strip, lock button, logo) and what they
// are painted with, loaded once.
#pragma once

#include "app/ports.h"
#include "win32/raii.h"

namespace vitrelo::win32 {

class PartResources {
public:
    explicit PartResources(HINSTANCE instance);
    // Icons and cursors of the program's resources, shared: the system owns them.
    HICON icon(int id) const;
    HCURSOR cursor(int id) const;
    HCURSOR pointer(PointerShape shape) const;
    HFONT strip_font() const { return strip_font_.get(); }
    // The strip's font for a window drawn at `dpi` (the system's message font is made
    // for `system_dpi`).
    void set_dpi(int dpi, int system_dpi);
    HBITMAP logo() const { return logo_.get(); }
    HBRUSH measure_brush() const { return measure_brush_.get(); }

private:
    HINSTANCE instance_;
    Font strip_font_;  // the system's message font, at the window's DPI
    Bitmap logo_;
    Brush measure_brush_;
};

// The strip, drawn off screen first: its text changes on every pass.
void paint_strip(HWND strip, const ViewState& state, const PartResources& resources);
// The lock button: the picture under it, then its icon.
void paint_lock(HWND lock, const ViewState& state, const PartResources& resources, HDC picture);
void paint_logo(HWND logo, const PartResources& resources);
// The picture (the area `r` of it) and the measuring outline, through `dc`.
void paint_picture(HDC dc, const RECT& r, HDC picture, const ViewState& state,
                   const PartResources& resources);

}  // namespace vitrelo::win32
