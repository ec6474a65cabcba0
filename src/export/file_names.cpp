#include "export/file_names.h"

#include <cctype>

namespace vitrelo {

namespace {

// Start of the UTF-8 character that ends just before byte i.
size_t previous_character(const std::string& s, size_t i) {
    do {
        --i;
    } while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80);
    return i;
}

}  // namespace

std::string extension_of(const std::string& name) {
    if (name.find('.') == std::string::npos) return "";
    size_t i = name.size();
    for (int n = 0; n < 3 && i > 0; ++n)
        i = previous_character(name, i);
    return name.substr(i);
}

std::string folder_of(const std::string& path) {
    const size_t slash = path.rfind('\\');
    if (slash == std::string::npos) return "";
    return path.substr(0, slash < 3 ? slash + 1 : slash);
}

SaveFormat save_format(const std::string& name) {
    const auto upper = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string ext = upper(extension_of(name));
    if (ext == "BMP") return SaveFormat::Bmp;
    if (ext == "JPG" || upper(name).ends_with(".JPEG")) return SaveFormat::Jpeg;
    if (ext == "PNG") return SaveFormat::Png;
    return SaveFormat::Rejected;
}

}  // namespace vitrelo
