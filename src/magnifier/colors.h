// A colour as the text stylesheets take, and the WCAG 2.x contrast of two colours.
#pragma once

#include <string>

#include "magnifier/geometry.h"
#include "magnifier/language.h"

namespace vitrelo {

// In the order of the menu's items: "#RRGGBB", "RGB(r,g,b)", "rgb(r, g, b)",
// "hsl(h, s%, l%)".
enum class ColorFormat { Hex, Rgb, CssRgb, Hsl };
constexpr int kColorFormatCount = static_cast<int>(ColorFormat::Hsl) + 1;

// The colour in that form; hsl as CSS: h in whole degrees 0-359, s and l in whole per
// cent, each rounded to nearest.
std::string color_text(Color c, ColorFormat format);

// WCAG 2.x: the relative luminance, 0 (black) to 1 (white), of the sRGB colour, and
// the contrast ratio of two colours, 1 to 21, whichever is lighter.
double relative_luminance(Color c);
double contrast_ratio(Color a, Color b);
// " 4,61:1 AA": the ratio with two decimals and what it passes for normal text
// ("AAA", "AA", "AA grande" for large text only, "no"), in `language` (" 4.61:1 AA").
std::string contrast_readout(Color a, Color b, Language language);

}  // namespace vitrelo
