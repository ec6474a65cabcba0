#include "magnifier/settings.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace vitrelo {

namespace {

// LanguageChoice's values in the file, in its order.
constexpr const char* kLanguageValues[] = {"it", "en", "auto"};
static_assert(std::size(kLanguageValues) == kLanguageChoiceCount);

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

LanguageChoice parse_language(const std::string& value) {
    for (int i = 0; i < kLanguageChoiceCount; ++i) {
        const std::string name = kLanguageValues[i];
        if (value.size() == name.size() &&
            std::equal(value.begin(), value.end(), name.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return static_cast<LanguageChoice>(i);
    }
    return LanguageChoice::Italian;
}

std::array<StoredValue, 4> stored_form(const Settings& s) {
    const bool italian = s.language == LanguageChoice::Italian;
    return {{{kRefreshKey, std::to_string(s.refresh_index)},
             {kZoomKey, std::to_string(s.zoom_index)},
             {kInvertKey, s.invert ? "-1" : "0"},
             {kLanguageKey, kLanguageValues[static_cast<int>(s.language)], !italian}}};
}

}  // namespace vitrelo
