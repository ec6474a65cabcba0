// The keys of the focused window and the wheel: the pointer stepped pixel by pixel, the
// zoom stepped along its table, the colour under the pointer copied as text.
#include "app/controller.h"
#include "magnifier/capture.h"
#include "magnifier/colors.h"
#include "magnifier/measures.h"
#include "magnifier/pixel_tools.h"

namespace vitrelo {

void Controller::arrow_pressed(Direction direction, bool ten) {
    if (state_.startup != Startup::Over) return;
    const std::optional<Point> from = ports_.screen.pointer();
    if (!from) return;
    // Over a frozen picture a step is one pixel of what it shows: the zoom it was taken at.
    const double zoom = state_.picture_zoom > 0 ? state_.picture_zoom : state_.settings.zoom();
    Point to = step_pointer(*from, direction, ten, zoom, frozen_picture_point(*from).has_value());
    // Between monitors of different sizes lies screen that no monitor shows: a step into it
    // stays on the monitor it leaves, on its own axis.
    Rect monitor = ports_.screen.monitor_of({to.x, to.y, 1, 1}).area();
    if (!monitor.contains(to)) monitor = ports_.screen.monitor_of({from->x, from->y, 1, 1}).area();
    to = kept_on(monitor, to);
    if (to == *from) return;
    ports_.screen.move_pointer(to);
    // Followed now, not at the next tick: the timer may be slow, or held by a Ctrl pause.
    if (!frozen(state_.freeze)) return render();
    if (const std::optional<Point> at = frozen_picture_point(to)) pointer_moved(*at, false);
    if (state_.freeze == Freeze::Locked) render();  // the X-Y readout, as a tick would
}

void Controller::zoom_key_pressed(bool in) {
    step_zoom(in ? 1 : -1);
}

void Controller::wheel_turned(int delta, Point at, uint32_t time_ms) {
    if (!ports_.view.window_rect().contains(at)) return;
    if (const int notches = wheel_.add(delta, time_ms)) step_zoom(notches);
}

void Controller::step_zoom(int steps) {
    if (state_.startup != Startup::Over) return;
    const int index = stepped_zoom_index(state_.settings.zoom_index, steps);
    // Shown at once at the new factor: a blank picture until the next tick would flash
    // white at every key.
    if (index != state_.settings.zoom_index) set_zoom(index, Pass::AsSeen);
}

void Controller::copy_color(ColorForm form, std::optional<Color> color) {
    if (!color) return;
    ports_.system.copy_text(color_text(
        *color, form == ColorForm::Chosen ? state_.settings.color_format : ColorFormat::Rgb));
    // The contrast's reference from now on; a ratio shown is against it at once (over a
    // frozen picture no tick would redo it before the pointer moves).
    state_.reference_color = *color;
    if (state_.tool == Tool::Contrast && !state_.view.readout.empty())
        state_.view.readout = color_readout_of(state_.view.swatch);
    show_view();
}

void Controller::copy_measurement() {
    if (state_.tool != Tool::Measure || !state_.distance || state_.view.readout.empty()) return;
    const Point d = *state_.distance;
    ports_.system.copy_text(
        distance_text(d.x, d.y, state_.settings.unit, measure_scale(), language()));
}

std::optional<Color> Controller::color_under_pointer() {
    const std::optional<Point> p = ports_.screen.pointer();
    if (!p) return std::nullopt;
    if (const std::optional<Point> at = frozen_picture_point(*p)) {
        const PixelView picture = ports_.view.picture();
        return color_from_pixel(picture.pixels[static_cast<size_t>(at->y) * picture.width + at->x]);
    }
    if (ports_.view.window_rect().contains(*p)) return std::nullopt;
    return ports_.screen.pixel(*p);
}

std::optional<Point> Controller::frozen_picture_point(Point p) {
    if (!frozen(state_.freeze)) return std::nullopt;
    const PixelView picture = ports_.view.picture();
    return picture_point(ports_.view.window_rect(), {picture.width, picture.height}, p);
}

}  // namespace vitrelo
