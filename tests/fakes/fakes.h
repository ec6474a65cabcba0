// Fakes of the six ports: they record what the controller asked and answer what a
// test scripts. One event log keeps the order of the calls that matter.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "app/controller.h"

namespace vitrelo::fake {

struct Log {
    std::vector<std::string> events;
    std::function<void()> while_waiting;  // runs inside popup, save dialog and about box
    void add(const std::string& e) { events.push_back(e); }
    void wait() {
        if (while_waiting) while_waiting();
    }
    long count(const std::string& e) const { return std::count(events.begin(), events.end(), e); }
};

// The colour the fake screen shows at a point: every capture paints the colour of
// its source's top-left pixel, so tests can tell captures apart.
inline Color screen_color(Point p) {
    return static_cast<Color>(p.x * 1009 + p.y * 7) & 0xFFFFFF;
}

struct FakeView : View {
    static constexpr int kFrame = 3;  // each side: the client is smaller than the window
    explicit FakeView(Log& l) : log_(l) { resize_picture(); }
    Log& log_;
    Controller* controller = nullptr;
    Rect window{100, 100, 300, 255};
    Image image;
    std::optional<ViewState> shown;
    Size minimum;
    std::optional<Size> maximum;  // the size limits
    std::optional<int> timer;
    int presents = 0;
    bool visible = false;

    uint32_t& at(int x, int y) { return image.pixels[static_cast<size_t>(y) * image.width + x]; }
    Rect window_rect() override { return window; }
    void set_window_rect(const Rect& r) override {
        const bool resized = r.size() != window.size();
        window = r;
        if (!resized) return;
        resize_picture();
        if (controller) controller->resized();
    }
    Size client_size() override { return {window.width - 2 * kFrame, window.height - 2 * kFrame}; }
    Point client_origin() override { return {window.left + kFrame, window.top + kFrame}; }
    void set_size_limits(Size min, std::optional<Size> max) override {
        minimum = min;
        maximum = max;
    }
    void show(const ViewState& s) override {
        if (s.logo_shown != (shown && shown->logo_shown))
            log_.add(s.logo_shown ? "logo" : "no logo");
        shown = s;
    }
    PixelView picture() override { return {image.pixels.data(), image.width, image.height}; }
    void present() override { ++presents; }
    void draw_credits(const std::string&, const std::string&) override {}
    void set_shown(bool s) override { log_.add((visible = s) ? "shown" : "hidden"); }
    void set_enabled(bool e) override { log_.add(e ? "enabled" : "disabled"); }
    void set_topmost(bool t) override { log_.add(t ? "topmost" : "not topmost"); }
    void set_alpha(uint8_t a) override { log_.add("alpha " + std::to_string(a)); }
    void drag() override { log_.add("drag"); }
    void set_timer(std::optional<int> p) override {
        log_.add((timer = p) ? "timer " + std::to_string(*p) : "timer off");
    }
    void pump() override { log_.add("pump"); }

    // Keeps the pixels that still fit, as the real picture does; new area is white.
    void resize_picture() {
        const Size c = client_size();
        Image next{c.width, c.height, std::vector<uint32_t>(size_t(c.width) * c.height, 0xFFFFFF)};
        for (int y = 0; y < std::min(c.height, image.height); ++y)
            for (int x = 0; x < std::min(c.width, image.width); ++x)
                next.pixels[size_t(y) * c.width + x] = at(x, y);
        image = std::move(next);
    }
};

struct FakeScreen : Screen {
    explicit FakeScreen(FakeView& v) : view_(v) {}
    FakeView& view_;
    std::optional<Point> at = Point{700, 500};
    std::set<Key> held, tapped;  // tapped: pressed since the last query only
    bool pixel_readable = true;
    std::vector<std::pair<Capture, bool>> captures;  // and whether inverted
    std::vector<Point> pointer_shifts;

    std::optional<Point> pointer() override { return at; }
    bool key_pressed(Key k) override { return tapped.erase(k) > 0 || held.count(k) > 0; }
    // The primary monitor first; monitors_on adds one left of it, at negative x.
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    void monitors_on() { monitors = {{0, 0, 1024, 768}, {-800, 0, 800, 600}}; }
    Rect monitor_at(Point p) override { return monitor_of({p.x, p.y, 1, 1}); }
    // The monitor sharing most area with r, else the one nearest to it.
    Rect monitor_of(const Rect& r) override {
        const auto overlap = [&](const Rect& m) {
            const int64_t w = std::min(r.right(), m.right()) - std::max(r.left, m.left);
            const int64_t h = std::min(r.bottom(), m.bottom()) - std::max(r.top, m.top);
            return w > 0 && h > 0 ? w * h : -gap(r, m);
        };
        return *std::max_element(monitors.begin(), monitors.end(),
                                 [&](auto& a, auto& b) { return overlap(a) < overlap(b); });
    }
    static int64_t gap(const Rect& r, const Rect& m) {
        const int64_t dx = std::max({m.left - r.right(), r.left - m.right(), 0});
        const int64_t dy = std::max({m.top - r.bottom(), r.top - m.bottom(), 0});
        return dx * dx + dy * dy;
    }
    int dpi() override { return 96; }
    std::optional<Color> pixel(Point p) override {
        return pixel_readable ? std::optional(screen_color(p)) : std::nullopt;
    }
    // Paints the destination; with invert, XOR onto what is there, as the real one.
    void capture(const Capture& c, bool invert) override {
        captures.emplace_back(c, invert);
        const uint32_t source = pixel_from_color(screen_color({c.source.left, c.source.top}));
        for (int y = 0; y < std::min(c.destination.height, view_.image.height); ++y)
            for (int x = 0; x < std::min(c.destination.width, view_.image.width); ++x)
                view_.at(x, y) = invert ? view_.at(x, y) ^ source : source;
    }
    void draw_pointer(double, Point shift) override { pointer_shifts.push_back(shift); }
};

struct FakeShell : Shell {
    explicit FakeShell(Log& l) : log_(l) {}
    Log& log_;
    int choice = 0;
    bool tray_works = true;
    std::vector<std::vector<MenuItem>> menus;
    std::vector<std::optional<Point>> places;  // where each menu was asked to open
    int popup(const std::vector<MenuItem>& items, bool from_tray,
              std::optional<Point> at) override {
        menus.push_back(items);
        places.push_back(at);
        log_.add(from_tray ? "tray popup" : "popup");
        return log_.wait(), choice;
    }
    bool add_tray_icon() override {
        if (tray_works) log_.add("icon added");
        return tray_works;
    }
    void remove_tray_icon() override { log_.add("icon removed"); }
};

struct FakeDialogs : Dialogs {
    explicit FakeDialogs(Log& l) : log_(l) {}
    Log& log_;
    std::vector<std::string> messages, errors;
    std::vector<SaveRequest> requests;
    std::optional<std::string> answer;  // the save dialog's; nullopt = cancelled
    void message(const std::string& text) override {
        messages.push_back(text);
        log_.add("message");
    }
    void error(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> save_as(const SaveRequest& r) override {
        requests.push_back(r);
        log_.wait();
        return answer;
    }
    void about() override { log_.add("about"), log_.wait(); }
};

// The fake JPEG encoder's bytes: enough to tell the picture and the quality apart.
inline std::vector<uint8_t> fake_jpeg(const Image& image, int quality) {
    return {'J', uint8_t(quality), uint8_t(image.width), uint8_t(image.pixels.at(0))};
}

struct FakeStorage : Storage {
    std::map<std::string, std::string> settings;  // "file|section|key" -> value
    std::vector<std::string> written;             // "file|section|key=value", in order
    std::map<std::string, std::vector<uint8_t>> files;
    std::string folder = "C:\\Vitrelo\\";
    bool jpeg = true;
    bool writes_fail = false;
    bool writes_vanish = false;  // a write reports success but leaves no file
    bool jpeg_throws = false;

    std::string program_folder() override { return folder; }
    std::string temp_folder() override { return "C:\\Temp\\"; }
    bool file_exists(const std::string& path) override { return files.count(path) > 0; }
    std::string read_setting(const std::string& f, const std::string& s,
                             const std::string& k) override {
        return settings[f + "|" + s + "|" + k];
    }
    bool write_setting(const std::string& f, const std::string& s, const std::string& k,
                       const std::string& v) override {
        return written.push_back(f + "|" + s + "|" + k + "=" + v), true;
    }
    bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) override {
        if (writes_fail) return false;
        if (!writes_vanish) files[path] = bytes;
        return true;
    }
    std::optional<std::vector<uint8_t>> read_file(const std::string& path) override {
        return files.count(path) ? std::optional(files[path]) : std::nullopt;
    }
    bool jpeg_available() override { return jpeg; }
    bool write_jpeg(const Image& image, const std::string& path, int quality) override {
        if (jpeg_throws) throw std::bad_alloc();
        return jpeg && write_file(path, fake_jpeg(image, quality));
    }
};

struct FakeSystem : System {
    explicit FakeSystem(Log& l) : log_(l) {}
    Log& log_;
    ClipboardResult clipboard = ClipboardResult::Copied;
    std::vector<Image> copied;
    std::string client;
    std::vector<std::string> opened, help;
    std::vector<Sound> sounds;
    bool fades = true;
    ClipboardResult copy_to_clipboard(const Image& image) override {
        return copied.push_back(image), clipboard;
    }
    std::string mail_client() override { return client; }
    void open(const std::string& target) override { opened.push_back(target); }
    void open_help(const std::string& path) override { help.push_back(path); }
    void play(Sound s) override { sounds.push_back(s); }
    void sleep(int ms) override { log_.add("sleep " + std::to_string(ms)); }
    bool can_fade() override { return fades; }
    void fine_timer(bool on) override { log_.add(on ? "fine timer on" : "fine timer off"); }
    void quit() override { log_.add("quit"); }
};

}  // namespace vitrelo::fake
