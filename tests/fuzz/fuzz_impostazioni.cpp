// Settings values as read from the file: any bytes give an index in the tables.
#include <cstdlib>

#include "magnifier/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const std::string s(reinterpret_cast<const char*>(data), n);
    const vitrelo::Settings read = vitrelo::parse_settings(s, s, s);
    if (vitrelo::valid_zoom_index(read.zoom_index) != read.zoom_index) std::abort();
    if (vitrelo::valid_refresh_index(read.refresh_index) != read.refresh_index) std::abort();
    return 0;
}
