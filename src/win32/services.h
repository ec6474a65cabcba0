// The ports that need no window of their own: dialogs, files and settings, and the
// rest of the system. Each reads the main window's handle when it needs an owner;
// the handle is null until the window exists.
#pragma once

#include "app/ports.h"
#include "win32/raii.h"

namespace vitrelo::win32 {

class Win32Dialogs final : public Dialogs {
public:
    // `language`: the one the window's texts are in, as the information box's.
    Win32Dialogs(const HWND& owner, const Language& language)
        : owner_(owner), language_(language) {}
    void message(const std::string& text, MessageKind kind) override;
    std::optional<std::string> save_as(const SaveRequest& request) override;
    void about() override;
    std::optional<double> calibrate(const Monitor& monitor, double ppi) override;

private:
    const HWND& owner_;
    const Language& language_;
};

// `path` in the form the file functions take: from MAX_PATH characters on, Windows
// takes only the extended-length form "\\?\" of the full path (the program has no
// long-path manifest, and the system may not honour one anyway).
std::wstring extended_path(const std::wstring& path);

class Win32Storage final : public Storage {
public:
    Settings load_settings() override;
    bool save_settings(const Settings& settings) override;
    std::string program_folder() override;
    std::string temp_file(const std::string& name) override;
    bool file_exists(const std::string& path);  // a file, not a folder
    bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) override;
    std::optional<std::vector<uint8_t>> read_file(const std::string& path) override;
    bool jpeg_and_png_available() override;
    bool write_image(const Image& image, const std::string& path, ImageFormat format) override;
};

// The path of a file called `name` beside the program ("" when the system cannot
// tell where the program is).
std::string beside_program(const std::string& name);

class Win32System final : public System {
public:
    explicit Win32System(const HWND& window) : window_(window) {}
    ClipboardResult copy_to_clipboard(const Image& image) override;
    void copy_text(const std::string& text) override;
    std::string mail_client() override;
    bool open(const std::string& target) override;
    bool open_help(const std::string& name) override;
    void show_help(const std::string& path);
    void play(Sound sound) override;
    void quit() override;  // destroys the main window; the message loop then ends

private:
    // Sounds and the timer's precision, loaded at their first use (see libraries.h).
    HMODULE winmm();

    const HWND& window_;
    Module winmm_;
};

}  // namespace vitrelo::win32
