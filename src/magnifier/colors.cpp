#include "magnifier/colors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "magnifier/measures.h"
#include "magnifier/pixel_tools.h"
#include "magnifier/texts.h"

namespace vitrelo {

namespace {

int red(Color c) {
    return static_cast<int>(c & 0xFF);
}
int green(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int blue(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

double linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

std::string hsl_text(Color c) {
    const double r = red(c) / 255.0, g = green(c) / 255.0, b = blue(c) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double chroma = high - low;
    const double l = (high + low) / 2;
    double h = 0, s = 0;
    if (chroma > 0) {
        s = chroma / (1 - std::abs(2 * l - 1));
        if (high == r)
            h = std::fmod((g - b) / chroma + 6, 6);
        else if (high == g)
            h = (b - r) / chroma + 2;
        else
            h = (r - g) / chroma + 4;
        h *= 60;
    }
    char text[32];
    std::snprintf(text, sizeof text, "hsl(%ld, %ld%%, %ld%%)", std::lround(h) % 360,
                  std::lround(s * 100), std::lround(l * 100));
    return text;
}

}  // namespace

std::string color_text(Color c, ColorFormat format) {
    switch (format) {
        case ColorFormat::Hex:
            return color_hex_text(c);
        case ColorFormat::Rgb:
            return color_rgb_text(c);
        case ColorFormat::CssRgb:
            return "rgb(" + std::to_string(red(c)) + ", " + std::to_string(green(c)) + ", " +
                   std::to_string(blue(c)) + ")";
        case ColorFormat::Hsl:
            return hsl_text(c);
    }
    return color_hex_text(c);
}

double relative_luminance(Color c) {
    return 0.2126 * linear(red(c)) + 0.7152 * linear(green(c)) + 0.0722 * linear(blue(c));
}

double contrast_ratio(Color a, Color b) {
    const double la = relative_luminance(a), lb = relative_luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::string contrast_readout(Color a, Color b, Language language) {
    const double ratio = contrast_ratio(a, b);
    // The verdict is the unrounded ratio's: 4.499 shows as 4,50 yet fails AA.
    const Text& verdict = ratio >= 7     ? text::kContrastVerdicts[0]
                          : ratio >= 4.5 ? text::kContrastVerdicts[1]
                          : ratio >= 3   ? text::kContrastVerdicts[2]
                                         : text::kContrastVerdicts[3];
    // Appended, not " " + ...: GCC 12 warns falsely (-Wrestrict) on that at -O3.
    std::string readout = " ";
    readout += decimal_text(ratio, 2, language);
    readout += ":1 ";
    readout += verdict.in(language);
    return readout;
}

}  // namespace vitrelo
