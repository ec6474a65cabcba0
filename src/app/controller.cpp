// The tick, the render pass, the window's size and what the view shows.
#include "app/controller.h"

#include <cstdlib>
#include <utility>

#include "magnifier/capture.h"
#include "magnifier/colors.h"
#include "magnifier/layout.h"
#include "magnifier/measures.h"
#include "magnifier/overlays.h"
#include "magnifier/readout.h"

namespace vitrelo {

Controller::Controller(const Ports& ports)
    : ports_(ports), image_export_(ports.storage, ports.dialogs, ports.system) {}

void Controller::tick() {
    if (state_.startup != Startup::Over) {
        step_startup();
        return;
    }
    if (state_.capture_mode && state_.freeze != Freeze::Locked) check_lock_key();
    if (state_.tool == Tool::Measure) check_reference_key();
    // Judged by where the last pass captured, not by where the pointer is now.
    state_.pointer_over_window = std::exchange(state_.blank_next_pass, false) ||
                                 over_window(ports_.view.window_rect(), state_.pointer);

    const bool ctrl = ports_.screen.key_held(Key::Ctrl);
    if (!state_.capture_mode) {
        if (ctrl) {
            if (state_.freeze != Freeze::HeldByCtrl) ports_.system.play(Sound::Pause);
            state_.freeze = Freeze::HeldByCtrl;
            show_view();
            return;  // the held picture stays as the last pass left it
        }
        state_.freeze = Freeze::Live;
    } else {
        state_.draw_pointer = !ctrl;
    }
    render();
}

void Controller::check_lock_key() {
    // Read on every tick, so that a press is never kept for later: a space typed
    // over the magnifier does not lock once the pointer has left it.
    const bool pressed = ports_.screen.key_pressed(Key::Space);
    if (!pressed || state_.pointer_over_window || state_.blank_next_pass) return;
    ports_.system.play(Sound::Lock);
    state_.freeze = Freeze::Locked;
}

void Controller::check_reference_key() {
    // Both keys are read every time, so that neither keeps an old press.
    const bool numpad = ports_.screen.key_pressed(Key::NumpadZero);
    const bool zero = ports_.screen.key_pressed(Key::Zero);
    if (!numpad && !zero) return;
    if (const auto p = ports_.screen.pointer()) state_.reference = *p;
    state_.view.readout.clear();
}

void Controller::render(Pass pass) {
    if (state_.startup != Startup::Over) return;
    const double zoom = state_.settings.zoom();
    const PixelView picture = ports_.view.picture();
    std::optional<Point> shift, now;  // now: the pointer as this pass read it
    if (!frozen(state_.freeze)) {
        now = ports_.screen.pointer();
        if (now) state_.pointer = *now;
        if (pass == Pass::Blank || (pass == Pass::AsSeen && state_.pointer_over_window)) {
            blank();
            return;
        }
        const Capture capture =
            capture_for({picture.width, picture.height}, zoom, state_.pointer,
                        ports_.screen.monitor_of({state_.pointer.x, state_.pointer.y, 1, 1}));
        shift = capture.shift;
        // Inversion draws onto white; a plain copy covers every pixel it reaches,
        // so only a destination short of the picture leaves a margin to clear.
        const bool invert = state_.settings.invert;
        if (invert || capture.destination.width < picture.width ||
            capture.destination.height < picture.height)
            fill(picture, kWhite);
        ports_.screen.capture(capture, invert);
        state_.picture_zoom = zoom;
        if (state_.tool == Tool::PickColor || state_.tool == Tool::Contrast) {
            state_.view.swatch_shown = true;
            const std::optional<Color> color = ports_.screen.pixel(state_.pointer);
            if (color) {
                state_.color = *color;
                state_.view.swatch = *color;
            }
            // A pixel that cannot be read shows as white, the swatch keeps its colour.
            state_.view.readout = color_readout_of(color.value_or(kWhite));
        }
        if (state_.grid && zoom >= kGridMinimumZoom) draw_grid(picture, round_even(zoom));
    }
    if (state_.tool == Tool::Measure) render_measure_readout(now);
    if (state_.capture_mode && state_.draw_pointer && shift)
        ports_.screen.draw_pointer(zoom, *shift);
    show_view();
    ports_.view.present();
}

// A live picture with the pointer over the window would show itself: white instead.
void Controller::blank() {
    fill(ports_.view.picture(), kWhite);
    state_.view.swatch_shown = false;
    state_.view.readout.clear();
    show_view();
    ports_.view.present();
}

void Controller::render_measure_readout(std::optional<Point> at) {
    // A live pass has just read the pointer: asking again costs a round trip under Wine.
    if (!at) at = ports_.screen.pointer();
    if (!at) return;
    const int32_t dx = at->x - state_.reference.x;
    const int32_t dy = at->y - state_.reference.y;
    state_.distance.reset();
    if (!over_window(ports_.view.window_rect(), *at)) {
        state_.distance = Point{std::abs(dx), std::abs(dy)};
    } else if (frozen(state_.freeze)) {
        // Over the frozen picture the distance is measured on it, back in screen pixels
        // at the zoom it was taken at.
        const double zoom = state_.picture_zoom > 0 ? state_.picture_zoom : state_.settings.zoom();
        state_.distance = Point{distance_on_zoom(dx, zoom), distance_on_zoom(dy, zoom)};
    }
    state_.view.readout = state_.distance
                              ? distance_readout(state_.distance->x, state_.distance->y,
                                                 state_.settings.unit, measure_scale(), language())
                              : std::string();
}

Scale Controller::measure_scale() {
    if (state_.settings.unit == Unit::Pixel) return {};
    // Live, the measure starts at the reference point; over a frozen picture it counts
    // the pixels of the monitor the picture was taken from.
    const Point start = frozen(state_.freeze) ? state_.pointer : state_.reference;
    if (!measure_monitor_ || measure_monitor_->first != start)
        measure_monitor_.emplace(start, ports_.screen.monitor_of({start.x, start.y, 1, 1}));
    const Monitor& m = measure_monitor_->second;
    return {m.dpi, monitor_ppi(state_.settings.calibration, m.name, m.ppi)};
}

std::string Controller::color_readout_of(Color c) const {
    return state_.tool == Tool::Contrast ? contrast_readout(c, state_.reference_color, language())
                                         : color_readout(c);
}

void Controller::resized() {
    const int dpi = ports_.view.dpi();
    const PixelView picture = ports_.view.picture();
    state_.view.layout = layout_for({picture.width, picture.height}, part_sizes_for_dpi(dpi));
    keep_window_on_screen();
    const Rect window = ports_.view.window_rect();
    state_.size_mark =
        preset_of_size(window.size(), ports_.screen.monitor_of(window), minimum_window_size(dpi));
    show_view();
    // The repaint captures even with the pointer over the window.
    render(Pass::Capture);
}

void Controller::display_changed() {
    // Every rule reads the screen afresh; only the window's place and the drag limits
    // were worked out from the old one.
    measure_monitor_.reset();
    update_size_limits();
    keep_window_on_screen();
    render();
}

void Controller::dpi_changed(const Rect& suggested) {
    measure_monitor_.reset();
    update_size_limits();
    const Size minimum = minimum_window_size(ports_.view.dpi());
    const Size screen = ports_.screen.monitor_of(suggested).size();
    const Size size =
        fit_window_size(suggested.size(), minimum, screen, state_.settings.half_zoom());
    const PixelView before = ports_.view.picture();
    ports_.view.set_window_rect({suggested.left, suggested.top, size.width, size.height});
    // A new client size has laid the parts out already; where the window keeps its
    // pixels they still change size with the DPI.
    const PixelView after = ports_.view.picture();
    if (after.width == before.width && after.height == before.height) resized();
}

void Controller::keep_window_on_screen() {
    const Rect window = ports_.view.window_rect();
    const Rect kept = keep_on_screen(window, ports_.screen.monitor_of(window));
    if (kept != window) ports_.view.set_window_rect(kept);
}

void Controller::update_size_limits() {
    const Size minimum = minimum_window_size(ports_.view.dpi());
    std::optional<Size> maximum;
    if (state_.settings.half_zoom()) {
        const Size screen = ports_.screen.monitor_of(ports_.view.window_rect()).size();
        maximum = fit_window_size(screen, minimum, screen, true);
    }
    state_.view.minimum_size = minimum;
    state_.view.maximum_size = maximum;
    show_view();
}

void Controller::show_view() {
    ViewState& v = state_.view;
    v.strip_shown = state_.tool != Tool::None;
    v.tool_icon = state_.tool;
    v.reference =
        state_.tool == Tool::Contrast ? std::optional(state_.reference_color) : std::nullopt;
    if (state_.capture_mode)
        v.lock = state_.freeze == Freeze::Locked ? LockIcon::Closed : LockIcon::Open;
    else
        v.lock = state_.freeze == Freeze::HeldByCtrl ? LockIcon::Pin : LockIcon::Hidden;
    v.lock_enabled = state_.freeze != Freeze::HeldByCtrl;
    if (shown_view_ && *shown_view_ == v) return;
    ports_.view.show(v);
    shown_view_ = v;
}

void Controller::timer(bool on) {
    // A popup's "Chiudi" returns into code that restarts the timer; during the
    // start-up show the timer is the show's.
    if (state_.closing || state_.startup != Startup::Over) return;
    set_timer(on ? std::optional<int>(state_.settings.refresh_ms()) : std::nullopt);
}

void Controller::set_timer(std::optional<int> period_ms) {
    if (period_ms == state_.timer) return;
    state_.timer = period_ms;
    ports_.view.set_timer(period_ms);
}

void Controller::recover() {
    if (!state_.view.shown || state_.busy) return;
    // The failure may have come between the timer's record and the timer itself:
    // started again whatever the record says.
    state_.timer.reset();
    timer(true);
}

void Controller::message(const std::string& text) {
    state_.view.topmost = false;
    show_view();
    ports_.dialogs.message(text, MessageKind::Information);
    state_.view.topmost = true;
    show_view();
}

}  // namespace vitrelo
