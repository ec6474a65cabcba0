// The menu's commands, the size presets, the popup and the tray icon.
#include "app/controller.h"

#include "magnifier/layout.h"
#include "magnifier/texts.h"

namespace vitrelo {

void Controller::menu_command(int id) {
    if (const std::optional<Command> command = command_from_id(id)) run(*command);
}

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
            if (i >= 0 && i <= static_cast<int>(ImageCommand::Mail))
                image_command(static_cast<ImageCommand>(i));
            break;
        case CommandKind::PickColor:
            toggle_pick_color();
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
            toggle_measuring();
            break;
        case CommandKind::MinimizeRestore:
            minimize_or_restore();
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
    }
}

MenuState Controller::menu_state() const {
    MenuState m;
    m.settings = state_.settings;
    m.size_mark = state_.size_mark;
    m.window_shown = state_.window_shown;
    m.image_enabled = frozen(state_.freeze);
    m.capture_mode = state_.capture_mode;
    m.capture_enabled = state_.freeze != Freeze::HeldByCtrl;
    m.pick_color = state_.pick_color;
    m.measuring = state_.measuring;
    m.grid = state_.grid;
    return m;
}

void Controller::set_zoom(int index) {
    // The repaint counts the pointer as over the window: a live picture is blanked
    // until the next tick captures at the new factor.
    state_.pointer_over_window = true;
    state_.settings.zoom_index = valid_zoom_index(index);
    update_size_limits();
    render();
}

void Controller::set_refresh(int index) {
    state_.pointer_over_window = true;
    state_.settings.refresh_index = valid_refresh_index(index);
    // A stopped timer (tray, open popup) stays stopped.
    if (state_.timer_on) timer(true);
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

void Controller::toggle_pick_color() {
    state_.pick_color = !state_.pick_color;
    state_.view.swatch_shown = state_.pick_color;
    state_.pointer_over_window = false;  // the readout appears at once
    render();
    show_view();
}

void Controller::toggle_measuring() {
    state_.measuring = !state_.measuring;
    state_.view.swatch_shown = false;
    show_view();
}

void Controller::toggle_capture() {
    state_.capture_mode = !state_.capture_mode;
    state_.freeze = Freeze::Live;
    show_view();
}

void Controller::minimize_or_restore() {
    if (state_.window_shown) {
        // Without an icon a hidden window could never come back (it has no taskbar
        // button): it stays shown and running.
        if (!ports_.shell.add_tray_icon()) return;
        set_window_shown(false);
        ports_.view.set_shown(false);
    } else {
        ports_.view.set_shown(true);
        ports_.shell.remove_tray_icon();
        set_window_shown(true);
    }
}

void Controller::set_window_shown(bool shown) {
    state_.window_shown = shown;
    timer(shown);
}

void Controller::tray_double_clicked() {
    ports_.view.set_shown(true);
    ports_.shell.remove_tray_icon();
    set_window_shown(true);
}

void Controller::shell_restarted() {
    if (state_.window_shown) return;
    // A program hidden in the tray with no icon could only be killed: when the icon
    // cannot come back, the window does.
    if (!ports_.shell.add_tray_icon()) {
        ports_.view.set_shown(true);
        set_window_shown(true);
    }
}

void Controller::tray_menu() {
    open_menu(true);
}

void Controller::open_menu(bool from_tray, std::optional<Point> at) {
    std::optional<int> chosen;
    run_waiting([&] {
        // In the tray the timer is already off and stays so.
        if (!from_tray) timer(false);
        chosen = ports_.shell.popup(build_menu(menu_state()), from_tray, at);
    });
    if (!chosen) return;
    menu_command(*chosen);
    if (!from_tray && state_.window_shown) timer(true);
}

void Controller::run_waiting(const std::function<void()>& work) {
    if (state_.busy) return;
    state_.busy = true;
    struct Release {
        bool& busy;
        ~Release() { busy = false; }
    } release{state_.busy};
    work();
}

void Controller::help() {
    run_waiting([&] {
        const std::string path = ports_.storage.program_folder() + text::kHelpFile;
        if (!ports_.storage.file_exists(path)) {
            message(text::kHelpMissing);
            return;
        }
        ports_.system.open_help(path);
    });
}

void Controller::about() {
    run_waiting([&] {
        timer(false);
        ports_.dialogs.about();
        timer(true);
    });
}

void Controller::close() {
    state_.closing = true;
    set_fine_timer(false);
    save_settings();
    // Closing from the tray menu: without this the icon lingers in the notification
    // area until the pointer passes over it.
    if (!state_.window_shown) ports_.shell.remove_tray_icon();
    ports_.system.quit();
}

}  // namespace vitrelo
