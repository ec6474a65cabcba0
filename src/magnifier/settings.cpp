#include "magnifier/settings.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

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

std::array<StoredValue, 3> stored_form(const Settings& s) {
    return {{{kRefreshKey, std::to_string(s.refresh_index)},
             {kZoomKey, std::to_string(s.zoom_index)},
             {kInvertKey, s.invert ? "-1" : "0"}}};
}

}  // namespace vitrelo
