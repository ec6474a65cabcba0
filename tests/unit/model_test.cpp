// The model: capture rectangle, settings, layout, presets, menu, overlays, readouts.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "magnifier/capture.h"
#include "magnifier/layout.h"
#include "magnifier/menu.h"
#include "magnifier/overlays.h"
#include "magnifier/presets.h"
#include "magnifier/readout.h"
#include "magnifier/settings.h"

namespace vitrelo {
namespace {

// Screen 1024 x 768: centre, both corners, the fit where the zoom does not divide the
// picture, 0.5x with an odd picture, a capture wider than the screen and one as wide.
struct CaptureCase {
    double zoom;
    Size picture;
    Point pointer;
    Rect source;
    Size destination;
    Point shift;
};
const CaptureCase kCaptures[] = {
    {2, {300, 255}, {500, 400}, {425, 337, 150, 128}, {300, 256}, {0, 0}},
    {2, {300, 255}, {10, 20}, {0, 0, 150, 128}, {300, 256}, {-65, -43}},
    {2, {300, 255}, {1020, 760}, {874, 640, 150, 128}, {300, 256}, {71, 57}},
    {3, {301, 255}, {0, 0}, {0, 0, 101, 85}, {303, 255}, {-50, -42}},
    {3, {301, 255}, {1023, 767}, {923, 683, 101, 85}, {303, 255}, {50, 42}},
    {12, {256, 192}, {500, 400}, {490, 392, 22, 16}, {264, 192}, {0, 0}},
    {0.5, {301, 255}, {500, 400}, {199, 145, 602, 510}, {301, 255}, {0, 0}},
    {0.5, {600, 200}, {512, 10}, {-176, 0, 1200, 400}, {600, 200}, {176, -190}},
    {0.5, {512, 384}, {10, 10}, {0, 0, 1024, 768}, {512, 384}, {-502, -374}},  // exactly fits
};

TEST(Capture, ClampsToTheScreenWhereverItsOriginIs) {
    for (const Point o : {Point{0, 0}, Point{-1280, 200}}) {
        for (const CaptureCase& c : kCaptures) {
            SCOPED_TRACE(testing::Message() << "zoom " << c.zoom << " at " << c.pointer.x << ","
                                            << c.pointer.y << " origin " << o.x);
            const Capture k = capture_for(c.picture, c.zoom, {c.pointer.x + o.x, c.pointer.y + o.y},
                                          {o.x, o.y, 1024, 768});
            const Rect& s = c.source;
            EXPECT_EQ(k.source, (Rect{s.left + o.x, s.top + o.y, s.width, s.height}));
            EXPECT_EQ(k.destination, c.destination);
            EXPECT_EQ(k.shift, c.shift);
        }
    }
}

TEST(Capture, DistancePointerAndWindowEdges) {
    const struct { int32_t d; double zoom; int32_t expected; } distances[] = {
        {24, 4, 6}, {-24, 4, 6}, {23, 4, 5}, {29, 3, 9}, {7, 0.5, 14}, {11, 12, 1}, {10, 12, 0}};
    for (const auto& c : distances)
        EXPECT_EQ(distance_on_zoom(c.d, c.zoom), c.expected) << c.d << " at " << c.zoom;
    // Each term rounds half to even: 150.5 - 150 - 3 -> -2; 127.5 - 126 - 6 -> -4; at 0.5x
    // 1.5 -> 2, -1.5 -> -2, 2.5 -> 2: 150 + 2 - 2, 127.5 - 2 - 2 -> 124.
    EXPECT_EQ(pointer_origin({301, 255}, 3, {-50, -42}, {1, 2}), (Point{-2, -4}));
    EXPECT_EQ(pointer_origin({300, 255}, 0.5, {3, -3}, {5, 5}), (Point{150, 124}));
    const struct { Point p; bool over; } points[] = {
        {{100, 60}, false}, {{101, 60}, true}, {{300, 60}, true}, {{301, 60}, false},
        {{150, 50}, false}, {{150, 51}, true}, {{150, 150}, true}, {{150, 151}, false}};
    for (const auto& c : points)
        EXPECT_EQ(over_window({100, 50, 200, 100}, c.p), c.over) << c.p.x << "," << c.p.y;
}

// ---- settings --------------------------------------------------------------------

TEST(Settings, StoredValuesParsing) {
    const struct { const char* text; int zoom; } cases[] = {
        {"", 2},    {"  5  ", 5}, {"+5", 5},   {"-0", 0},   {"0.5", 0},  {"1.5", 2},   {"7.5", 8},
        {"8.5", 8}, {"8.51", 2},  {"-0.5", 0}, {"-0.51", 2}, {"-1", 2},  {"9", 2},     {"5.", 5},
        {".5", 0},  {".", 2},     {"-", 2},    {"1.2.3", 2}, {"1e0", 2}, {"\t5", 2},   {"5 x", 2},
        {"- 5", 2}, {"99999999999999999999", 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(parse_settings(c.text, "", "").zoom_index, c.zoom) << '"' << c.text << '"';
        // The refresh table has 5 items: the same rounding against its own bound.
        EXPECT_EQ(parse_settings("", c.text, "").refresh_index, c.zoom < 5 ? c.zoom : 2) << c.text;
    }
    EXPECT_EQ(parse_settings("", "4.5", "").refresh_index, 4);
    const struct { const char* text; bool invert; } inversions[] = {
        {"-1", true}, {" 0.001", true}, {"0", false}, {"-0.0", false}, {"", false}, {"si", false}};
    for (const auto& c : inversions)
        EXPECT_EQ(parse_settings("", "", c.text).invert, c.invert) << c.text;
    EXPECT_EQ(std::vector<int>({valid_zoom_index(0), valid_zoom_index(8), valid_zoom_index(9),
                                valid_zoom_index(-1), valid_refresh_index(4),
                                valid_refresh_index(5)}),
              std::vector<int>({0, 8, 2, 2, 4, 2}));
}

std::string ini_text(const Settings& s) {
    std::string t = "[Opzioni]\r\n";
    for (const StoredValue& v : stored_form(s)) t += std::string(v.key) + "=" + v.value + "\r\n";
    return t;
}

TEST(Settings, StoredFormMatchesTheGoldenFile) {
    std::ifstream f(VITRELO_GOLDEN "/commands_vitrelo_nuovo.ini", std::ios::binary);
    std::stringstream golden;
    golden << f.rdbuf();
    EXPECT_EQ(ini_text(Settings{}), golden.str());
    EXPECT_EQ(ini_text(Settings{8, 0, true}),
              "[Opzioni]\r\nRefresh=0\r\nZoom=8\r\nInvertiColori=-1\r\n");
}

// ---- layout, limits, presets -----------------------------------------------------

TEST(Layout, PartsForAClientSizeAndDpi) {
    const Layout l = layout_for({301, 238}, part_sizes_for_dpi(96));
    const Layout expected{{0, 0, 301, 238},   {0, 221, 301, 17},  {-1, -1, 18, 18},
                          {18, -1, 16, 17},   {34, 0, 301, 17},   {283, -1, 16, 16},
                          {0, 0, 32, 32},     {78, 72, 144, 95}};  // 78.5 and 71.5 to even
    EXPECT_EQ(l, expected);
    const PartSizes p = part_sizes_for_dpi(144);
    EXPECT_EQ(std::vector<int>({p.strip_height, p.close_size, p.lock_size, p.logo.height}),
              std::vector<int>({26, 27, 48, 142}));  // 25.5 and 142.5 to even
    EXPECT_EQ(minimum_window_size(96), (Size{168, 107}));
    EXPECT_EQ(minimum_window_size(120), (Size{210, 133}));
}

TEST(Layout, FitWindowSize) {
    const Size s{1024, 768};
    const struct { Size requested; Size screen; bool half; Size expected; } cases[] = {
        {{100, 75}, s, false, {168, 107}},   {{167, 106}, s, false, {168, 107}},
        {{169, 108}, s, false, {169, 108}},  {{1024, 768}, s, false, {1024, 768}},
        {{513, 385}, s, true, {512, 384}},   {{512, 384}, s, true, {512, 384}},
        {{600, 300}, s, true, {512, 300}},   {{100, 50}, s, true, {168, 107}},
        {{511, 383}, {1021, 765}, true, {510, 382}},  // 510.5 and 382.5 to even
        {{168, 107}, {300, 200}, true, {150, 100}},   // the screen's half wins
    };
    for (const auto& c : cases)
        EXPECT_EQ(fit_window_size(c.requested, {168, 107}, c.screen, c.half), c.expected)
            << c.requested.width << "x" << c.requested.height;
}

TEST(Layout, KeepOnScreenWithAnOrigin) {
    const Rect screen{-1280, 100, 1280, 1024};
    const struct { Rect window; Rect expected; } cases[] = {
        {{-600, 300, 200, 200}, {-600, 300, 200, 200}},
        {{-100, 1000, 200, 200}, {-200, 924, 200, 200}},
        {{-1300, 50, 200, 200}, {-1280, 100, 200, 200}},
        {{-1000, 500, 1500, 1200}, {-1280, 100, 1500, 1200}},  // larger: top-left on it
    };
    for (const auto& c : cases) EXPECT_EQ(keep_on_screen(c.window, screen), c.expected);
}

TEST(Presets, WindowRectangles) {
    const Rect screen{0, 0, 1024, 768}, right{1920, -200, 1280, 1024}, small{0, 0, 300, 200};
    const struct { Preset p; Rect screen; bool half; Rect expected; } cases[] = {
        {Preset::Minimum, screen, false, {856, 661, 168, 107}},
        {Preset::EighthScreen, screen, false, {768, 576, 256, 192}},
        {Preset::QuarterScreen, screen, true, {512, 384, 512, 384}},
        {Preset::TopBar, screen, false, {0, 0, 1024, 107}},  // 96 raised to the minimum
        {Preset::BottomBar, screen, false, {0, 661, 1024, 107}},
        {Preset::TopBar, screen, true, {0, 0, 512, 107}},
        {Preset::BottomBar, screen, true, {0, 661, 512, 107}},
        {Preset::EighthScreen, right, false, {1920, 568, 320, 256}},
        {Preset::TopBar, right, false, {1920, -200, 1280, 128}},
        {Preset::BottomBar, right, false, {1920, 696, 1280, 128}},
        {Preset::Minimum, small, true, {150, 100, 150, 100}},
        {Preset::BottomBar, small, true, {0, 100, 150, 100}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(preset_rect(c.p, {900, 700, 300, 255}, c.screen, {168, 107}, c.half), c.expected)
            << "preset " << static_cast<int>(c.p) << " half " << c.half;
}

TEST(Presets, PresetOfSizeIsExact) {
    const Rect screen{-1024, 0, 1024, 768};
    const struct { Size window; Rect screen; std::optional<Preset> expected; } cases[] = {
        {{168, 107}, screen, Preset::Minimum},   {{256, 192}, screen, Preset::EighthScreen},
        {{512, 384}, screen, Preset::QuarterScreen}, {{257, 192}, screen, std::nullopt},
        {{512, 385}, screen, std::nullopt},      {{1024, 107}, screen, std::nullopt},
        {{256, 192}, {0, 0, 1023, 767}, std::nullopt},
        {{168, 107}, {0, 0, 672, 428}, Preset::Minimum},  // also 1/8 there: minimum first
    };
    for (const auto& c : cases)
        EXPECT_EQ(preset_of_size(c.window, c.screen, {168, 107}), c.expected) << c.window.width;
}

// ---- menu ------------------------------------------------------------------------

// Item texts, "-" for separators; a disabled item in brackets, a checked one starred.
std::vector<std::string> shown(const std::vector<MenuItem>& items) {
    std::vector<std::string> out;
    for (const MenuItem& i : items) {
        const std::string t = i.separator ? "-" : (i.checked ? "*" : "") + i.text;
        out.push_back(i.enabled ? t : "[" + t + "]");
    }
    return out;
}

const MenuItem& find(const std::vector<MenuItem>& items, const std::string& text) {
    for (const MenuItem& i : items)
        if (i.text == text) return i;
    throw std::runtime_error("no item " + text);
}

TEST(Menu, OrderShownAndInTheTray) {
    MenuState s;
    const std::vector<MenuItem> full = build_menu(s);
    EXPECT_EQ(shown(full), (std::vector<std::string>{
                               "Zoom", "Dimensione finestra", "Refresh", "[Immagine]",
                               "Individua colore", "Cattura Immagine", "Inverti colori",
                               "[Griglia]", "Dimensioni X-Y", "-", "Minimizza", "-", "Help", "-",
                               "Chiudi"}));
    EXPECT_TRUE(full[10].is_default);
    s.window_shown = false;
    const std::vector<MenuItem> tray = build_menu(s);
    EXPECT_EQ(shown(tray), (std::vector<std::string>{"Ripristina", "-", "Chiudi"}));
    EXPECT_TRUE(tray[0].is_default);
}

TEST(Menu, EveryItemCarriesItsCommand) {
    const std::vector<MenuItem> m = build_menu(MenuState{});
    const struct { const char* parent; const char* item; Command c; } cases[] = {
        {"Zoom", " .5 x", {CommandKind::Zoom, 0}}, {"Zoom", "12 x", {CommandKind::Zoom, 8}},
        {"Dimensione finestra", "Barra Bassa", {CommandKind::Size, 4}},
        {"Refresh", "500 ms", {CommandKind::Refresh, 4}},
        {"Immagine", "Invia immagine per posta", {CommandKind::Image, 2}},
        {"Help", "Guida in linea", {CommandKind::Help}},
        {"Help", "Informazioni", {CommandKind::About}}, {nullptr, "Griglia", {CommandKind::Grid}},
        {nullptr, "Minimizza", {CommandKind::MinimizeRestore}}};
    for (const auto& c : cases) {
        const MenuItem& i = find(c.parent ? find(m, c.parent).children : m, c.item);
        EXPECT_EQ(command_from_id(i.id), c.c) << c.item;
    }
    for (int id : {0, -100, 99, 109, 205, 501, 1400}) EXPECT_FALSE(command_from_id(id)) << id;
}

TEST(Menu, ChecksAndEnabledStatesFollowTheState) {
    MenuState s;
    s.settings = {5, 1, true};
    s.size_mark = Preset::QuarterScreen;
    s.image_enabled = s.pick_color = s.grid = s.capture_mode = true;
    s.capture_enabled = false;
    std::vector<MenuItem> m = build_menu(s);
    EXPECT_EQ(shown({m.begin(), m.begin() + 9}),
              (std::vector<std::string>{"Zoom", "Dimensione finestra", "Refresh", "Immagine",
                                        "*Individua colore", "[*Cattura Immagine]",
                                        "*Inverti colori", "*Griglia", "[Dimensioni X-Y]"}));
    EXPECT_EQ(shown(find(m, "Zoom").children)[5], "*  6 x");
    EXPECT_EQ(shown(find(m, "Refresh").children)[1], "*50 ms");
    EXPECT_EQ(shown(find(m, "Dimensione finestra").children),
              (std::vector<std::string>{"minima", "1/8 schermo", "*1/4 schermo", "Barra Alta",
                                        "Barra Bassa"}));
    s = MenuState{};
    s.settings.zoom_index = 4;  // 4x: no grid
    s.grid = s.measuring = true;
    m = build_menu(s);
    EXPECT_EQ(shown({m.begin() + 4, m.begin() + 9}),
              (std::vector<std::string>{"[Individua colore]", "Cattura Immagine", "Inverti colori",
                                        "[*Griglia]", "*Dimensioni X-Y"}));
}

// ---- overlays, readouts, pictures --------------------------------------------------

TEST(Overlays, GridIsACheckerboardOnEveryStepLine) {
    const int w = 12, h = 10;  // the last column and row are no lines at step 4
    for (int step : {0, 1, 4}) {
        std::vector<uint32_t> px(w * h + 1, 0x00123456);  // one past the end stays
        draw_grid({px.data(), w, h}, step);
        for (int i = 0; i <= w * h; ++i) {
            const int x = i % w, y = i / w;
            const bool line = i < w * h && step > 0 && (x % step == 0 || y % step == 0);
            const uint32_t expected = !line ? 0x00123456 : (x + y) % 2 ? 0xC0C0C0 : 0x808080;
            EXPECT_EQ(px[i], expected) << "step " << step << " at " << x << "," << y;
        }
    }
}

TEST(Overlays, MeasureRectFromEitherCorner) {
    EXPECT_EQ(measure_rect({10, 20}, {4, 25}), (Rect{4, 20, 6, 5}));
    EXPECT_EQ(measure_rect({10, 20}, {15, 12}), (Rect{10, 12, 5, 8}));
}

TEST(Readout, TextsAndPictureColours) {
    EXPECT_EQ(color_readout(0x00563412), " RGB(18,52,86)");
    EXPECT_EQ(distance_readout(-3, 12), " X -3   Y 12");
    EXPECT_EQ(about_mail_link("a@b.it", version_text(1, 0, 25)),
              "mailto:a@b.it?Subject=Vitrelo -   Versione 1.0.25");
    std::vector<uint32_t> px(6, 0);
    fill({px.data(), 3, 2}, 0x00563412);  // a colour is 0x00BBGGRR, a pixel 0x00RRGGBB
    const Image copy = copy_of({px.data(), 3, 2});
    EXPECT_EQ(std::vector<int>({copy.width, copy.height}), std::vector<int>({3, 2}));
    EXPECT_EQ(copy.pixels, std::vector<uint32_t>(6, 0x00123456));
}

}  // namespace
}  // namespace vitrelo
