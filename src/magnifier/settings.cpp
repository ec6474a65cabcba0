#include "magnifier/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace vitrelo {

namespace {

template <size_t N>
int valid_index(int index) {
    return index >= 0 && index < static_cast<int>(N) ? index : kDefaultIndex;
}

// A stored index: the number rounded half to even, the default when it is not a
// number or names no item.
template <size_t N>
int stored_index(const std::string& text) {
    const std::optional<double> v = parse_decimal(text);
    if (!v) return kDefaultIndex;
    const double rounded = std::nearbyint(*v);
    // Compared as a double: a huge value must not reach the int conversion.
    if (rounded < 0 || rounded >= static_cast<double>(N)) return kDefaultIndex;
    return static_cast<int>(rounded);
}

}  // namespace

int valid_zoom_index(int index) {
    return valid_index<kZoomFactors.size()>(index);
}
int valid_refresh_index(int index) {
    return valid_index<kRefreshPeriodsMs.size()>(index);
}

std::optional<double> parse_decimal(const std::string& text) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    const size_t begin = i;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    bool point = false;
    for (; i < end; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c))
            ++digits;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    // strtod reads the same syntax; the program never changes the C locale, so the
    // decimal point is always '.'.
    return std::strtod(text.substr(begin, end - begin).c_str(), nullptr);
}

Settings parse_settings(const std::string& zoom, const std::string& refresh,
                        const std::string& invert) {
    Settings s;
    s.zoom_index = stored_index<kZoomFactors.size()>(zoom);
    s.refresh_index = stored_index<kRefreshPeriodsMs.size()>(refresh);
    const std::optional<double> inverted = parse_decimal(invert);
    s.invert = inverted && *inverted != 0;
    return s;
}

namespace {

// The index of `text` among the stored names (matched exactly: "RGB" and "rgb" differ).
template <size_t N>
std::optional<int> stored_name(const char* const (&names)[N], const std::string& text) {
    for (size_t i = 0; i < N; ++i)
        if (text == names[i]) return static_cast<int>(i);
    return std::nullopt;
}

static_assert(std::size(kUnitValues) == kUnitCount);
static_assert(std::size(kColorFormatValues) == kColorFormatCount);
static_assert(std::size(kLanguageValues) == kLanguageChoiceCount);

}  // namespace

Unit parse_unit(const std::string& text) {
    return static_cast<Unit>(stored_name(kUnitValues, text).value_or(0));
}

ColorFormat parse_color_format(const std::string& text) {
    return static_cast<ColorFormat>(stored_name(kColorFormatValues, text).value_or(0));
}

std::optional<double> parse_ppi(const std::string& text) {
    const std::optional<double> v = parse_decimal(text);
    if (!v || *v < kMinimumPpi || *v > kMaximumPpi) return std::nullopt;
    return v;
}

std::string ppi_value(double ppi) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", ppi);
    return text;
}

bool same_name(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

LanguageChoice parse_language(const std::string& value) {
    for (int i = 0; i < kLanguageChoiceCount; ++i)
        if (same_name(value, kLanguageValues[i])) return static_cast<LanguageChoice>(i);
    return LanguageChoice::Italian;
}

std::array<StoredValue, 3> stored_form(const Settings& s) {
    return {{{kRefreshKey, std::to_string(s.refresh_index)},
             {kZoomKey, std::to_string(s.zoom_index)},
             {kInvertKey, s.invert ? "-1" : "0"}}};
}

}  // namespace vitrelo
