// The ports that need no window of their own: dialogs, files and settings, and the
// rest of the system. Each reads the main window's handle when it needs an owner;
// the handle is null until the window exists.
#pragma once

#include "app/ports.h"
#include "win32/raii.h"

namespace vitrelo::win32 {

class Win32Dialogs final : public Dialogs {
public:
    explicit Win32Dialogs(const HWND& owner) : owner_(owner) {}
    void message(const std::string& text) override;
    void error(const std::string& text) override;
    std::optional<std::string> save_as(const SaveRequest& request) override;
    void about() override;

private:
    const HWND& owner_;
};

// `path` in the form the file functions take: from MAX_PATH characters on, Windows
// takes only the extended-length form "\\?\" of the full path (the program has no
// long-path manifest, and the system may not honour one anyway).
std::wstring extended_path(const std::wstring& path);

class Win32Storage final : public Storage {
public:
    std::string program_folder() override;
    std::string temp_folder() override;
    bool file_exists(const std::string& path) override;
    std::string read_setting(const std::string& file, const std::string& section,
                             const std::string& key) override;
    bool write_setting(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) override;
    bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) override;
    std::optional<std::vector<uint8_t>> read_file(const std::string& path) override;
    bool jpeg_available() override;
    bool write_jpeg(const Image& image, const std::string& path, int quality) override;
};

class Win32System final : public System {
public:
    explicit Win32System(const HWND& window) : window_(window) {}
    ~Win32System() override;  // gives back the timer precision if still held
    Win32System(const Win32System&) = delete;
    Win32System& operator=(const Win32System&) = delete;
    ClipboardResult copy_to_clipboard(const Image& image) override;
    std::string mail_client() override;
    void open(const std::string& target) override;
    void open_help(const std::string& path) override;
    void play(Sound sound) override;
    void sleep(int ms) override;
    bool can_fade() override;
    void fine_timer(bool on) override;
    void quit() override;  // destroys the main window; the message loop then ends

private:
    // Sounds and the timer's precision, loaded at their first use (see libraries.h).
    HMODULE winmm();

    const HWND& window_;
    Module winmm_;
    bool fine_timer_ = false;  // a timeBeginPeriod not yet matched by its timeEndPeriod
};

}  // namespace vitrelo::win32
