#include "win32/window_parts.h"

#include "win32/resources.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

RECT rect_of(const Rect& r) {
    return {r.left, r.top, r.right(), r.bottom()};
}

void draw_icon(HDC dc, HICON icon, int x, int y, int side) {
    if (icon) DrawIconEx(dc, x, y, icon, side, side, 0, nullptr, DI_NORMAL);
}

int tool_icon_id(Tool icon) {
    switch (icon) {
        case Tool::PickColor:
            return resource::kPickColorIcon;
        case Tool::Measure:
            return resource::kMeasureIcon;
        case Tool::Contrast:
            return resource::kContrastIcon;
        case Tool::None:
            break;
    }
    return 0;
}

int lock_icon_id(LockIcon icon) {
    switch (icon) {
        case LockIcon::Open:
            return resource::kOpenPadlock;
        case LockIcon::Closed:
            return resource::kClosedPadlock;
        case LockIcon::Pin:
            return resource::kPushPin;
        case LockIcon::Hidden:
            break;
    }
    return 0;
}

Font message_font(int dpi, int system_dpi) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return {};
    LOGFONTW& font = metrics.lfMessageFont;
    if (dpi != system_dpi) font.lfHeight = MulDiv(font.lfHeight, dpi, system_dpi);
    return Font(CreateFontIndirectW(&font));
}

// Paints through BeginPaint/EndPaint; `paint` gets the DC and the client rectangle.
template <typename F>
void painting(HWND window, F paint) {
    const Painting painting(window);
    RECT client;
    GetClientRect(window, &client);
    if (painting.dc()) paint(painting.dc(), client, painting.area());
}

void draw_strip(HDC dc, const RECT& client, const ViewState& state,
                const PartResources& resources) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // The contrast's reference swatch follows the first one, and the text follows it.
    RECT text_area = rect_of(state.layout.readout);
    if (state.reference) {
        RECT r = rect_of(state.layout.swatch);
        OffsetRect(&r, state.layout.swatch.width + 1, 0);
        Brush reference(CreateSolidBrush(*state.reference & 0x00FFFFFF));
        if (reference) FillRect(dc, &r, reference.get());
        text_area.left = r.right;
    }
    if (!state.readout.empty()) {
        HFONT font = resources.strip_font();
        Selected selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        const std::wstring text = wide(state.readout);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (state.swatch_shown) {
        Brush swatch(CreateSolidBrush(state.swatch & 0x00FFFFFF));
        const RECT r = rect_of(state.layout.swatch);
        if (swatch) FillRect(dc, &r, swatch.get());
    }
    // The icon sits at its cell's top-left corner, one pixel past the strip's edges, as the
    // tool icon does at its own.
    // Both small icons have the tool icon's size at the window's DPI.
    const Rect& close = state.layout.close;
    const Rect& tool = state.layout.tool_icon;
    draw_icon(dc, resources.icon(resource::kCloseIcon), close.left, close.top, tool.width);
    if (const int id = tool_icon_id(state.tool_icon))
        draw_icon(dc, resources.icon(id), tool.left, tool.top, tool.width);
}

}  // namespace

PartResources::PartResources(HINSTANCE instance)
    : instance_(instance),
      logo_(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(resource::kLogo),
                                            IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))),
      measure_brush_(CreateSolidBrush(RGB(0xE0, 0xE0, 0xE0))) {}

void PartResources::set_dpi(int dpi, int system_dpi) {
    strip_font_ = message_font(dpi, system_dpi);
}

HICON PartResources::icon(int id) const {
    const int side = id >= 1000 ? 16 : 32;
    return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_ICON, side, side,
                                         LR_DEFAULTCOLOR | LR_SHARED));
}

HCURSOR PartResources::cursor(int id) const {
    return static_cast<HCURSOR>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0,
                                           LR_DEFAULTSIZE | LR_SHARED));
}

HCURSOR PartResources::pointer(PointerShape shape) const {
    switch (shape) {
        case PointerShape::Drag:
            return cursor(resource::kDragCursor);
        case PointerShape::Eyedropper:
            return cursor(resource::kEyedropperCursor);
        case PointerShape::Arrow:
            break;
    }
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
}

void paint_strip(HWND strip, const ViewState& state, const PartResources& resources) {
    painting(strip, [&](HDC dc, const RECT& client, const RECT&) {
        Dc memory(CreateCompatibleDC(dc));
        Bitmap bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
        if (!memory || !bitmap) return;
        Selected selected(memory.get(), bitmap.get());
        draw_strip(memory.get(), client, state, resources);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    });
}

void paint_lock(HWND lock, const ViewState& state, const PartResources& resources, HDC picture) {
    painting(lock, [&](HDC dc, const RECT& client, const RECT&) {
        if (picture)
            BitBlt(dc, 0, 0, client.right, client.bottom, picture, state.layout.lock.left,
                   state.layout.lock.top, SRCCOPY);
        if (const int id = lock_icon_id(state.lock))
            draw_icon(dc, resources.icon(id), 0, 0, state.layout.lock.width);
    });
}

void paint_logo(HWND logo, const PartResources& resources) {
    painting(logo, [&](HDC dc, const RECT& client, const RECT&) {
        Dc memory(CreateCompatibleDC(dc));
        if (!resources.logo() || !memory) {
            FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            return;
        }
        Selected selected(memory.get(), resources.logo());
        BITMAP logo = {};
        GetObjectW(resources.logo(), sizeof(logo), &logo);
        // Its own size at 96 dpi, stretched to the window's DPI.
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, logo.bmWidth,
                   logo.bmHeight, SRCCOPY);
    });
}

void paint_picture(HDC dc, const RECT& r, HDC picture, const ViewState& state,
                   const PartResources& resources) {
    if (picture)
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, picture, r.left, r.top,
               SRCCOPY);
    if (!state.measure) return;
    RECT outline = rect_of(*state.measure);
    if (outline.right <= outline.left) outline.right = outline.left + 1;
    if (outline.bottom <= outline.top) outline.bottom = outline.top + 1;
    FrameRect(dc, &outline, resources.measure_brush());
}

}  // namespace vitrelo::win32
