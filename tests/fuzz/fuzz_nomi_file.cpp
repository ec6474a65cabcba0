// File names given to the extension test and the save branch.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "export/file_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    using namespace vitrelo;
    const std::string name(reinterpret_cast<const char*>(data), n);
    const std::string e = extension_of(name);
    if (name.find('.') == std::string::npos) {
        if (!e.empty()) std::abort();
    } else {
        // The last three characters; names are UTF-8, so a character may take
        // several bytes, and a pure ASCII name gives exactly three bytes.
        if (e.size() > name.size() || name.compare(name.size() - e.size(), e.size(), e) != 0)
            std::abort();
        size_t characters = 0;
        bool ascii = true;
        for (unsigned char c : name)
            ascii = ascii && c < 0x80;
        for (unsigned char c : e)
            characters += (c & 0xC0) != 0x80;
        if (characters > 3 || e.empty()) std::abort();
        if (ascii && e.size() != std::min<size_t>(3, name.size())) std::abort();
    }
    std::string upper = e;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const SaveFormat expected = upper == "BMP"   ? SaveFormat::Bmp
                                : upper == "JPG" ? SaveFormat::Jpeg
                                                 : SaveFormat::Rejected;
    if (save_format(name) != expected) std::abort();
    return 0;
}
