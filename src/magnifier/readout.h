// The texts of the info strip.
#pragma once

#include <string>

#include "magnifier/geometry.h"
#include "magnifier/language.h"

namespace vitrelo {

// " RGB(r,g,b)" in decimal.
std::string color_readout(Color c);

// "  Versione M.m.r", as the information box shows it.
std::string version_text(int major, int minor, int revision, Language language);
// "mailto:<address>?Subject=Vitrelo - <version text>", blanks left as they are.
std::string about_mail_link(const std::string& address, const std::string& version);

}  // namespace vitrelo
