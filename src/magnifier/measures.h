// The X-Y readout in the units of a layout: device pixels converted by the DPI Windows
// scales a monitor by (logical pixels) or by its pixels per inch (millimetres, inches,
// points).
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "magnifier/language.h"

namespace vitrelo {

// In the order of the menu's items.
enum class Unit { Pixel, LogicalPixel, Millimetre, Inch, Point };
constexpr int kUnitCount = static_cast<int>(Unit::Point) + 1;

constexpr double kDefaultPpi = 96;
// Pixels per inch outside this range are no calibration (a typing slip, a broken EDID).
constexpr double kMinimumPpi = 20;
constexpr double kMaximumPpi = 2000;

// What a device pixel is worth on one monitor.
struct Scale {
    int dpi = 96;              // the effective DPI, the one Windows scales by
    double ppi = kDefaultPpi;  // pixels per inch of the glass
};

// The pixels per inch of a monitor: the user's calibration of it if there is one, else
// what its reported physical size gives (0: none), else 96.
double monitor_ppi(const std::map<std::string, double>& calibration, const std::string& monitor,
                   double reported_ppi);

// Keeps `ppi` as the calibration of `monitor`, in place of any of that name in
// another letter case.
void calibrate_monitor(std::map<std::string, double>& calibration, const std::string& monitor,
                       double ppi);

// A distance in device pixels in `unit`.
double in_unit(double device_pixels, Unit unit, const Scale& scale);
// The number as shown: the language's decimal separator (Italian a comma, English a
// point), at most as many decimals as the unit needs, trailing zeros dropped ("40",
// "10,6", "0,42").
std::string unit_number(double value, Unit unit, Language language);
// `value` with `decimals` decimals and the language's decimal separator ("4,61", "4.61").
std::string decimal_text(double value, int decimals, Language language);
// " X dx   Y dy" and the unit's short name; pixels without one, as the readout always was.
std::string distance_readout(int32_t dx, int32_t dy, Unit unit, const Scale& scale,
                             Language language);
// "dx x dy" and the unit's short name, for the clipboard.
std::string distance_text(int32_t dx, int32_t dy, Unit unit, const Scale& scale, Language language);

// The pixels per inch of a screen `resolution` pixels across its diagonal of `inches`;
// of a bar `bar_pixels` long held as long as a bank card (85.60 mm).
double ppi_from_diagonal(int32_t width, int32_t height, double inches);
double ppi_from_card(int32_t bar_pixels);
constexpr double kCardMillimetres = 85.6;
constexpr double kMillimetresPerInch = 25.4;

}  // namespace vitrelo
