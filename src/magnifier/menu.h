// The command menu as data, built from the state each time it is opened.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "magnifier/freeze.h"
#include "magnifier/presets.h"
#include "magnifier/settings.h"
#include "magnifier/tool.h"

namespace vitrelo {

// A command and, for the item arrays, which item.
enum class CommandKind {
    Zoom,
    Size,
    Refresh,
    Image,
    PickColor,
    Capture,
    Invert,
    Grid,
    Measure,
    CopyColor,
    MinimizeRestore,
    Language,
    Help,
    About,
    Close,
    Contrast,
    Unit,  // the item: the unit
    Calibrate,
    ColorFormat,  // the item: the format
};
struct Command {
    CommandKind kind;
    // Zoom, Size, Refresh, Image, Language: the item; CopyColor: the form; otherwise 0
    int index = 0;
    friend bool operator==(Command a, Command b) { return a.kind == b.kind && a.index == b.index; }
};
enum class ImageCommand { Copy, Save, Mail };
constexpr int kImageCommandCount = static_cast<int>(ImageCommand::Mail) + 1;
// The colour under the pointer as text: in the format chosen under "Formato colore"
// (the menu's and the C key's), or "RGB(r,g,b)" (Shift+C).
enum class ColorForm { Chosen, Rgb };
constexpr int kColorFormCount = static_cast<int>(ColorForm::Rgb) + 1;

// A menu id is a small positive integer that round-trips a Command (0 = none).
int command_id(Command c);
std::optional<Command> command_from_id(int id);

struct MenuItem {
    std::string text;
    int id = 0;  // 0 for separators and submenus
    bool checked = false;
    bool enabled = true;
    bool separator = false;
    bool is_default = false;         // drawn in bold
    bool radio = false;              // checked with a dot: one of a group
    std::vector<MenuItem> children;  // not empty: a submenu
};

// What the menu shows depends on.
struct MenuState {
    Settings settings;
    std::optional<Preset> size_mark;
    bool window_shown = true;    // false while only the tray icon is left
    bool image_enabled = false;  // the picture is frozen
    bool capture_mode = false;
    bool capture_enabled = true;  // greyed during a Ctrl pause
    Tool tool = Tool::None;       // the other tools are greyed
    bool grid = false;
    bool color_enabled = true;              // "Copia colore": a colour where the menu opened
    bool mail_enabled = true;               // the mail needs a JPEG writer
    Language language = Language::Italian;  // the texts'
};

// The items in display order, hidden ones left out.
std::vector<MenuItem> build_menu(const MenuState& s);

}  // namespace vitrelo
