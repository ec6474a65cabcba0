#include "magnifier/readout.h"

#include "magnifier/texts.h"

namespace vitrelo {

std::string color_readout(Color c) {
    return " RGB(" + std::to_string(c & 0xFF) + "," + std::to_string((c >> 8) & 0xFF) + "," +
           std::to_string((c >> 16) & 0xFF) + ")";
}

std::string version_text(int major, int minor, int revision, Language language) {
    return text::kVersionPrefix.in(language) + std::to_string(major) + "." + std::to_string(minor) +
           "." + std::to_string(revision);
}

std::string about_mail_link(const std::string& address, const std::string& version) {
    return "mailto:" + address + "?Subject=" + text::kTitle + " - " + version;
}

}  // namespace vitrelo
