// The mouse on the picture: dragging the window, the menu, the eyedropper and the
// measuring outline on a frozen picture; the padlock and the strip's close icon.
#include "app/controller.h"

#include "magnifier/overlays.h"
#include "magnifier/readout.h"

namespace vitrelo {

void Controller::left_button_down(Point at) {
    if (state_.tool == Tool::Measure && state_.freeze == Freeze::Locked) {
        state_.measure_start = at;
        state_.view.measure = measure_rect(at, at);
        if (const auto p = ports_.screen.pointer()) state_.reference = *p;
        show_view();
        return;
    }
    timer(false);
    state_.view.picture_pointer = PointerShape::Drag;
    show_view();
    ports_.view.drag();
    state_.view.picture_pointer = PointerShape::Arrow;
    show_view();
    timer(true);
    // The window may have gone to a monitor of another size.
    keep_window_on_screen();
    update_size_limits();
}

void Controller::right_button_down() {
    open_menu(false);
}

void Controller::keyboard_menu() {
    const Rect& picture = state_.view.layout.picture;
    open_menu(false, Point{picture.left + picture.width / 2, picture.top + picture.height / 2});
}

void Controller::pointer_moved(Point at, bool left_button) {
    ViewState& v = state_.view;
    if (frozen(state_.freeze) &&
        (state_.tool == Tool::PickColor || state_.tool == Tool::Contrast)) {
        if (v.picture_pointer != PointerShape::Eyedropper) {
            v.picture_pointer = PointerShape::Eyedropper;
            v.swatch_shown = true;
        }
        // The colour of the frozen, magnified picture, not of the screen behind it.
        const PixelView picture = ports_.view.picture();
        const bool inside = !picture.empty() && at.x >= 0 && at.y >= 0 && at.x < picture.width &&
                            at.y < picture.height;
        if (inside) {
            state_.color =
                color_from_pixel(picture.pixels[static_cast<size_t>(at.y) * picture.width + at.x]);
            v.swatch = state_.color;
        }
        v.readout = color_readout_of(inside ? state_.color : kWhite);
    } else if (left_button && state_.tool == Tool::Measure && state_.freeze == Freeze::Locked) {
        v.measure = measure_rect(state_.measure_start, at);
    } else {
        v.picture_pointer = PointerShape::Arrow;
    }
    show_view();
}

void Controller::button_up() {
    state_.view.measure.reset();
    show_view();
}

void Controller::double_clicked() {
    minimize_or_restore();
}

void Controller::close_icon_clicked() {
    if (state_.tool != Tool::None) toggle_tool(state_.tool);
}

void Controller::lock_clicked() {
    // Hidden outside capture mode; greyed during the Ctrl pause.
    if (!state_.capture_mode || state_.freeze == Freeze::HeldByCtrl) return;
    if (state_.freeze == Freeze::Locked) {
        state_.freeze = Freeze::Live;
        state_.blank_next_pass = true;
    } else {
        toggle_capture();
        ports_.system.play(Sound::Leave);
    }
    fill(ports_.view.picture(), kWhite);
    state_.view.readout.clear();
    show_view();
    ports_.view.present();  // now, not at the next tick: the timer may be slow or held
}

}  // namespace vitrelo
