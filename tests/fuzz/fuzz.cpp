// Text from outside on its parsers, the first byte modulo 3 choosing: 0 a settings value (an index
// in the tables), 1 a name typed in Save As (its extension ends it, is empty exactly without a
// dot, has at most 3 UTF-8 characters), 2 a settings file (the options and a calibration written
// read back).
#include <algorithm>
#include <cstdlib>

#include "export/file_names.h"
#include "magnifier/settings.h"
#include "magnifier/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    if (n == 0) return 0;
    const std::string s(reinterpret_cast<const char*>(data) + 1, n - 1);
    if (data[0] % 3 == 0) {
        const vitrelo::Settings read = vitrelo::parse_settings(s, s, s);
        if (vitrelo::valid_zoom_index(read.zoom_index) != read.zoom_index ||
            vitrelo::valid_refresh_index(read.refresh_index) != read.refresh_index)
            std::abort();
        return 0;
    }
    if (data[0] % 3 == 2) {
        using vitrelo::Unit, vitrelo::ColorFormat;
        const std::string monitor = "\\\\.\\DISPLAY1";
        const vitrelo::Settings wanted{data[0] / 3 % 9,
                                       data[0] / 27 % 5,
                                       s.size() % 2 == 1,
                                       Unit(s.size() / 2 % vitrelo::kUnitCount),
                                       ColorFormat(s.size() / 10 % vitrelo::kColorFormatCount),
                                       {{monitor, 20.0 + double(s.size() % 1981)}},
                                       vitrelo::LanguageChoice(s.size() / 40 % 3)};
        const vitrelo::Settings read =
            vitrelo::settings_from_text(vitrelo::updated_settings_text(s, wanted));
        if (read.zoom_index != wanted.zoom_index || read.refresh_index != wanted.refresh_index ||
            read.invert != wanted.invert || read.unit != wanted.unit ||
            read.color_format != wanted.color_format || read.language != wanted.language ||
            vitrelo::monitor_ppi(read.calibration, monitor, 0) != wanted.calibration.at(monitor))
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
