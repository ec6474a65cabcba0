#include "magnifier/measures.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "magnifier/settings.h"
#include "magnifier/texts.h"

namespace vitrelo {

namespace {

constexpr double kPointsPerInch = 72;

int decimals(Unit unit) {
    switch (unit) {
        case Unit::Pixel:
            return 0;
        case Unit::Inch:
            return 2;
        default:
            return 1;
    }
}

std::string suffixed(const std::string& text, Unit unit, Language language) {
    const char* name = text::kUnitNames[static_cast<int>(unit)].in(language);
    return *name ? text + " " + name : text;
}

}  // namespace

double monitor_ppi(const std::map<std::string, double>& calibration, const std::string& monitor,
                   double reported_ppi) {
    // Device names are matched as the profile functions match keys, in any letter case.
    for (const auto& [name, ppi] : calibration)
        if (same_name(name, monitor)) return ppi;
    if (reported_ppi >= kMinimumPpi && reported_ppi <= kMaximumPpi) return reported_ppi;
    return kDefaultPpi;
}

void calibrate_monitor(std::map<std::string, double>& calibration, const std::string& monitor,
                       double ppi) {
    std::erase_if(calibration, [&](const auto& entry) { return same_name(entry.first, monitor); });
    calibration[monitor] = ppi;
}

double in_unit(double device_pixels, Unit unit, const Scale& scale) {
    const double inches = device_pixels / scale.ppi;
    switch (unit) {
        case Unit::Pixel:
            return device_pixels;
        case Unit::LogicalPixel:
            return device_pixels * 96 / scale.dpi;
        case Unit::Millimetre:
            return inches * kMillimetresPerInch;
        case Unit::Inch:
            return inches;
        case Unit::Point:
            return inches * kPointsPerInch;
    }
    return device_pixels;
}

std::string decimal_text(double value, int decimals, Language language) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    if (const size_t point = s.find('.'); point != std::string::npos)
        s[point] = *text::kDecimalSeparator.in(language);
    return s;
}

std::string unit_number(double value, Unit unit, Language language) {
    std::string s = decimal_text(value, decimals(unit), language);
    if (s.find(*text::kDecimalSeparator.in(language)) == std::string::npos) return s;
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == *text::kDecimalSeparator.in(language)) s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string distance_readout(int32_t dx, int32_t dy, Unit unit, const Scale& scale,
                             Language language) {
    return suffixed(" X " + unit_number(in_unit(dx, unit, scale), unit, language) + "   Y " +
                        unit_number(in_unit(dy, unit, scale), unit, language),
                    unit, language);
}

std::string distance_text(int32_t dx, int32_t dy, Unit unit, const Scale& scale,
                          Language language) {
    const std::string text = unit_number(in_unit(dx, unit, scale), unit, language) + " x " +
                             unit_number(in_unit(dy, unit, scale), unit, language);
    return unit == Unit::Pixel ? text + " px" : suffixed(text, unit, language);
}

double ppi_from_diagonal(int32_t width, int32_t height, double inches) {
    return std::hypot(static_cast<double>(width), static_cast<double>(height)) / inches;
}

double ppi_from_card(int32_t bar_pixels) {
    return bar_pixels * kMillimetresPerInch / kCardMillimetres;
}

}  // namespace vitrelo
