// Any name: its extension is its end, empty exactly without a dot, at most 3 UTF-8 characters.
#include <algorithm>
#include <cstdlib>

#include "export/file_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const std::string name(reinterpret_cast<const char*>(data), n), e = vitrelo::extension_of(name);
    const auto characters = std::ranges::count_if(e, [](char c) { return (c & 0xC0) != 0x80; });
    if (!name.ends_with(e) || e.empty() != (name.find('.') == std::string::npos) || characters > 3)
        std::abort();
    vitrelo::save_format(name);  // and it gets a format
    return 0;
}
