#include "magnifier/menu.h"

#include <iterator>

#include "magnifier/texts.h"

namespace vitrelo {

namespace {

constexpr int kKindCount = static_cast<int>(CommandKind::ColorFormat) + 1;
constexpr int kIdsPerKind = 100;

// Each item array of the menu has one caption for each choice of the model.
static_assert(std::size(text::kZoomItems) == kZoomFactors.size());
static_assert(std::size(text::kRefreshItems) == kRefreshPeriodsMs.size());
static_assert(static_cast<int>(std::size(text::kSizeItems)) == kPresetCount);
static_assert(static_cast<int>(std::size(text::kImageItems)) == kImageCommandCount);
static_assert(static_cast<int>(std::size(text::kLanguageItems)) == kLanguageChoiceCount);
static_assert(static_cast<int>(std::size(text::kUnitItems)) == kUnitCount);
static_assert(static_cast<int>(std::size(text::kColorFormatItems)) == kColorFormatCount);

// How many items a command kind has.
int item_count(CommandKind kind) {
    switch (kind) {
        case CommandKind::Zoom:
            return static_cast<int>(kZoomFactors.size());
        case CommandKind::Size:
            return kPresetCount;
        case CommandKind::Refresh:
            return static_cast<int>(kRefreshPeriodsMs.size());
        case CommandKind::Image:
            return kImageCommandCount;
        case CommandKind::CopyColor:
            return kColorFormCount;
        case CommandKind::Language:
            return kLanguageChoiceCount;
        case CommandKind::Unit:
            return kUnitCount;
        case CommandKind::ColorFormat:
            return kColorFormatCount;
        default:
            return 1;
    }
}

// The menu's texts in the language it is built in.
struct Builder {
    Language language;

    MenuItem item(const Text& caption, Command c, bool checked = false, bool enabled = true) const {
        MenuItem m;
        m.text = caption.in(language);
        m.id = command_id(c);
        m.checked = checked;
        m.enabled = enabled;
        return m;
    }

    // A submenu of one item array; `checked` is the item that carries the mark, if any.
    template <size_t N>
    MenuItem submenu(const Text& caption, CommandKind kind, const Text (&captions)[N],
                     std::optional<int> checked, bool enabled = true, bool radio = false) const {
        MenuItem m;
        m.text = caption.in(language);
        m.enabled = enabled;
        for (size_t i = 0; i < N; ++i) {
            const int index = static_cast<int>(i);
            m.children.push_back(item(captions[i], {kind, index}, checked == index));
            m.children.back().radio = radio;
        }
        return m;
    }
};

MenuItem separator() {
    MenuItem m;
    m.text = "-";
    m.separator = true;
    return m;
}

}  // namespace

int command_id(Command c) {
    return (static_cast<int>(c.kind) + 1) * kIdsPerKind + c.index;
}

std::optional<Command> command_from_id(int id) {
    const int kind = id / kIdsPerKind - 1;
    const int index = id % kIdsPerKind;
    if (kind < 0 || kind >= kKindCount) return std::nullopt;
    const Command c{static_cast<CommandKind>(kind), index};
    if (index >= item_count(c.kind)) return std::nullopt;
    return c;
}

std::vector<MenuItem> build_menu(const MenuState& s) {
    const Builder b{s.language};
    std::vector<MenuItem> menu;
    // In the tray only the way back and Chiudi are left.
    const bool full = s.window_shown;
    if (full) {
        std::optional<int> size;
        if (s.size_mark) size = static_cast<int>(*s.size_mark);
        menu.push_back(
            b.submenu(text::kMenuZoom, CommandKind::Zoom, text::kZoomItems, s.settings.zoom_index));
        menu.push_back(b.submenu(text::kMenuSize, CommandKind::Size, text::kSizeItems, size));
        menu.push_back(b.submenu(text::kMenuRefresh, CommandKind::Refresh, text::kRefreshItems,
                                 s.settings.refresh_index));
        menu.push_back(b.submenu(text::kMenuImage, CommandKind::Image, text::kImageItems,
                                 std::nullopt, s.image_enabled));
        menu.back().children[static_cast<size_t>(ImageCommand::Mail)].enabled = s.mail_enabled;
        // One tool at a time: the others are greyed while one is on.
        const auto tool = [&](const Text& caption, CommandKind kind, Tool t) {
            return b.item(caption, {kind}, s.tool == t, s.tool == Tool::None || s.tool == t);
        };
        menu.push_back(tool(text::kMenuPickColor, CommandKind::PickColor, Tool::PickColor));
        menu.push_back(
            b.item(text::kMenuCapture, {CommandKind::Capture}, s.capture_mode, s.capture_enabled));
        menu.push_back(b.item(text::kMenuInvert, {CommandKind::Invert}, s.settings.invert));
        menu.push_back(b.item(text::kMenuGrid, {CommandKind::Grid}, s.grid,
                              s.settings.zoom() >= kGridMinimumZoom));
        menu.push_back(tool(text::kMenuMeasure, CommandKind::Measure, Tool::Measure));
        menu.push_back(
            b.item(text::kMenuCopyColor, {CommandKind::CopyColor}, false, s.color_enabled));
        menu.push_back(tool(text::kMenuContrast, CommandKind::Contrast, Tool::Contrast));
        MenuItem units = b.submenu(text::kMenuUnit, CommandKind::Unit, text::kUnitItems,
                                   static_cast<int>(s.settings.unit), true, true);
        units.children.push_back(separator());
        units.children.push_back(b.item(text::kMenuCalibrate, {CommandKind::Calibrate}));
        menu.push_back(units);
        menu.push_back(b.submenu(text::kMenuColorFormat, CommandKind::ColorFormat,
                                 text::kColorFormatItems, static_cast<int>(s.settings.color_format),
                                 true, true));
        menu.push_back(separator());
    }
    MenuItem minimize =
        b.item(full ? text::kMenuMinimize : text::kMenuRestore, {CommandKind::MinimizeRestore});
    minimize.is_default = true;
    menu.push_back(minimize);
    if (full) {
        menu.push_back(separator());
        menu.push_back(b.submenu(text::kMenuLanguage, CommandKind::Language, text::kLanguageItems,
                                 static_cast<int>(s.settings.language), true, true));
        MenuItem help;
        help.text = text::kMenuHelp.in(s.language);
        help.children.push_back(b.item(text::kHelpItems[0], {CommandKind::Help}));
        help.children.push_back(b.item(text::kHelpItems[1], {CommandKind::About}));
        menu.push_back(help);
    }
    menu.push_back(separator());
    menu.push_back(b.item(text::kMenuClose, {CommandKind::Close}));
    return menu;
}

}  // namespace vitrelo
