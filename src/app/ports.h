// What the controller asks of the system, named by what the program wants.
// Implemented once for Win32 (src/win32) and once as fakes for the tests.
// No port throws for an expected failure: it answers false, nullopt or "".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "magnifier/capture.h"
#include "magnifier/geometry.h"
#include "magnifier/layout.h"
#include "magnifier/menu.h"
#include "magnifier/picture.h"

namespace vitrelo {

// ---- the screen -----------------------------------------------------------------

enum class Key { Ctrl, Space, Zero, NumpadZero };

class Screen {
public:
    virtual ~Screen() = default;
    // The pointer in screen pixels; nullopt when the system cannot tell.
    virtual std::optional<Point> pointer() = 0;
    // Down now, or pressed since the last query of this key (the query clears that).
    virtual bool key_pressed(Key key) = 0;
    // Monitors, in pixels of the whole desktop (left of or above the primary monitor
    // they are negative). The monitor under a point, else the nearest one.
    virtual Rect monitor_at(Point p) = 0;
    // The monitor that holds most of a rectangle, else the nearest one.
    virtual Rect monitor_of(const Rect& r) = 0;
    // The colour of one screen pixel; nullopt when it cannot be read.
    virtual std::optional<Color> pixel(Point p) = 0;
    // Stretches capture.source into the top-left capture.destination of the
    // view's picture; with invert, onto white through an XOR (colours inverted).
    virtual void capture(const Capture& capture, bool invert) = 0;
    // Draws the system's current pointer into the picture at `zoom` times its
    // size, its hot spot at the picture's centre moved by `shift` times zoom.
    virtual void draw_pointer(double zoom, Point shift) = 0;
};

// ---- the window -----------------------------------------------------------------

enum class ToolIcon { None, PickColor, Measure };
enum class LockIcon { Hidden, Open, Closed, Pin };  // padlock open/closed, push-pin
enum class PointerShape { Arrow, Drag, Eyedropper };

// Everything the window shows besides the picture itself.
struct ViewState {
    Layout layout;
    bool strip_shown = false;
    std::string readout;
    bool swatch_shown = false;
    Color swatch = kWhite;
    ToolIcon tool_icon = ToolIcon::None;
    LockIcon lock = LockIcon::Hidden;
    bool lock_enabled = true;
    PointerShape picture_pointer = PointerShape::Arrow;
    std::optional<Rect> measure;  // outline over the picture, picture pixels
    bool logo_shown = false;
    friend bool operator==(const ViewState&, const ViewState&) = default;
};

class View {
public:
    virtual ~View() = default;
    // The window's outer rectangle, screen pixels.
    virtual Rect window_rect() = 0;
    // Moves and sizes the window. A change of size reaches Controller::resized
    // before this returns.
    virtual void set_window_rect(const Rect& r) = 0;
    virtual Size client_size() = 0;
    // The client area's top-left corner, screen pixels.
    virtual Point client_origin() = 0;
    // The dots per inch the window is drawn at: those of its monitor where each
    // monitor has its own, else the system's.
    virtual int dpi() = 0;
    // The sizes a user may drag the window to (max: none = no limit).
    virtual void set_size_limits(Size minimum, std::optional<Size> maximum) = 0;
    // Shows the parts as described; repaints only what changed.
    virtual void show(const ViewState& state) = 0;
    // The persistent picture, always the size of the client area. A change of size
    // keeps the pixels that still fit in place; new area is white.
    virtual PixelView picture() = 0;
    // Puts the picture (and the measuring outline) on the screen now.
    virtual void present() = 0;
    // The credit lines centred over the picture (second line in italics).
    virtual void draw_credits(const std::string& line, const std::string& italic_line) = 0;
    virtual void set_shown(bool shown) = 0;
    virtual void set_enabled(bool enabled) = 0;
    virtual void set_topmost(bool topmost) = 0;
    virtual void set_alpha(uint8_t alpha) = 0;  // whole window; 255 = opaque
    // Lets the user drag the window; returns when the button is released.
    virtual void drag() = 0;
    // The refresh timer: a period starts (or re-times) it, nullopt stops it.
    virtual void set_timer(std::optional<int> period_ms) = 0;
    // Handles every message already queued, then returns.
    virtual void pump() = 0;
};

// ---- menus, tray, dialogs -------------------------------------------------------

class Shell {
public:
    virtual ~Shell() = default;
    // Shows the menu with its top-left corner at `at` (screen pixels), or at the
    // pointer; the chosen item's id, 0 when dismissed.
    // from_tray: opened from the notification icon.
    virtual int popup(const std::vector<MenuItem>& items, bool from_tray,
                      std::optional<Point> at) = 0;
    virtual bool add_tray_icon() = 0;
    virtual void remove_tray_icon() = 0;
};

struct SaveRequest {
    std::string title;
    std::string filter;        // "Name|*.ext|Name|*.ext|", '|' between the parts
    std::string initial_folder;
    std::string name;          // suggested
    std::string default_extension;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const std::string& text) = 0;  // information box titled "Vitrelo"
    virtual void error(const std::string& text) = 0;    // stop box titled "Vitrelo"
    // The path chosen in a Save As dialog (which asks before replacing a file);
    // nullopt when cancelled, "" when the dialog failed.
    virtual std::optional<std::string> save_as(const SaveRequest& request) = 0;
    virtual void about() = 0;  // modal; returns once closed
};

// ---- files and settings -----------------------------------------------------------

class Storage {
public:
    virtual ~Storage() = default;
    virtual std::string program_folder() = 0;  // ends with a backslash
    virtual std::string temp_folder() = 0;     // ends with a backslash
    virtual bool file_exists(const std::string& path) = 0;  // a file, not a folder
    // One value of a profile (INI) file, blanks around it removed; "" when missing.
    virtual std::string read_setting(const std::string& file, const std::string& section,
                                     const std::string& key) = 0;
    virtual bool write_setting(const std::string& file, const std::string& section,
                               const std::string& key, const std::string& value) = 0;
    // The whole file, written beside the target and renamed over it, so that a
    // failure leaves an existing file as it was.
    virtual bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
    virtual std::optional<std::vector<uint8_t>> read_file(const std::string& path) = 0;
    virtual bool jpeg_available() = 0;
    // A JPEG at `quality`, replacing a file as write_file does.
    virtual bool write_jpeg(const Image& image, const std::string& path, int quality) = 0;
};

// ---- the rest of the system ---------------------------------------------------------

enum class Sound { Lock, Pause, Leave };
enum class ClipboardResult { Copied, Unreadable, Failed };

class System {
public:
    virtual ~System() = default;
    // Puts the picture on the clipboard as a bitmap and reads it back.
    virtual ClipboardResult copy_to_clipboard(const Image& image) = 0;
    // The name of the default mail program; "" when there is none.
    virtual std::string mail_client() = 0;
    // Opens a document or an address with its program.
    virtual void open(const std::string& target) = 0;
    virtual void open_help(const std::string& path) = 0;
    virtual void play(Sound sound) = 0;
    virtual void sleep(int ms) = 0;
    // Whether the window can fade in (layered windows).
    virtual bool can_fade() = 0;
    // Asks for the system's finest timer precision (on) or gives it back (off);
    // called only when the wanted state changes, so every "on" has one "off".
    virtual void fine_timer(bool on) = 0;
    // Ends the message loop; the program exits once the current call returns.
    virtual void quit() = 0;
};

struct Ports {
    Screen& screen;
    View& view;
    Shell& shell;
    Dialogs& dialogs;
    Storage& storage;
    System& system;
};

}  // namespace vitrelo
