// Settings values as read from the file: any bytes must give a usable index.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "magnifier/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    using namespace vitrelo;
    const std::string s(reinterpret_cast<const char*>(data), n);
    const auto v = parse_decimal(s);
    const Settings read = parse_settings(s, s, s);
    // Not a number, or a number naming no item: the default.
    int zoom = kDefaultIndex, refresh = kDefaultIndex;
    if (v && std::isfinite(*v)) {
        const double r = std::nearbyint(*v);
        if (r >= 0 && r < static_cast<double>(kZoomFactors.size())) zoom = static_cast<int>(r);
        if (r >= 0 && r < static_cast<double>(kRefreshPeriodsMs.size()))
            refresh = static_cast<int>(r);
    }
    if (read.zoom_index != zoom || read.refresh_index != refresh) std::abort();
    if (read.invert != (v && *v != 0)) std::abort();
    (void)read.zoom();  // in the table whatever the text
    (void)read.refresh_ms();
    return 0;
}
