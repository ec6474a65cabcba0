// The magnifier's behaviour: one object that owns the state, reacts to what the
// window and the system report, and acts through the ports.
#pragma once

#include <functional>
#include <optional>

#include "app/ports.h"
#include "magnifier/freeze.h"
#include "magnifier/menu.h"
#include "magnifier/presets.h"
#include "magnifier/settings.h"

namespace vitrelo {

// Everything the controller remembers between events.
struct State {
    Settings settings;
    Freeze freeze = Freeze::Live;
    bool capture_mode = false;
    bool pick_color = false;
    bool measuring = false;
    bool grid = false;
    bool starting = true;        // until the start-up show ends: passes do nothing
    bool window_shown = false;   // false while only the tray icon is left
    bool timer_on = false;
    bool fine_timer = false;     // the system's finest timer precision is held
    bool closing = false;        // "Chiudi" chosen: nothing starts the timer again
    bool draw_pointer = false;   // in capture mode, unless Ctrl is held
    bool pointer_over_window = true;  // as the last tick saw it
    bool busy = false;           // a command that waits on the system is running
    Point pointer;               // where the last live pass captured
    Point reference;             // measuring: the 0 key or the press on a frozen picture
    Point measure_start;         // measuring on a frozen picture: press point in the picture
    Color color = kWhite;        // the last colour read
    std::optional<Preset> size_mark;
    std::string settings_file;
    ViewState view;
};

class Controller {
public:
    explicit Controller(const Ports& ports);
    // Gives back the finest timer precision if the program ends another way.
    ~Controller();
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    // Start-up: settings, the first size preset, topmost, the logo and the fade-in;
    // returns with the timer running.
    void start();

    // One tick of the refresh timer.
    void tick();

    // The window's client area has a new size (the picture already has it).
    void resized();
    // The window moved (by the system, not by this controller).
    void moved();

    // The mouse over the picture; points in picture pixels.
    void left_button_down(Point at);
    void right_button_down();
    // The keyboard's menu request (Shift+F10, the menu key): the same menu, at the
    // picture's centre instead of at the pointer.
    void keyboard_menu();
    void pointer_moved(Point at, bool left_button);
    void button_up();
    void double_clicked();
    // The parts of the window that take clicks.
    void close_icon_clicked();
    void lock_clicked();
    // The tray icon.
    void tray_double_clicked();
    void tray_menu();

    // The shell restarted (its notification area is new and empty).
    void shell_restarted();
    // The screen's size or arrangement changed.
    void display_changed();
    // The window's DPI changed (moved to a monitor of another scale, or the scale
    // changed); `suggested` is the system's rectangle for it at the new DPI.
    void dpi_changed(const Rect& suggested);

    // A failure escaped a call of this controller: the refresh timer runs again, unless
    // the window is in the tray, the program is closing, or a command that waits on the
    // system is still running (it starts the timer again itself).
    void recover();

    // A menu command, by the id the menu gave it; unknown ids do nothing.
    void menu_command(int id);
    void run(Command command);

    const State& state() const { return state_; }

private:
    // Tick parts.
    void check_lock_key();
    void check_reference_key();
    bool ctrl_pressed();
    // The render pass.
    void render();
    void render_measure_readout(std::optional<Point> pointer);
    // Commands.
    void set_zoom(int index);
    void set_refresh(int index);
    void apply_preset(Preset preset);
    void toggle_pick_color();
    void toggle_measuring();
    void toggle_capture();
    void minimize_or_restore();
    void set_window_shown(bool shown);
    void open_menu(bool from_tray, std::optional<Point> at = std::nullopt);
    void help();
    void about();
    void close();
    void image_command(ImageCommand command);
    void save_picture(const Image& snapshot);
    void mail_picture(const Image& snapshot);
    void hand_to_mail_program(const std::string& jpeg_path);
    // Helpers.
    void message(const std::string& text);  // drops topmost while the box is up
    void timer(bool on);
    void set_fine_timer(bool on);
    void keep_window_on_screen();
    void update_size_limits();
    void show_view();
    void splash();
    void fade_in();
    void read_settings();
    void save_settings();
    // Runs `work` as a command that waits on the system; ignored while one runs.
    void run_waiting(const std::function<void()>& work);
    MenuState menu_state() const;

    Ports ports_;
    State state_;
    std::optional<ViewState> shown_view_;  // the last one pushed to the view
};

}  // namespace vitrelo
