// One fake of the six ports: it logs what the controller asks and answers what a test scripts.
// The fixture starts a Controller on it: a 1024 x 768 screen, the window 256 x 192 at (100, 100).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <new>
#include <set>

#include "app/controller.h"
#include "unit/support.h"

namespace vitrelo::fake {

using Text = const std::string&;

enum class Writes { Work, Fail, Throw };

struct Fake : Screen, View, Shell, Dialogs, Storage, System {
    static constexpr int kFrame = 3;  // each side: the client is smaller than the window
    // The screen's colour at a point; a capture paints its source's top-left one everywhere.
    static Color screen_color(Point p) { return (p.x * 1009u + p.y * 7u) & 0xFFFFFF; }
    Fake() { resize_picture(); }
    Controller* controller = nullptr;
    V events;
    std::function<void()> while_waiting;  // runs inside popup, save dialog and about box
    std::optional<Point> mouse = Point{700, 500};
    std::set<Key> held, tapped;  // tapped: pressed since the last query only
    bool pixel_readable = true, tray_works = true, jpeg = true, opens = true;
    std::vector<Capture> captures;
    bool inverted = false;  // the last capture's
    std::vector<Point> pointer_shifts;
    Rect window{100, 100, 300, 255};
    Image image;
    std::optional<ViewState> shown;
    std::optional<int> choice;  // the popup's; nullopt = dismissed
    std::vector<std::vector<MenuItem>> menus;
    std::vector<SaveRequest> requests;
    std::optional<std::string> answer;  // the save dialog's; nullopt = cancelled
    std::map<std::string, std::vector<uint8_t>> files;
    std::string folder = "C:\\Vitrelo";
    Settings stored;              // what load_settings finds
    std::vector<Settings> saved;  // what save_settings was given
    std::string client;           // the default mail program
    Writes writes = Writes::Work;
    std::string locked;  // a file that cannot be replaced
    ClipboardResult clipboard = ClipboardResult::Copied;
    std::vector<Image> copied;
    std::vector<std::string> texts;  // put on the clipboard
    std::vector<Sound> sounds;
    std::optional<Size> maximum;               // the drag limit at 0.5x
    std::vector<std::optional<Point>> places;  // where each popup was asked to open
    int presents = 0;
    std::set<std::string> helps;  // beside the fake program

    void log(const std::string& e) { events.push_back(e); }
    long count(const std::string& e) const { return std::count(events.begin(), events.end(), e); }
    void wait() { return while_waiting ? while_waiting() : void(); }
    uint32_t& at(int x, int y) { return image.pixels[size_t(y) * image.width + x]; }
    void resize_picture() {
        const Size c = client_size();
        image = {c.width, c.height, std::vector<uint32_t>(size_t(c.width) * c.height, kWhite)};
    }
    std::optional<Point> pointer() override { return mouse; }
    bool key_held(Key k) override { return held.count(k) > 0; }
    bool key_pressed(Key k) override { return tapped.erase(k) > 0 || held.count(k) > 0; }
    // The primary first; a test may add one left of it, at negative x.
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    int monitor_dpi = 96;                         // every monitor's, "\\.\DISPLAY1" and on
    double monitor_ppi = 0;                       // as their physical size gives it
    std::optional<double> calibrated;             // the calibration dialog's answer
    Monitor monitor_of(const Rect& r) override {  // most shared area, else the nearest
        const auto score = [&](const Rect& m) -> int64_t {
            const int64_t w = std::min(r.right(), m.right()) - std::max(r.left, m.left);
            const int64_t h = std::min(r.bottom(), m.bottom()) - std::max(r.top, m.top);
            // Apart, the overlap is minus the gap.
            return w > 0 && h > 0 ? w * h : std::min<int64_t>(w, 0) + std::min<int64_t>(h, 0);
        };
        const auto best = std::ranges::max_element(monitors, {}, score);
        Monitor m;
        static_cast<Rect&>(m) = *best;
        m.name = "\\\\.\\DISPLAY" + std::to_string(best - monitors.begin() + 1);
        m.dpi = monitor_dpi, m.ppi = monitor_ppi;
        return m;
    }
    int dots_per_inch = 96;
    int dpi() override { return dots_per_inch; }
    std::optional<Color> pixel(Point p) override {
        return pixel_readable ? std::optional(screen_color(p)) : std::nullopt;
    }
    void capture(const Capture& c, bool invert) override {
        captures.push_back(c), inverted = invert;
        std::fill(image.pixels.begin(), image.pixels.end(),
                  pixel_from_color(screen_color({c.source.left, c.source.top})));
    }
    void draw_pointer(double, Point shift) override { pointer_shifts.push_back(shift); }
    void move_pointer(Point p) override { mouse = p; }
    Rect window_rect() override { return window; }
    void set_window_rect(const Rect& r) override {
        const bool resized = r.size() != window.size();
        window = r;
        if (resized) resize_picture(), controller->resized();
    }
    Size client_size() const { return {window.width - 2 * kFrame, window.height - 2 * kFrame}; }
    // Logs what changed of the window itself, in the order the Win32 view applies it.
    void show(const ViewState& s) override {
        const ViewState old = shown.value_or(ViewState{});
        if (s.logo_shown != old.logo_shown) log(s.logo_shown ? "logo" : "no logo");
        if (s.topmost != old.topmost) log(s.topmost ? "topmost" : "not topmost");
        if (s.enabled != old.enabled) log(s.enabled ? "enabled" : "disabled");
        if (s.alpha != old.alpha) log("alpha " + std::to_string(s.alpha));
        if (s.shown != old.shown) log(s.shown ? "shown" : "hidden");
        maximum = s.maximum_size;
        shown = s;
    }
    PixelView picture() override { return {image.pixels.data(), image.width, image.height}; }
    void present() override { ++presents; }
    void drag() override { log("drag"); }
    void set_timer(std::optional<int> p) override {
        log(p ? "timer " + std::to_string(*p) : "timer off");
    }
    std::optional<int> popup(const std::vector<MenuItem>& items, bool from_tray,
                             std::optional<Point> at) override {
        places.push_back(at);
        return menus.push_back(items), log(from_tray ? "tray popup" : "popup"), wait(), choice;
    }
    bool set_tray_icon(bool shown) override {
        if (!shown) return log("icon removed"), true;
        return tray_works && (log("icon added"), true);
    }
    void message(Text text, MessageKind kind) override {
        log((kind == MessageKind::Stop ? "error " : "message ") + text);
    }
    std::optional<std::string> save_as(const SaveRequest& r) override {
        return requests.push_back(r), wait(), answer;
    }
    void about() override { log("about"), wait(); }
    std::optional<double> calibrate(const Monitor& m, double ppi) override {
        return log("calibrate " + m.name + " " + std::to_string(int(ppi))), wait(), calibrated;
    }
    std::string program_folder() override { return folder; }
    std::string temp_file(Text name) override { return "C:\\Temp\\" + name; }
    Settings load_settings() override { return stored; }
    bool save_settings(const Settings& s) override {
        return saved.push_back(s), log("saved"), true;
    }
    bool write_file(Text path, const std::vector<uint8_t>& bytes) override {
        if (writes == Writes::Throw) throw std::bad_alloc();
        if (path == locked) return false;
        if (writes == Writes::Work) files[path] = bytes;
        return writes != Writes::Fail;
    }
    std::optional<std::vector<uint8_t>> read_file(Text path) override {
        return files.count(path) ? std::optional(files[path]) : std::nullopt;
    }
    bool jpeg_and_png_available() override { return jpeg; }
    bool write_image(const Image& image, Text path, ImageFormat format) override {
        // Enough to tell the picture and the format apart.
        const uint8_t w = uint8_t(image.width), first = uint8_t(image.pixels.at(0));
        const uint8_t kind = format == ImageFormat::Png ? 'P' : 'J';
        return jpeg && write_file(path, {kind, w, first});
    }
    ClipboardResult copy_to_clipboard(const Image& i) override {
        return copied.push_back(i), clipboard;
    }
    void copy_text(Text text) override { texts.push_back(text); }
    std::string mail_client() override { return client; }
    bool open(Text target) override { return log("open " + target), opens; }
    bool open_help(Text name) override { return helps.count(name) && (log("help " + name), true); }
    void play(Sound s) override { sounds.push_back(s); }
    void quit() override { log("quit"); }
};

class ControllerTest : public ::testing::Test {
protected:
    ControllerTest() { f.controller = &controller; }
    void SetUp() override { start(); }
    // The start-up show, ticked through to its end.
    void start() {
        controller.start();
        while (state().startup != Startup::Over)
            tick();
        started = std::move(f.events), f.events.clear();
    }
    const State& state() const { return controller.state(); }
    const ViewState& shown() const { return *f.shown; }
    void run(CommandKind kind, int index = 0) { controller.run({kind, index}); }
    void choose(CommandKind kind, int index = 0) {  // from the popup of a right-click
        f.choice = command_id({kind, index});
        controller.right_button_down();
    }
    // Two ticks: each judges "over the window" by where the previous pass captured.
    void settle_at(Point p) { tick(p), tick(); }
    void tick() { controller.tick(); }
    void tick(Point p) { f.mouse = p, tick(); }
    // Capture mode, locked by the space bar with the pointer outside.
    void lock() {
        run(CommandKind::Capture);
        settle_at(kOutside);
        f.tapped.insert(Key::Space), tick();
        ASSERT_EQ(state().freeze, Freeze::Locked);
    }
    void paint(uint32_t p) { std::fill(f.image.pixels.begin(), f.image.pixels.end(), p); }
    bool all(uint32_t p) const {
        return std::ranges::count(f.image.pixels, p) == ssize(f.image.pixels);
    }
    static constexpr Point kInside{150, 150}, kOutside{700, 500};

    Fake f;
    V started;  // what the start logged
    Controller controller{Ports{f, f, f, f, f, f}};
};

}  // namespace vitrelo::fake
