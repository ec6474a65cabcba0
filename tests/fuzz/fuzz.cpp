// Text from outside on the parsers that take it; the first byte's lowest bit picks which:
// 0 a value of the settings file (any bytes give an index in the tables), 1 a name typed in the
// Save As dialog (its extension ends it, is empty exactly without a dot, has at most 3 UTF-8
// characters, and the name gets a format).
#include <algorithm>
#include <cstdlib>

#include "export/file_names.h"
#include "magnifier/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    if (n == 0) return 0;
    const std::string s(reinterpret_cast<const char*>(data) + 1, n - 1);
    if (data[0] % 2 == 0) {
        const vitrelo::Settings read = vitrelo::parse_settings(s, s, s);
        if (vitrelo::valid_zoom_index(read.zoom_index) != read.zoom_index ||
            vitrelo::valid_refresh_index(read.refresh_index) != read.refresh_index)
            std::abort();
        return 0;
    }
    const std::string e = vitrelo::extension_of(s);
    const auto characters = std::ranges::count_if(e, [](char c) { return (c & 0xC0) != 0x80; });
    if (!s.ends_with(e) || e.empty() != (s.find('.') == std::string::npos) || characters > 3)
        std::abort();
    vitrelo::save_format(s);
    return 0;
}
