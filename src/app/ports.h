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
#include "magnifier/settings.h"
#include "magnifier/tool.h"

namespace vitrelo {

// ---- the screen -----------------------------------------------------------------

enum class Key { Ctrl, Space, Zero, NumpadZero };

// A monitor: its whole area, and what a measure in units needs of it.
struct Monitor : Rect {
    std::string name;  // the system's device name, "\\.\DISPLAY1"; "" when unknown
    int dpi = 96;      // the effective DPI, the one the system scales by
    double ppi = 0;    // pixels per inch from the physical size it reports; 0: none
    const Rect& area() const { return *this; }
};

class Screen {
public:
    virtual ~Screen() = default;
    // The pointer in screen pixels; nullopt when the system cannot tell.
    virtual std::optional<Point> pointer() = 0;
    // Down at this moment.
    virtual bool key_held(Key key) = 0;
    // Down now, or pressed since this key was last asked about: a tap between two
    // ticks counts. The controller asks about each key it watches once a tick.
    virtual bool key_pressed(Key key) = 0;
    // The monitor that holds most of a rectangle (a point: a 1 x 1 rectangle), else
    // the nearest one; in pixels of the whole desktop (left of or above the primary
    // monitor they are negative).
    virtual Monitor monitor_of(const Rect& r) = 0;
    // The colour of one screen pixel; nullopt when it cannot be read.
    virtual std::optional<Color> pixel(Point p) = 0;
    // Stretches capture.source into the top-left capture.destination of the
    // view's picture; with invert, onto white through an XOR (colours inverted).
    virtual void capture(const Capture& capture, bool invert) = 0;
    // Draws the system's current pointer into the picture at `zoom` times its
    // size, its hot spot at the picture's centre moved by `shift` times zoom.
    virtual void draw_pointer(double zoom, Point shift) = 0;
    // Puts the system's pointer at `p`, screen pixels.
    virtual void move_pointer(Point p) = 0;
};

// ---- the window -----------------------------------------------------------------

enum class LockIcon { Hidden, Open, Closed, Pin };  // padlock open/closed, push-pin
enum class PointerShape { Arrow, Drag, Eyedropper };

// Everything the window shows besides the picture itself. The defaults are a window
// as it is made: hidden, enabled, not topmost, opaque.
struct ViewState {
    bool shown = false;
    bool enabled = true;  // a disabled window drops clicks and keys
    bool topmost = false;
    uint8_t alpha = 255;  // the whole window; 255 = opaque
    Layout layout;
    // The sizes a user may drag the window to (maximum: none = no limit).
    Size minimum_size;
    std::optional<Size> maximum_size;
    bool strip_shown = false;
    std::string readout;
    bool swatch_shown = false;
    Color swatch = kWhite;
    std::optional<Color> reference;  // the contrast's second swatch, after the first
    Tool tool_icon = Tool::None;
    LockIcon lock = LockIcon::Hidden;
    bool lock_enabled = true;
    PointerShape picture_pointer = PointerShape::Arrow;
    std::optional<Rect> measure;  // outline over the picture, picture pixels
    // The logo above the picture, and the credit lines drawn into the picture when it
    // appears.
    bool logo_shown = false;
    // The language of the window's texts (tips, credits) and of what the system shows
    // for it (the tray icon's tip, the information box).
    Language language = Language::Italian;
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
    // The dots per inch the window is drawn at: those of its monitor where each
    // monitor has its own, else the system's.
    virtual int dpi() = 0;
    // Shows the window as described; changes only what differs from the last state.
    // The alpha is set before the window is shown. A system that cannot make a
    // window translucent shows it opaque at every alpha.
    virtual void show(const ViewState& state) = 0;
    // The persistent picture, always the size of the client area. A change of size
    // keeps the pixels that still fit in place; new area is white.
    virtual PixelView picture() = 0;
    // Puts the picture (and the measuring outline) on the screen now.
    virtual void present() = 0;
    // Lets the user drag the window; returns when the button is released.
    virtual void drag() = 0;
    // The timer that calls Controller::tick: a period starts (or re-times) it,
    // nullopt stops it. A period shorter than the system's own tick is kept exactly,
    // at some cost in power, only while such a timer runs.
    virtual void set_timer(std::optional<int> period_ms) = 0;
};

// ---- menus, tray, dialogs -------------------------------------------------------

class Shell {
public:
    virtual ~Shell() = default;
    // Shows the menu with its top-left corner at `at` (pixels of the window's client
    // area), or at the pointer; the chosen item's id, nullopt when dismissed.
    // from_tray: opened from the notification icon.
    virtual std::optional<int> popup(const std::vector<MenuItem>& items, bool from_tray,
                                     std::optional<Point> at) = 0;
    // Puts the icon in the notification area (false when the shell refuses it), or
    // takes it away.
    virtual bool set_tray_icon(bool shown) = 0;
};

struct SaveRequest {
    std::string title;
    std::string filter;  // "Name|*.ext|Name|*.ext|", '|' between the parts
    std::string initial_folder;
    std::string name;  // suggested
    std::string default_extension;
};

enum class MessageKind { Information, Stop };  // the box's icon

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message box titled "Vitrelo" with an OK button; returns once it is closed.
    virtual void message(const std::string& text, MessageKind kind) = 0;
    // The path chosen in a Save As dialog (which asks before replacing a file);
    // nullopt when cancelled, "" when the dialog failed.
    virtual std::optional<std::string> save_as(const SaveRequest& request) = 0;
    virtual void about() = 0;  // modal; returns once closed
    // Asks for the pixels per inch of `monitor` (it shows `ppi` first): from its
    // diagonal typed in inches, or from a bar dragged as long as a bank card; nullopt
    // when cancelled.
    virtual std::optional<double> calibrate(const Monitor& monitor, double ppi) = 0;
};

// ---- files and settings -----------------------------------------------------------

enum class ImageFormat { Jpeg, Png };

class Storage {
public:
    virtual ~Storage() = default;
    // The options as stored beside the program; the defaults where the file or a
    // value is missing or unreadable.
    virtual Settings load_settings() = 0;
    // Stores the options, the rest of the file kept as it was; false when the file
    // cannot be written (it is then left as it was).
    virtual bool save_settings(const Settings& settings) = 0;
    // The folder holding the program, as a user writes it: no final backslash
    // except for a drive's root ("C:\").
    virtual std::string program_folder() = 0;
    // The path of a file called `name` in the user's temporary folder.
    virtual std::string temp_file(const std::string& name) = 0;
    // The whole file, written beside the target and renamed over it, so that a
    // failure leaves an existing file as it was; true once the file is in place.
    virtual bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
    virtual std::optional<std::vector<uint8_t>> read_file(const std::string& path) = 0;
    // JPEG and PNG files can be written (BMP files always can, through write_file).
    virtual bool jpeg_and_png_available() = 0;
    // The image as a file of that format (every pixel as it is, but for JPEG's loss),
    // replacing a file as write_file does.
    virtual bool write_image(const Image& image, const std::string& path, ImageFormat format) = 0;
};

// ---- the rest of the system ---------------------------------------------------------

enum class Sound { Lock, Pause, Leave };
enum class ClipboardResult { Copied, Unreadable, Failed };

class System {
public:
    virtual ~System() = default;
    // Puts the picture on the clipboard as a bitmap and reads it back.
    virtual ClipboardResult copy_to_clipboard(const Image& image) = 0;
    // Puts the text on the clipboard in place of what it holds; when the clipboard
    // cannot be had, it keeps what it held.
    virtual void copy_text(const std::string& text) = 0;
    // The name of the default mail program; "" when there is none.
    virtual std::string mail_client() = 0;
    // Opens a document or an address with its program; false when there is none for it
    // or it could not be started.
    virtual bool open(const std::string& target) = 0;
    // Opens the help file of that name that lies beside the program; false when it is
    // not there.
    virtual bool open_help(const std::string& name) = 0;
    virtual void play(Sound sound) = 0;
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
