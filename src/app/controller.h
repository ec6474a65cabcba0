// The magnifier's behaviour: one object that owns the state, reacts to what the
// window and the system report, and acts through the ports.
#pragma once

#include <functional>
#include <optional>

#include "app/image_export.h"
#include "app/ports.h"
#include "magnifier/freeze.h"
#include "magnifier/menu.h"
#include "magnifier/pixel_tools.h"
#include "magnifier/presets.h"
#include "magnifier/settings.h"
#include "magnifier/tool.h"

namespace vitrelo {

// The start-up show: the logo fades in on the timer's ticks, stays a while, then the
// magnifier runs.
enum class Startup { Fading, Holding, Over };

// Everything the controller remembers between events.
struct State {
    Settings settings;
    Freeze freeze = Freeze::Live;
    bool capture_mode = false;
    Tool tool = Tool::None;
    bool grid = false;
    Startup startup = Startup::Fading;  // until Over, ticks step the show and nothing renders
    std::optional<int> timer;           // the running timer's period
    bool closing = false;               // "Chiudi" chosen: nothing starts the timer again
    bool draw_pointer = false;          // in capture mode, unless Ctrl is held
    bool pointer_over_window = true;    // as the last tick saw it
    // Set on unlocking: the pointer is on the padlock, while the last pass captured
    // where the picture was locked. The next tick counts it as over the window: a
    // space press is dropped and the pass blanks instead of capturing itself.
    bool blank_next_pass = false;
    bool busy = false;               // a command that waits on the system is running
    Point pointer;                   // where the last live pass captured
    double picture_zoom = 0;         // the zoom the last live pass captured at (0: none yet)
    Point reference;                 // measuring: the 0 key or the press on a frozen picture
    Point measure_start;             // measuring on a frozen picture: press point in the picture
    Color color = kWhite;            // the last colour read
    Color reference_color = kWhite;  // the last colour copied: the contrast's other one
    // The X-Y readout's distance in device pixels, while it shows one.
    std::optional<Point> distance;
    std::optional<Preset> size_mark;
    ViewState view;
};

class Controller {
public:
    explicit Controller(const Ports& ports);
    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;

    // Start-up: settings, the first size preset, topmost, the logo; the timer then
    // fades the window in and ends the show.
    void start();

    // One tick of the timer.
    void tick();

    // The window's client area has a new size (the picture already has it).
    void resized();

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
    // The keys of the focused window, auto-repeat included, and the wheel.
    // An arrow: the pointer one pixel of what it is over that way (ten with Shift).
    void arrow_pressed(Direction direction, bool ten);
    // M: the X-Y readout to the clipboard as text ("10,6 x 5,3 mm"); nothing while it
    // shows none.
    void copy_measurement();
    // "+" (in) or "-" (out): the next or previous item of "Zoom", as if chosen there.
    void zoom_key_pressed(bool in);
    // The wheel turned by `delta` (120 a notch, positive away from the user) with the
    // pointer at `at`, at `time_ms` (the system's milliseconds, wrapping): a notch over the
    // window is a zoom key, away from the user "+".
    void wheel_turned(int delta, Point at, uint32_t time_ms);
    // The tray icon.
    void tray_double_clicked();
    void tray_menu();

    // The window is asked to close another way than by "Chiudi" (Alt+F4): the same
    // ending, options saved; ignored while a command waits on the system.
    void close_requested();
    // The Windows session ends (log-off, shut-down): the process is ended once this
    // returns, so only the options are saved. An installer that must replace the
    // program asks it to close instead (close_program): it ends as by "Chiudi".
    void session_ending(bool close_program);

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

    void run(Command command);

    const State& state() const { return state_; }

private:
    // What a render pass does with a live picture.
    enum class Pass {
        AsSeen,   // blank with the pointer over the window, else capture
        Capture,  // capture wherever the pointer is
        Blank,    // blank: the picture captured before no longer fits
    };
    // Tick parts.
    void step_startup();
    void end_startup();
    void check_lock_key();
    void check_reference_key();
    // The render pass.
    void render(Pass pass = Pass::AsSeen);
    void blank();
    void render_measure_readout(std::optional<Point> pointer);
    // The strip's text for the colour under the pointer: the colour picker's, or the
    // contrast with the reference colour.
    std::string color_readout_of(Color c) const;
    // What a device pixel is worth where the measure started; asked of the system only
    // for a unit other than pixels, and once for each starting point.
    Scale measure_scale();
    // Commands.
    void set_zoom(int index, Pass pass = Pass::Blank);
    void set_refresh(int index);
    void apply_preset(Preset preset);
    void toggle_tool(Tool tool);
    void toggle_capture();
    void minimize_or_restore();
    void set_window_shown(bool shown);
    void set_language(LanguageChoice choice);
    Language language() const { return state_.view.language; }
    void open_menu(bool from_tray, std::optional<Point> at = std::nullopt);
    void help();
    void about();
    void close();
    void image_command(ImageCommand command);
    void copy_color(ColorForm form, std::optional<Color> color);
    // The colour "Copia colore" copies with the pointer where it is now: the frozen
    // picture's under it, else the screen's away from the window; none over the live
    // picture (it would show itself).
    std::optional<Color> color_under_pointer();
    void calibrate();
    // The keys and the wheel.
    void step_zoom(int steps);
    // The picture's pixel under the screen point `p` while the picture is frozen.
    std::optional<Point> frozen_picture_point(Point p);
    // Helpers.
    void message(const std::string& text);  // drops topmost while the box is up
    void timer(bool on);
    void set_timer(std::optional<int> period_ms);
    void keep_window_on_screen();
    void update_size_limits();
    void show_view();
    // Runs `work` as a command that waits on the system; ignored (false) while one
    // runs.
    bool run_waiting(const std::function<void()>& work);
    MenuState menu_state() const;

    Ports ports_;
    ImageExport image_export_;
    State state_;
    std::optional<ViewState> shown_view_;  // the last one pushed to the view
    WheelNotches wheel_;
    std::optional<std::pair<Point, Monitor>> measure_monitor_;  // kept for measure_scale
};

}  // namespace vitrelo
