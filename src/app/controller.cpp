// The tick, the render pass, the window's size and what the view shows.
#include "app/controller.h"

#include <cstdlib>

#include "magnifier/capture.h"
#include "magnifier/layout.h"
#include "magnifier/overlays.h"
#include "magnifier/readout.h"

namespace vitrelo {

namespace {
// SetTimer rounds its period up to the system's tick, about 15.6 ms unless a program
// asks for more precision: a shorter period needs that precision to be kept.
constexpr int kSystemTickMs = 16;
}  // namespace

Controller::Controller(const Ports& ports) : ports_(ports) {}

Controller::~Controller() {
    if (state_.fine_timer) ports_.system.fine_timer(false);
}

void Controller::tick() {
    if (state_.capture_mode && state_.freeze != Freeze::Locked) check_lock_key();
    if (state_.measuring) check_reference_key();
    // Judged by where the last pass captured, not by where the pointer is now.
    state_.pointer_over_window = over_window(ports_.view.window_rect(), state_.pointer);

    if (!state_.capture_mode) {
        if (ctrl_pressed()) {
            if (state_.freeze != Freeze::HeldByCtrl) ports_.system.play(Sound::Pause);
            state_.freeze = Freeze::HeldByCtrl;
            show_view();
            return;  // the held picture stays as the last pass left it
        }
        state_.freeze = Freeze::Live;
    } else {
        state_.draw_pointer = !ctrl_pressed();
    }
    render();
}

void Controller::check_lock_key() {
    if (state_.pointer_over_window) {
        // Reading the key forgets the press: a space typed over the magnifier never
        // locks later, once the pointer has left it.
        ports_.screen.key_pressed(Key::Space);
        return;
    }
    if (!ports_.screen.key_pressed(Key::Space)) return;
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

bool Controller::ctrl_pressed() {
    // The first answer may still carry a press that ended before this tick.
    ports_.screen.key_pressed(Key::Ctrl);
    return ports_.screen.key_pressed(Key::Ctrl);
}

void Controller::render() {
    if (state_.starting) return;
    const double zoom = state_.settings.zoom();
    const PixelView picture = ports_.view.picture();
    std::optional<Point> shift, now;  // now: the pointer as this pass read it
    if (!frozen(state_.freeze)) {
        now = ports_.screen.pointer();
        if (now) state_.pointer = *now;
        if (state_.pointer_over_window) {
            fill(picture, kWhite);
            state_.view.swatch_shown = false;
            state_.view.readout.clear();
            show_view();
            ports_.view.present();
            return;
        }
        const Capture capture = capture_for({picture.width, picture.height}, zoom, state_.pointer,
                                            ports_.screen.monitor_at(state_.pointer));
        shift = capture.shift;
        // Inversion draws onto white; a plain copy covers every pixel it reaches,
        // so only a destination short of the picture leaves a margin to clear.
        const bool invert = state_.settings.invert;
        if (invert || capture.destination.width < picture.width ||
            capture.destination.height < picture.height)
            fill(picture, kWhite);
        ports_.screen.capture(capture, invert);
        if (state_.pick_color) {
            state_.view.swatch_shown = true;
            const std::optional<Color> color = ports_.screen.pixel(state_.pointer);
            if (color) {
                state_.color = *color;
                state_.view.swatch = *color;
            }
            // A pixel that cannot be read shows as white, the swatch keeps its colour.
            state_.view.readout = color_readout(color.value_or(kWhite));
        }
        if (state_.grid && zoom >= kGridMinimumZoom) draw_grid(picture, round_even(zoom));
    }
    if (state_.measuring) render_measure_readout(now);
    if (state_.capture_mode && state_.draw_pointer && shift)
        ports_.screen.draw_pointer(zoom, *shift);
    show_view();
    ports_.view.present();
}

void Controller::render_measure_readout(std::optional<Point> at) {
    // A live pass has just read the pointer: asking again costs a round trip under Wine.
    if (!at) at = ports_.screen.pointer();
    if (!at) return;
    const int32_t dx = at->x - state_.reference.x;
    const int32_t dy = at->y - state_.reference.y;
    if (!over_window(ports_.view.window_rect(), *at)) {
        state_.view.readout = distance_readout(std::abs(dx), std::abs(dy));
    } else if (frozen(state_.freeze)) {
        // Over the frozen picture the distance is measured on it, back in screen pixels.
        const double zoom = state_.settings.zoom();
        state_.view.readout =
            distance_readout(distance_on_zoom(dx, zoom), distance_on_zoom(dy, zoom));
    } else {
        state_.view.readout.clear();
    }
}

void Controller::resized() {
    const int dpi = ports_.view.dpi();
    state_.view.layout = layout_for(ports_.view.client_size(), part_sizes_for_dpi(dpi));
    // The repaint must capture even with the pointer over the window.
    state_.pointer_over_window = false;
    keep_window_on_screen();
    const Rect window = ports_.view.window_rect();
    state_.size_mark =
        preset_of_size(window.size(), ports_.screen.monitor_of(window), minimum_window_size(dpi));
    show_view();
    render();
}

void Controller::display_changed() {
    // Every rule reads the screen afresh; only the window's place and the drag limits
    // were worked out from the old one.
    update_size_limits();
    keep_window_on_screen();
    render();
}

void Controller::dpi_changed(const Rect& suggested) {
    update_size_limits();
    const Size minimum = minimum_window_size(ports_.view.dpi());
    const Size screen = ports_.screen.monitor_of(suggested).size();
    const Size size =
        fit_window_size(suggested.size(), minimum, screen, state_.settings.half_zoom());
    const Size client = ports_.view.client_size();
    ports_.view.set_window_rect({suggested.left, suggested.top, size.width, size.height});
    // A new client size has laid the parts out already; where the window keeps its
    // pixels they still change size with the DPI.
    if (ports_.view.client_size() == client) resized();
}

// Each pass reads the window's place afresh, and the program never pulled a window
// the system moved back onto the screen: nothing to do.
void Controller::moved() {}

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
    ports_.view.set_size_limits(minimum, maximum);
}

void Controller::show_view() {
    ViewState& v = state_.view;
    v.strip_shown = state_.pick_color || state_.measuring;
    v.tool_icon = state_.pick_color  ? ToolIcon::PickColor
                  : state_.measuring ? ToolIcon::Measure
                                     : ToolIcon::None;
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
    // A popup's "Chiudi" returns into code that restarts the timer.
    if (on && state_.closing) return;
    state_.timer_on = on;
    const int period = state_.settings.refresh_ms();
    const bool fine = on && period < kSystemTickMs;
    // Held from before the timer starts until after it stops, and never otherwise:
    // a finer tick costs the machine power.
    if (fine) set_fine_timer(true);
    ports_.view.set_timer(on ? std::optional<int>(period) : std::nullopt);
    if (!fine) set_fine_timer(false);
}

void Controller::recover() {
    if (state_.window_shown && !state_.closing && !state_.busy) timer(true);
}

void Controller::set_fine_timer(bool on) {
    if (on == state_.fine_timer) return;
    state_.fine_timer = on;
    ports_.system.fine_timer(on);
}

void Controller::message(const std::string& text) {
    ports_.view.set_topmost(false);
    ports_.dialogs.message(text);
    ports_.view.set_topmost(true);
}

}  // namespace vitrelo
