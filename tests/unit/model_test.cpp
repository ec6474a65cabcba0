// The model: capture rectangle, settings and their file, layout, presets, menu, grid.
#include <gtest/gtest.h>

#include <tuple>

#include "magnifier/capture.h"
#include "magnifier/layout.h"
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

// Item texts, "-" for separators; a disabled item in brackets, a checked one starred, the
// default one marked "!".
V shown(const std::vector<MenuItem>& items) {
    V out;
    for (const MenuItem& i : items) {
        const std::string t =
            i.separator ? "-"
                        : std::string(i.checked ? "*" : "") + (i.is_default ? "!" : "") + i.text;
        out.push_back(i.enabled ? t : "[" + t + "]");
    }
    return out;
}

TEST(Menu, ItemsChecksAndGreyFollowTheState) {
    MenuState s;
    s.settings = {5, 1, true};
    s.size_mark = Preset::QuarterScreen;
    s.image_enabled = s.grid = s.capture_mode = true;
    s.tool = Tool::PickColor;
    s.capture_enabled = s.color_enabled = s.mail_enabled = false;
    std::vector<MenuItem> m = build_menu(s);
    EXPECT_EQ(shown({m.begin(), m.begin() + 11}),
              (V{"Zoom", "Dimensione finestra", "Refresh", "Immagine", "*Individua colore",
                 "[*Cattura Immagine]", "*Inverti colori", "*Griglia", "[Dimensioni X-Y]",
                 "[Copia colore\tC]", "-"}));
    EXPECT_EQ(V({shown(m[0].children)[5], shown(m[1].children)[2], shown(m[2].children)[1]}),
              (V{"*  6 x", "*1/4 schermo", "*50 ms"}));
    s = MenuState{};
    s.settings.zoom_index = 4;  // 4x: no grid
    s.grid = true;
    s.tool = Tool::Measure;
    s.language = Language::English, s.settings.language = LanguageChoice::Auto;
    m = build_menu(s);
    EXPECT_EQ(shown({m.begin() + 3, m.begin() + 9}),
              (V{"[Image]", "[Pick colour]", "Capture image", "Invert colours", "[*Grid]",
                 "*Measure X-Y"}));
    EXPECT_EQ(shown(m[13].children), (V{"Italiano", "English", "*Come Windows / As Windows"}));
    s.window_shown = false;  // in the tray
    EXPECT_EQ(shown(build_menu(s)), (V{"!Restore", "-", "Close"}));
}

TEST(Menu, IdsGiveTheCommandsBack) {
    const std::vector<MenuItem> m = build_menu(MenuState{});
    EXPECT_EQ(shown(m[14].children), (V{"Guida in linea", "Informazioni"}));
    for (int i : {0, 1, 2, 3, 13})  // Zoom, Size, Refresh, Immagine, Lingua: item = index
        for (size_t k = 0; k < m[i].children.size(); ++k)
            EXPECT_EQ(command_from_id(m[i].children[k].id),
                      (Command{i < 13 ? CommandKind(i) : CommandKind::Language, int(k)}));
    EXPECT_EQ(command_from_id(m[14].children[1].id), Command{CommandKind::About});
    EXPECT_EQ(command_from_id(m[9].id), Command{CommandKind::CopyColor});
    for (int id : {0, -100, 99, 109, 205, 305, 403, 501, 1002, 1103, 1600})
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
}

}  // namespace
}  // namespace vitrelo
