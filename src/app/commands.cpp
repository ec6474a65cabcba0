// The menu's commands, the size presets, the popup and the tray icon.
#include "app/controller.h"

#include "magnifier/layout.h"
#include "magnifier/measures.h"
#include "magnifier/texts.h"

namespace vitrelo {

void Controller::run(Command command) {
    const int i = command.index;
    switch (command.kind) {
        case CommandKind::Zoom:
            set_zoom(i);
            break;
        case CommandKind::Refresh:
            set_refresh(i);
            break;
        case CommandKind::Size:
            if (i >= 0 && i < kPresetCount) apply_preset(static_cast<Preset>(i));
            break;
        case CommandKind::Image:
            if (i >= 0 && i < kImageCommandCount) image_command(static_cast<ImageCommand>(i));
            break;
        case CommandKind::PickColor:
            toggle_tool(Tool::PickColor);
            break;
        case CommandKind::Capture:
            toggle_capture();
            break;
        case CommandKind::Invert:
            state_.settings.invert = !state_.settings.invert;
            break;
        case CommandKind::Grid:
            state_.grid = !state_.grid;
            break;
        case CommandKind::Measure:
            toggle_tool(Tool::Measure);
            break;
        case CommandKind::CopyColor:
            if (i >= 0 && i < kColorFormCount)
                copy_color(static_cast<ColorForm>(i), color_under_pointer());
            break;
        case CommandKind::MinimizeRestore:
            minimize_or_restore();
            break;
        case CommandKind::Language:
            if (i >= 0 && i < kLanguageChoiceCount) set_language(static_cast<LanguageChoice>(i));
            break;
        case CommandKind::Help:
            help();
            break;
        case CommandKind::About:
            about();
            break;
        case CommandKind::Close:
            close();
            break;
        case CommandKind::Contrast:
            toggle_tool(Tool::Contrast);
            break;
        case CommandKind::Unit:
            // The readout changes at the next pass.
            if (i >= 0 && i < kUnitCount) state_.settings.unit = static_cast<Unit>(i);
            break;
        case CommandKind::Calibrate:
            calibrate();
            break;
        case CommandKind::ColorFormat:
            if (i >= 0 && i < kColorFormatCount)
                state_.settings.color_format = static_cast<ColorFormat>(i);
            break;
    }
}

MenuState Controller::menu_state() const {
    MenuState m;
    m.settings = state_.settings;
    m.size_mark = state_.size_mark;
    m.window_shown = state_.view.shown;
    m.image_enabled = frozen(state_.freeze);
    m.capture_mode = state_.capture_mode;
    m.capture_enabled = state_.freeze != Freeze::HeldByCtrl;
    m.tool = state_.tool;
    m.grid = state_.grid;
    m.language = language();
    return m;
}

void Controller::set_language(LanguageChoice choice) {
    state_.settings.language = choice;
    // The menu is built anew each time it opens; the window's own texts change now, and
    // a readout shown is rewritten: the distance from where the pointer is, the contrast
    // of the colour shown.
    state_.view.language = state_.settings.shown_language();
    if (state_.tool == Tool::Measure)
        render_measure_readout(std::nullopt);
    else if (state_.tool == Tool::Contrast && !state_.view.readout.empty())
        state_.view.readout = color_readout_of(state_.view.swatch);
    show_view();
}

void Controller::set_zoom(int index, Pass pass) {
    state_.settings.zoom_index = valid_zoom_index(index);
    update_size_limits();
    // At 0.5x a window wider or taller than half its monitor would capture past the
    // screen's edges: it is brought within the limit now, as a resize would be.
    if (state_.settings.half_zoom()) {
        const Rect window = ports_.view.window_rect();
        const Size size = fit_window_size(window.size(), minimum_window_size(ports_.view.dpi()),
                                          ports_.screen.monitor_of(window).size(), true);
        if (size != window.size())
            ports_.view.set_window_rect({window.left, window.top, size.width, size.height});
    }
    // From the menu a live picture is blanked until the next tick captures at the new
    // factor.
    render(pass);
}

void Controller::set_refresh(int index) {
    state_.settings.refresh_index = valid_refresh_index(index);
    // A stopped timer (tray, open popup) stays stopped.
    if (state_.timer) timer(true);
}

void Controller::apply_preset(Preset preset) {
    // The old picture would stay stretched over the new size until the next pass;
    // a frozen one is the user's and stays.
    if (!frozen(state_.freeze)) fill(ports_.view.picture(), kWhite);
    const Size minimum = minimum_window_size(ports_.view.dpi());
    const Rect window = ports_.view.window_rect();
    ports_.view.set_window_rect(preset_rect(preset, window, ports_.screen.monitor_of(window),
                                            minimum, state_.settings.half_zoom()));
    const bool bar = preset == Preset::TopBar || preset == Preset::BottomBar;
    state_.size_mark = bar ? std::nullopt : std::optional<Preset>(preset);
}

// The menu greys the other tools while one is on; the strip's close icon turns it off.
void Controller::toggle_tool(Tool tool) {
    state_.tool = state_.tool == tool ? Tool::None : tool;
    state_.view.swatch_shown = state_.tool == Tool::PickColor || state_.tool == Tool::Contrast;
    // The colour readout appears at once.
    if (tool == Tool::PickColor || tool == Tool::Contrast) render(Pass::Capture);
    show_view();
}

void Controller::toggle_capture() {
    state_.capture_mode = !state_.capture_mode;
    state_.freeze = Freeze::Live;
    show_view();
}

void Controller::minimize_or_restore() {
    if (state_.view.shown) {
        // Without an icon a hidden window could never come back (it has no taskbar
        // button): it stays shown and running.
        if (!ports_.shell.set_tray_icon(true)) return;
        set_window_shown(false);
    } else {
        tray_double_clicked();
    }
}

void Controller::set_window_shown(bool shown) {
    // The timer runs only while the window is there to show its passes.
    if (!shown) timer(false);
    state_.view.shown = shown;
    show_view();
    if (shown) timer(true);
}

void Controller::tray_double_clicked() {
    set_window_shown(true);
    ports_.shell.set_tray_icon(false);
}

void Controller::shell_restarted() {
    if (state_.view.shown) return;
    // A program hidden in the tray with no icon could only be killed: when the icon
    // cannot come back, the window does.
    if (!ports_.shell.set_tray_icon(true)) set_window_shown(true);
}

void Controller::tray_menu() {
    open_menu(true);
}

void Controller::open_menu(bool from_tray, std::optional<Point> at) {
    std::optional<int> chosen;
    // Read where the menu opens: once it has closed the pointer is on its item.
    std::optional<Color> color;
    const bool opened = run_waiting([&] {
        MenuState menu = menu_state();
        // In the tray the timer is already off and stays so.
        if (!from_tray) {
            timer(false);
            color = color_under_pointer();
            menu.color_enabled = color.has_value();
            menu.mail_enabled = ports_.storage.jpeg_and_png_available();
        }
        chosen = ports_.shell.popup(build_menu(menu), from_tray, at);
    });
    if (!opened) return;
    // Run once the popup has closed: the command may wait on the system itself.
    const std::optional<Command> command = chosen ? command_from_id(*chosen) : std::nullopt;
    if (command && command->kind == CommandKind::CopyColor)
        copy_color(static_cast<ColorForm>(command->index), color);
    else if (command)
        run(*command);
    if (!from_tray && state_.view.shown) timer(true);
}

bool Controller::run_waiting(const std::function<void()>& work) {
    if (state_.busy) return false;
    state_.busy = true;
    struct Release {
        bool& busy;
        ~Release() { busy = false; }
    } release{state_.busy};
    work();
    return true;
}

void Controller::help() {
    run_waiting([&] {
        // The other language's help rather than none.
        const Language other =
            language() == Language::Italian ? Language::English : Language::Italian;
        if (!ports_.system.open_help(text::kHelpFile.in(language())) &&
            !ports_.system.open_help(text::kHelpFile.in(other)))
            message(text::kHelpMissing.in(language()));
    });
}

void Controller::about() {
    run_waiting([&] {
        timer(false);
        ports_.dialogs.about();
        timer(true);
    });
}

void Controller::calibrate() {
    run_waiting([&] {
        timer(false);
        // The monitor the window is on: the user holds the card against it.
        const Monitor monitor = ports_.screen.monitor_of(ports_.view.window_rect());
        std::map<std::string, double>& calibration = state_.settings.calibration;
        const std::optional<double> ppi =
            ports_.dialogs.calibrate(monitor, monitor_ppi(calibration, monitor.name, monitor.ppi));
        if (ppi && !monitor.name.empty() && *ppi >= kMinimumPpi && *ppi <= kMaximumPpi)
            calibrate_monitor(calibration, monitor.name, *ppi);
        timer(true);
    });
}

void Controller::image_command(ImageCommand command) {
    run_waiting([&] {
        // Taken once: whatever another program puts on the clipboard while a dialog
        // is open cannot take the picture's place.
        const Image snapshot = copy_of(ports_.view.picture());
        if (const auto said = image_export_.run(command, snapshot, language())) message(*said);
    });
}

void Controller::close_requested() {
    if (!state_.busy) close();
}

void Controller::session_ending(bool close_program) {
    if (state_.closing) return;
    // Asked by the Restart Manager, even with a dialog open: the installer waits for the
    // program to end, and would end it unsaved.
    if (close_program) return close();
    ports_.storage.save_settings(state_.settings);
}

void Controller::close() {
    state_.closing = true;
    set_timer(std::nullopt);
    // A file that cannot be written is no reason not to close.
    ports_.storage.save_settings(state_.settings);
    // Closing from the tray menu: without this the icon lingers in the notification
    // area until the pointer passes over it.
    if (!state_.view.shown) ports_.shell.set_tray_icon(false);
    ports_.system.quit();
}

}  // namespace vitrelo
