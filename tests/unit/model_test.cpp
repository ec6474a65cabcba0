// The model: capture rectangle, settings and their file, layout, presets, menu, grid.
#include <gtest/gtest.h>

#include <tuple>

#include "magnifier/capture.h"
#include "magnifier/colors.h"
#include "magnifier/layout.h"
#include "magnifier/measures.h"
#include "magnifier/menu.h"
#include "magnifier/overlays.h"
#include "magnifier/presets.h"
#include "magnifier/settings.h"
#include "magnifier/settings_file.h"
#include "unit/support.h"

namespace vitrelo {
namespace {

TEST(Capture, ClampsToTheScreenDistancesPointerAndWindowEdges) {
    // zoom, picture, pointer -> source, destination, shift on a 1024 x 768 screen: both corners
    // at a zoom that does not divide the picture, 0.5x with an odd picture, a capture wider
    // than the screen and one exactly as large.
    const std::tuple<double, Size, Point, Rect, Size, Point> cases[] = {
        {3, {301, 255}, {0, 0}, {0, 0, 101, 85}, {303, 255}, {-50, -42}},
        {3, {301, 255}, {1023, 767}, {923, 683, 101, 85}, {303, 255}, {50, 42}},
        {0.5, {301, 255}, {500, 400}, {199, 145, 602, 510}, {301, 255}, {0, 0}},
        {0.5, {600, 200}, {512, 10}, {-176, 0, 1200, 400}, {600, 200}, {176, -190}},
        {0.5, {512, 384}, {10, 10}, {0, 0, 1024, 768}, {512, 384}, {-502, -374}}};
    for (const auto& [zoom, picture, pointer, source, destination, shift] : cases) {
        const Capture k = capture_for(picture, zoom, pointer, {0, 0, 1024, 768});
        EXPECT_EQ(std::tie(k.source, k.destination, k.shift), std::tie(source, destination, shift))
            << zoom << " at " << pointer.x;
    }
    const std::tuple<int32_t, double, int32_t> distances[] = {
        {24, 4, 6}, {-24, 4, 6}, {23, 4, 5}, {29, 3, 9}, {7, 0.5, 14}, {11, 12, 1}, {10, 12, 0}};
    for (const auto& [d, zoom, expected] : distances)
        EXPECT_EQ(distance_on_zoom(d, zoom), expected) << d;
    // Each term to even: 150.5 - 150 - 3 -> -2, 127.5 - 126 - 6 -> -4; 150 + 2 - 2, 127.5 - 2 - 2.
    EXPECT_EQ(pointer_origin({301, 255}, 3, {-50, -42}, {1, 2}), (Point{-2, -4}));
    EXPECT_EQ(pointer_origin({300, 255}, 0.5, {3, -3}, {5, 5}), (Point{150, 124}));
    const std::pair<Point, bool> points[] = {
        {{100, 60}, false}, {{101, 60}, true}, {{300, 60}, true},  {{301, 60}, false},
        {{150, 50}, false}, {{150, 51}, true}, {{150, 150}, true}, {{150, 151}, false}};
    for (const auto& [p, over] : points)
        EXPECT_EQ(over_window({100, 50, 200, 100}, p), over) << p.x << "," << p.y;
}

TEST(Settings, StoredValuesParsing) {
    // The zoom index a value gives; the refresh table (5 items) rounds against its own end.
    const std::pair<const char*, int> cases[] = {
        {"", 2},    {"  5  ", 5}, {"+5", 5},   {"-0", 0},        {"0.5", 0},
        {"1.5", 2}, {"8.5", 8},   {"8.51", 2}, {"-0.5", 0},      {"-0.51", 2},
        {"9", 2},   {"5.", 5},    {".5", 0},   {".", 2},         {"1.2.3", 2},
        {"\t5", 2}, {"5 x", 2},   {"- 5", 2},  {"4294967301", 2}};
    for (const auto& [text, zoom] : cases) {
        EXPECT_EQ(parse_settings(text, "", "").zoom_index, zoom) << '"' << text << '"';
        EXPECT_EQ(parse_settings("", text, "").refresh_index, zoom < 5 ? zoom : 2) << text;
    }
    const std::pair<const char*, bool> inversions[] = {
        {"-1", true}, {" 0.001", true}, {"0", false}, {"-0.0", false}, {"", false}, {"si", false}};
    for (const auto& [text, invert] : inversions)
        EXPECT_EQ(parse_settings("", "", text).invert, invert) << text;
}

TEST(Layout, PartsSizeLimitsKeepingOnScreenAndPresets) {
    const Layout expected{{0, 0, 301, 238}, {0, 221, 301, 17}, {-1, -1, 18, 18},
                          {18, -1, 16, 17}, {34, 0, 301, 17},  {283, -1, 16, 16},
                          {0, 0, 32, 32},   {78, 72, 144, 95}};  // 78.5 and 71.5 to even
    EXPECT_EQ(layout_for({301, 238}, part_sizes_for_dpi(96)), expected);
    const PartSizes p = part_sizes_for_dpi(144);
    EXPECT_EQ(std::vector({p.strip_height, p.close_size, p.lock_size, p.logo.height}),
              std::vector({26, 27, 48, 142}));  // 25.5 and 142.5 to even
    // At least the minimum; at 0.5x at most half the screen (to even), which wins over it.
    const std::tuple<Size, Size, bool, Size> fits[] = {{{167, 106}, {1024, 768}, false, {168, 107}},
                                                       {{511, 383}, {1021, 765}, true, {510, 382}},
                                                       {{168, 107}, {300, 200}, true, {150, 100}}};
    for (const auto& [requested, screen, half, expected] : fits)
        EXPECT_EQ(fit_window_size(requested, {168, 107}, screen, half), expected)
            << requested.width;
    const Rect screen{-1280, 100, 1280, 1024};  // larger than it: the top-left corner on it
    EXPECT_EQ(keep_on_screen({-1300, 50, 200, 200}, screen), (Rect{-1280, 100, 200, 200}));
    EXPECT_EQ(keep_on_screen({-1000, 500, 1500, 1200}, screen), (Rect{-1280, 100, 1500, 1200}));
    using enum Preset;
    // On a screen smaller than twice the minimum, at 0.5x; a bar an eighth of a tall screen.
    const Rect small{0, 0, 300, 200};
    const std::tuple<Preset, Rect, bool, Rect> rects[] = {
        {Minimum, small, true, {150, 100, 150, 100}},
        {BottomBar, small, true, {0, 100, 150, 100}},
        {TopBar, {0, 0, 1280, 1024}, false, {0, 0, 1280, 128}}};
    for (const auto& [preset, screen, half, expected] : rects)
        EXPECT_EQ(preset_rect(preset, {900, 700, 300, 255}, screen, {168, 107}, half), expected)
            << static_cast<int>(preset) << half;
    const Rect left{-1024, 0, 1024, 768};
    const std::tuple<Size, Rect, std::optional<Preset>> marks[] = {
        {{256, 192}, left, EighthScreen},
        {{257, 192}, left, std::nullopt},
        {{512, 385}, left, std::nullopt},
        {{256, 192}, {0, 0, 1023, 767}, std::nullopt},
        {{168, 107}, {0, 0, 672, 428}, Minimum}};
    for (const auto& [window, screen, expected] : marks)  // the last: minimum before 1/8
        EXPECT_EQ(preset_of_size(window, screen, {168, 107}), expected) << window.width;
}

TEST(Measures, UnitsByTheMonitorsDpiAndPixelsPerInchWithADecimalComma) {
    // dx, dy, unit, dpi, ppi -> the readout and the clipboard's text.
    using enum Unit;
    const std::tuple<int32_t, int32_t, Unit, int, double, const char*, const char*> cases[] = {
        {7, 3, Pixel, 144, 127, " X 7   Y 3", "7 x 3 px"},
        {60, 30, LogicalPixel, 96, 96, " X 60   Y 30 px log.", "60 x 30 px log."},
        {60, 30, LogicalPixel, 120, 96, " X 48   Y 24 px log.", "48 x 24 px log."},
        {60, 30, LogicalPixel, 144, 96, " X 40   Y 20 px log.", "40 x 20 px log."},
        {61, 30, LogicalPixel, 192, 96, " X 30,5   Y 15 px log.", "30,5 x 15 px log."},
        {50, 25, Millimetre, 96, 127, " X 10   Y 5 mm", "10 x 5 mm"},  // 5 px a mm
        {50, 25, Millimetre, 96, 120, " X 10,6   Y 5,3 mm", "10,6 x 5,3 mm"},
        {50, 25, Inch, 96, 120, " X 0,42   Y 0,21 in", "0,42 x 0,21 in"},
        {40, 0, Point, 144, 96, " X 30   Y 0 pt", "30 x 0 pt"}};
    constexpr Language it = Language::Italian, en = Language::English;
    for (const auto& [dx, dy, unit, dpi, ppi, readout, copied] : cases) {
        EXPECT_EQ(distance_readout(dx, dy, unit, {dpi, ppi}, it), readout);
        EXPECT_EQ(distance_text(dx, dy, unit, {dpi, ppi}, it), copied);
    }
    // In English a decimal point and the units' English names.
    EXPECT_EQ(std::pair(distance_readout(61, 30, LogicalPixel, {192, 96}, en),
                        distance_text(50, 25, Inch, {96, 120}, en)),
              std::pair(std::string(" X 30.5   Y 15 logical px"), std::string("0.42 x 0.21 in")));
    EXPECT_EQ(unit_number(2.96, Unit::Millimetre, it), "3");  // rounded, then no ",0"
    // A calibration in any letter case, else the reported size within 20-2000, else 96.
    const std::map<std::string, double> calibrated{{"\\\\.\\DISPLAY1", 127}};
    const std::tuple<const char*, double, double> monitors[] = {
        {"\\\\.\\display1", 109, 127},   {"\\\\.\\DISPLAY2", 109, 109},
        {"\\\\.\\DISPLAY2", 0, 96},      {"\\\\.\\DISPLAY2", 2001, 96},
        {"\\\\.\\DISPLAY2", 2000, 2000}, {"\\\\.\\DISPLAY2", 20, 20}};
    for (const auto& [name, reported, ppi] : monitors)
        EXPECT_EQ(monitor_ppi(calibrated, name, reported), ppi) << name << reported;
    EXPECT_NEAR(ppi_from_diagonal(1920, 1080, 21.5), 102.46, 0.01);
    EXPECT_NEAR(ppi_from_card(337), 100, 0.01);  // 85.60 mm at 100 ppi: 337 pixels
}

TEST(Colors, FormatsAndTheWcagContrastWithItsVerdict) {
    const std::tuple<Color, V> formats[] = {
        // 0x00BBGGRR
        {0x996633, {"#336699", "RGB(51,102,153)", "rgb(51, 102, 153)", "hsl(210, 50%, 40%)"}},
        {0x0100FF, {"#FF0001", "RGB(255,0,1)", "rgb(255, 0, 1)", "hsl(0, 100%, 50%)"}},
        {0x808080, {"#808080", "RGB(128,128,128)", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)"}},
        {0xFF00FF, {"#FF00FF", "RGB(255,0,255)", "rgb(255, 0, 255)", "hsl(300, 100%, 50%)"}}};
    for (const auto& [color, texts] : formats)
        for (int f = 0; f < kColorFormatCount; ++f)
            EXPECT_EQ(color_text(color, ColorFormat(f)), texts[size_t(f)]);
    // Text on white (either way round): 4.48 fails AA, 3.03 passes only for large text.
    const std::pair<Color, const char*> ratios[] = {
        {0x000000, " 21,00:1 AAA"},      {0x595959, " 7,00:1 AAA"},       {0x757575, " 4,61:1 AA"},
        {0x777777, " 4,48:1 AA grande"}, {0x949494, " 3,03:1 AA grande"}, {0x999999, " 2,85:1 no"}};
    constexpr Language it = Language::Italian, en = Language::English;
    for (const auto& [color, text] : ratios) {
        EXPECT_EQ(contrast_readout(color, kWhite, it), text);
        EXPECT_EQ(contrast_readout(kWhite, color, it), text);
    }
    EXPECT_EQ(contrast_readout(0x0000FF, 0x0000FF, it), " 1,00:1 no");
    EXPECT_EQ(V({contrast_readout(0x777777, kWhite, en), contrast_readout(0x999999, kWhite, en)}),
              (V{" 4.48:1 AA large", " 2.85:1 fail"}));
}

// Item texts, "-" for separators; a disabled item in brackets, a checked one starred, the
// default one marked "!".
V shown(const std::vector<MenuItem>& items) {
    V out;
    for (const MenuItem& i : items) {
        const std::string t = i.separator ? "-"
                                          : std::string(i.checked ? (i.radio ? "o" : "*") : "") +
                                                (i.is_default ? "!" : "") + i.text;
        out.push_back(i.enabled ? t : "[" + t + "]");
    }
    return out;
}

TEST(Menu, ItemsChecksAndGreyFollowTheState) {
    MenuState s;
    s.settings = {5, 1, true, Unit::Millimetre, ColorFormat::Hsl};
    s.size_mark = Preset::QuarterScreen;
    s.image_enabled = s.grid = s.capture_mode = true;
    s.tool = Tool::PickColor;
    s.capture_enabled = s.color_enabled = s.mail_enabled = false;
    std::vector<MenuItem> m = build_menu(s);
    EXPECT_EQ(shown({m.begin(), m.begin() + 14}),
              (V{"Zoom", "Dimensione finestra", "Refresh", "Immagine", "*Individua colore",
                 "[*Cattura Immagine]", "*Inverti colori", "*Griglia", "[Dimensioni X-Y]",
                 "[Copia colore\tC]", "[Contrasto]", "Unità di misura", "Formato colore", "-"}));
    EXPECT_EQ(V({shown(m[0].children)[5], shown(m[1].children)[2], shown(m[2].children)[1]}),
              (V{"*  6 x", "*1/4 schermo", "*50 ms"}));
    EXPECT_EQ(shown(m[11].children),
              (V{"pixel", "pixel logici", "omillimetri", "pollici", "punti", "-", "Calibra..."}));
    EXPECT_EQ(shown(m[12].children),
              (V{"#RRGGBB", "RGB(r,g,b)", "rgb(r, g, b)", "ohsl(h, s%, l%)"}));
    s = MenuState{};
    s.settings.zoom_index = 4;  // 4x: no grid
    s.grid = true;
    s.tool = Tool::Measure;
    m = build_menu(s);
    EXPECT_EQ(shown({m.begin() + 3, m.begin() + 11}),
              (V{"[Immagine]", "[Individua colore]", "Cattura Immagine", "Inverti colori",
                 "[*Griglia]", "*Dimensioni X-Y", "Copia colore\tC", "[Contrasto]"}));
    s.tool = Tool::Contrast;
    m = build_menu(s);
    EXPECT_EQ(shown({m[4], m[8], m[10]}),
              (V{"[Individua colore]", "[Dimensioni X-Y]", "*Contrasto"}));
    s.language = Language::English, s.settings.language = LanguageChoice::Auto;
    m = build_menu(s);
    EXPECT_EQ(shown({m[4], m[8], m[10], m[11], m[12]}),
              (V{"[Pick colour]", "[Measure X-Y]", "*Contrast", "Units", "Colour format"}));
    EXPECT_EQ(shown(m[16].children), (V{"Italiano", "English", "oCome Windows / As Windows"}));
    s.window_shown = false;  // in the tray
    EXPECT_EQ(shown(build_menu(s)), (V{"!Restore", "-", "Close"}));
}

TEST(Menu, IdsGiveTheCommandsBack) {
    const std::vector<MenuItem> m = build_menu(MenuState{});
    EXPECT_EQ(shown(m[17].children), (V{"Guida in linea", "Informazioni"}));
    // Zoom, Size, Refresh, Immagine, the units, the colour formats, Lingua: item = index.
    using enum CommandKind;
    const std::pair<size_t, CommandKind> arrays[] = {{0, Zoom},     {1, Size},  {2, Refresh},
                                                     {3, Image},    {11, Unit}, {12, ColorFormat},
                                                     {16, Language}};
    for (const auto& [i, kind] : arrays)
        for (size_t k = 0; k < (kind == Unit ? kUnitCount : m[i].children.size()); ++k)
            EXPECT_EQ(command_from_id(m[i].children[k].id), (Command{kind, int(k)}));
    EXPECT_EQ(command_from_id(m[17].children[1].id), Command{About});
    EXPECT_EQ(command_from_id(m[11].children[6].id), Command{Calibrate});
    EXPECT_EQ(command_from_id(m[10].id), Command{Contrast});
    EXPECT_EQ(command_from_id(m[9].id), Command{CopyColor});
    for (int id : {0, -100, 99, 109, 205, 305, 403, 501, 1002, 1203, 1705, 1804, 2000})
        EXPECT_FALSE(command_from_id(id)) << id;
}

TEST(Texts, BothFormsMustBeThereWithTheSamePlaceholdersAndKey) {
    // Italian, English -> they agree.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Copia\tC", "Copy\tC", true},    {"Copia\tC", "Copy\tK", false},
        {"Copia\tC", "Copy", false},      {"Copia", "Copy\tC", false},
        {"Copia", nullptr, false},        {"", "Copy", false},
        {"{n} di {m}", "{m}: {n}", true}, {"{n} di {m}", "{n} of {n}", false},
        {"%d px", "%d pixels", true},     {"%d px", "%s px", false},
        {"Copia", "Copy %s", false}};
    for (const auto& [it, en, agree] : cases)
        EXPECT_EQ(forms_agree(it, en), agree) << (it ? it : "null") << " / " << (en ? en : "null");
}

TEST(Overlays, GridLinesEveryStepInAlternatingGreys) {
    // D 0x808080 where x + y is even, L 0xC0C0C0 where it is odd, . untouched.
    const std::pair<int, V> cases[] = {{2, {"DLDLD", "L.L.L", "DLDLD", "L.L.L"}},
                                       {1, {"DLDLD", "LDLDL", "DLDLD", "LDLDL"}},
                                       {0, {".....", ".....", ".....", "....."}}};
    for (const auto& [step, rows] : cases) {
        std::vector<uint32_t> px(5 * 4 + 1, 0x00123456);  // one past the end stays
        draw_grid({px.data(), 5, 4}, step);
        V got(4);
        for (size_t i = 0; i < 20; ++i)
            got[i / 5] += px[i] == 0x808080 ? 'D' : px[i] == 0xC0C0C0 ? 'L' : '.';
        EXPECT_EQ(got, rows) << step;
        EXPECT_EQ(px[20], 0x00123456u) << step;
    }
}

// The bytes of a file saved as UTF-16 (little-endian, with its mark).
std::string utf16(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : text)
        bytes += {char(c & 0xFF), char(c >> 8)};
    return bytes;
}

TEST(SettingsFile, RewritingChangesOnlyTheThreeValues) {
    const std::string tail = "Refresh=2\r\nInvertiColori=0\r\n";
    // Old text -> the text with zoom 5 (refresh 2, no inversion).
    const std::pair<std::string, std::string> cases[] = {
        {"; mine\r\n[Opzioni]\r\nZoom=4\r\n; "
         "note\r\nRefresh=1\r\nInvertiColori=-1\r\n\r\n[B]\r\nZoom=9\r\n",
         "; mine\r\n[Opzioni]\r\nZoom=5\r\n; "
         "note\r\nRefresh=2\r\nInvertiColori=0\r\n\r\n[B]\r\nZoom=9\r\n"},
        {"[B]\r\nx=1", "[B]\r\nx=1\r\n[Opzioni]\r\nRefresh=2\r\nZoom=5\r\nInvertiColori=0\r\n"},
        {"[OPZIONI]\r\nzoom=1\r\n", "[OPZIONI]\r\nzoom=5\r\n" + tail},
        {"[Opzioni]\r\n Zoom =  \"4\"  \r\n", "[Opzioni]\r\n Zoom =  5  \r\n" + tail},
        {"[Opzioni]\nZoom=4\n\n[B]\n", "[Opzioni]\nZoom=5\n" + tail + "\n[B]\n"},
        {"[Opzioni]\r\nZoom=", "[Opzioni]\r\nZoom=5\r\n" + tail},
        {"[Opzioni]\r\nZoom=\r\n", "[Opzioni]\r\nZoom=5\r\n" + tail},
        {"", "[Opzioni]\r\nRefresh=2\r\nZoom=5\r\nInvertiColori=0\r\n"},
        {"[Opzioni]\r\nZoom=1\r\nZoom=3\r\n[opzioni]\r\nRefresh=4\r\n",
         "[Opzioni]\r\nZoom=5\r\nZoom=3\r\n" + tail + "[opzioni]\r\nRefresh=4\r\n"},
        // The user's characters as they were, a lone surrogate and one beyond 16 bits too.
        {utf16(u"; \u00e8 \xD800\U0001F600\r\n[Opzioni]\r\nZoom=4\r\n"),
         utf16(u"; \u00e8 "
               u"\xD800\U0001F600\r\n[Opzioni]\r\nZoom=5\r\nRefresh=2\r\nInvertiColori=0\r\n")}};
    for (const auto& [old_text, text] : cases)
        EXPECT_EQ(updated_settings_text(old_text, Settings{5, 2, false}), text) << old_text;
    // A unit and a colour format are written once chosen, or over a value the file has; a
    // calibration in its own section, in place of one of that name in any letter case.
    Settings s{5, 2, false, Unit::Millimetre, ColorFormat::Hsl, {{"\\\\.\\DISPLAY1", 109.44}}};
    EXPECT_EQ(updated_settings_text("", s),
              "[Opzioni]\r\nRefresh=2\r\nZoom=5\r\nInvertiColori=0\r\nUnitaMisura=mm\r\n"
              "FormatoColore=hsl\r\n[Calibrazione]\r\n\\\\.\\DISPLAY1=109.4\r\n");
    s.unit = Unit::Pixel, s.color_format = ColorFormat::Hex;
    EXPECT_EQ(updated_settings_text("[Opzioni]\r\nUnitaMisura=mm\r\n[Calibrazione]\r\n"
                                    "\\\\.\\display1=96\r\n",
                                    s),
              "[Opzioni]\r\nUnitaMisura=px\r\nRefresh=2\r\nZoom=5\r\nInvertiColori=0\r\n"
              "[Calibrazione]\r\n\\\\.\\display1=109.4\r\n");
}

TEST(SettingsFile, TheLanguageIsWrittenOnlyOnceChosen) {
    using C = LanguageChoice;
    const std::string first = "[Opzioni]\r\nRefresh=2\r\nZoom=2\r\nInvertiColori=0\r\n";
    // Old text, choice -> the new text.
    const std::tuple<std::string, C, std::string> writes[] = {
        {"", C::Italian, first},
        {"", C::English, first + "Lingua=en\r\n"},
        {"", C::Auto, first + "Lingua=auto\r\n"},
        {"[Opzioni]\r\nLingua=en\r\n", C::Italian,
         "[Opzioni]\r\nLingua=it\r\nRefresh=2\r\nZoom=2\r\nInvertiColori=0\r\n"}};
    for (const auto& [old_text, choice, text] : writes) {
        Settings s;
        s.language = choice;
        EXPECT_EQ(updated_settings_text(old_text, s), text) << old_text << int(choice);
    }
}

TEST(SettingsFile, ReadingFollowsTheProfileRules) {
    // Text -> zoom, refresh, inversion, language; the defaults are 2, 2, off, Italian.
    using enum LanguageChoice;
    const std::tuple<std::string, int, int, bool, LanguageChoice> cases[] = {
        {"[opzioni]\r\nZOOM=4\r\nlingua=EN\r\n", 4, 2, false, English},
        {"[Opzioni]\r\n  Zoom =  \" 3 \" \r\nRefresh='1'\r\nLingua=auto", 3, 1, false, Auto},
        {"[Opzioni]\nZoom=1\nZoom=3\nLingua=it\n", 1, 2, false, Italian},
        {"[Opzioni]\r\n[B]\r\nZoom=5\r\nLingua=en\r\n", 2, 2, false, Italian},
        {"[Opzioni]\r\nRefresh=1\r\n[Opzioni]\r\nZoom=5\r\n", 2, 1, false, Italian},
        {"Zoom=5\r\n[B]\r\nZoom=5\r\n[ Opzioni ]\r\nZoom=5\r\n", 2, 2, false, Italian},
        {"\xEF\xBB\xBF[Opzioni]\r\nInvertiColori=-1\r\nLingua=fr", 2, 2, true, Italian},
        {"[Opzioni]\r\nLingua=eng", 2, 2, false, Italian},
        {utf16(u"[Opzioni]\r\nZoom=3\r\nLingua=en\r\n"), 3, 2, false, English},
        {"", 2, 2, false, Italian}};
    for (const auto& [text, zoom, refresh, invert, language] : cases) {
        const Settings s = settings_from_text(text);
        EXPECT_EQ(std::tuple(s.zoom_index, s.refresh_index, s.invert, s.language),
                  std::tuple(zoom, refresh, invert, language))
            << text;
    }
    // UnitaMisura, FormatoColore: the stored names exactly, else the defaults.
    const std::tuple<const char*, Unit, ColorFormat> names[] = {
        {"", Unit::Pixel, ColorFormat::Hex},        {"pxlog", Unit::LogicalPixel, ColorFormat::Hex},
        {"mm", Unit::Millimetre, ColorFormat::Hex}, {"in", Unit::Inch, ColorFormat::Hex},
        {"pt", Unit::Point, ColorFormat::Hex},      {"MM", Unit::Pixel, ColorFormat::Hex},
        {"RGB", Unit::Pixel, ColorFormat::Rgb},     {"rgb", Unit::Pixel, ColorFormat::CssRgb},
        {"hsl", Unit::Pixel, ColorFormat::Hsl}};
    for (const auto& [name, unit, format] : names) {
        const std::string v = name;
        const Settings s =
            settings_from_text("[Opzioni]\nUnitaMisura=" + v + "\nFormatoColore=" + v + "\n");
        EXPECT_EQ(std::pair(s.unit, s.color_format), std::pair(unit, format)) << name;
    }
    // One calibration a monitor, the first of a name; not a number or outside 20-2000: none.
    const Settings s = settings_from_text(
        "[Calibrazione]\r\n\\\\.\\DISPLAY1 = 109.4\r\n\\\\.\\display1=90\r\nB=abc\r\n"
        "C=19.9\r\nD=20\r\nE=2000.1\r\nF=1e3\r\n[Opzioni]\r\nG=100\r\n");
    EXPECT_EQ(s.calibration,
              (std::map<std::string, double>{{"\\\\.\\DISPLAY1", 109.4}, {"D", 20}}));
}

}  // namespace
}  // namespace vitrelo
