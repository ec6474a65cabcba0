// The stored options and their form in the settings file.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>

#include "magnifier/colors.h"
#include "magnifier/language.h"
#include "magnifier/measures.h"

namespace vitrelo {

constexpr std::array<double, 9> kZoomFactors = {0.5, 1, 2, 3, 4, 6, 8, 10, 12};
constexpr std::array<int, 5> kRefreshPeriodsMs = {10, 50, 100, 250, 500};
constexpr int kDefaultIndex = 2;        // 2x, 100 ms
constexpr double kGridMinimumZoom = 6;  // the grid is drawn (and offered) from 6x up

struct Settings {
    int zoom_index = kDefaultIndex;
    int refresh_index = kDefaultIndex;
    bool invert = false;
    Unit unit = Unit::Pixel;
    ColorFormat color_format = ColorFormat::Hex;
    // Pixels per inch by the monitor's device name ("\\.\DISPLAY1"), as calibrated.
    std::map<std::string, double> calibration = {};
    LanguageChoice language = LanguageChoice::Italian;
    // Not stored: the language of the user's Windows as the storage found it, the one
    // `LanguageChoice::Auto` stands for (Windows asks for a new sign-in to change it).
    Language windows_language = Language::Italian;

    double zoom() const { return kZoomFactors[static_cast<size_t>(zoom_index)]; }
    int refresh_ms() const { return kRefreshPeriodsMs[static_cast<size_t>(refresh_index)]; }
    bool half_zoom() const { return zoom_index == 0; }
    Language shown_language() const { return language_of(language, windows_language); }
};

// An index outside the table (hand-edited file, negative, huge) selects the default.
int valid_zoom_index(int index);
int valid_refresh_index(int index);

// A decimal number as the file may hold it: blanks around, a sign, digits with at
// most one '.'; anything else is not a number.
std::optional<double> parse_decimal(const std::string& text);

// The raw values read from the file (already trimmed; "" when missing) -> the options.
// Zoom and Refresh: a number rounded half to even, then validated; not a number -> default.
// InvertiColori: any non-zero number is true; not a number -> false.
Settings parse_settings(const std::string& zoom, const std::string& refresh,
                        const std::string& invert);
// Names as the profile functions compare them: equal but for the case of ASCII letters.
bool same_name(const std::string& a, const std::string& b);

// Lingua: "it", "en" or "auto" in any letter case; anything else (missing too) Italian.
LanguageChoice parse_language(const std::string& value);

// UnitaMisura and FormatoColore: one of the stored names below, else the default.
Unit parse_unit(const std::string& text);
ColorFormat parse_color_format(const std::string& text);
// A calibration: a number of pixels per inch from 20 to 2000, else none.
std::optional<double> parse_ppi(const std::string& text);
// The calibration as stored: one decimal, a decimal point ("109.4").
std::string ppi_value(double ppi);

// The keys of the settings file, and the stored names of the units and colour formats
// (in the enums' order).
inline constexpr const char* kZoomKey = "Zoom";
inline constexpr const char* kRefreshKey = "Refresh";
inline constexpr const char* kInvertKey = "InvertiColori";
inline constexpr const char* kUnitKey = "UnitaMisura";
inline constexpr const char* kColorFormatKey = "FormatoColore";
inline constexpr const char* kLanguageKey = "Lingua";
inline constexpr const char* kUnitValues[] = {"px", "pxlog", "mm", "in", "pt"};
inline constexpr const char* kColorFormatValues[] = {"hex", "RGB", "rgb", "hsl"};
inline constexpr const char* kLanguageValues[] = {"it", "en", "auto"};

// One key of the stored form. Written in this order (the file's bytes depend on it).
struct StoredValue {
    const char* key;
    std::string value;
};
std::array<StoredValue, 3> stored_form(const Settings& s);

}  // namespace vitrelo
