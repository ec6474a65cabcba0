// The clipboard, the registry, the shell, help, sounds and the rest of the system.
#include "win32/windows_headers.h"

#include <htmlhelp.h>  // needs <windows.h> first

#include <algorithm>
#include <cstring>
#include <vector>

#include "export/mail.h"
#include "magnifier/texts.h"
#include "win32/libraries.h"
#include "win32/raii.h"
#include "win32/resources.h"
#include "win32/services.h"
#include "win32/text.h"
#include "win32/window_picture.h"

namespace vitrelo::win32 {

namespace {

// A message-only window of our own, for when the main window does not exist yet:
// the clipboard needs an owner, since EmptyClipboard with none makes the next
// SetClipboardData fail.
class StandInWindow {
public:
    StandInWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~StandInWindow() {
        if (window_) DestroyWindow(window_);
    }
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

// Another program may hold the clipboard open for a moment: a few tries.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = OpenClipboard(owner) != FALSE;
            if (!open_) Sleep(20);
        }
    }
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

// A device-dependent copy of the image, the form every program reads as CF_BITMAP.
Bitmap device_bitmap_of(const Image& image) {
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) return Bitmap();
    const WindowDc screen(nullptr);
    Bitmap bitmap(CreateCompatibleBitmap(screen.get(), image.width, image.height));
    const BITMAPINFO info = top_down_bitmap({image.width, image.height});
    const int rows = bitmap
                         ? SetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(image.height),
                                     image.pixels.data(), &info, DIB_RGB_COLORS)
                         : 0;
    return rows == image.height ? std::move(bitmap) : Bitmap();
}

bool put_on_clipboard(HWND owner, Bitmap bitmap) {
    const OpenClipboardScope clipboard(owner);
    if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_BITMAP, bitmap.get())) return false;
    bitmap.release();  // the system owns it from SetClipboardData on and deletes it when emptied
    return true;
}

// The text in the form every program reads, CF_UNICODETEXT: UTF-16 and its NUL in
// movable global memory.
GlobalMemory unicode_text_of(const std::string& text) {
    const std::wstring w = wide(text);
    const size_t size = (w.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, size));
    void* data = memory ? GlobalLock(memory.get()) : nullptr;
    if (!data) return GlobalMemory();
    std::memcpy(data, w.c_str(), size);
    GlobalUnlock(memory.get());
    return memory;
}

bool clipboard_has_bitmap(HWND owner) {
    const OpenClipboardScope clipboard(owner);
    return clipboard && IsClipboardFormatAvailable(CF_BITMAP) &&
           GetClipboardData(CF_BITMAP) != nullptr;
}

std::string utf8_from_ansi(const std::string& ansi) {
    if (ansi.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), w.data(), n);
    return utf8(w);
}

int sound_resource(Sound sound) {
    switch (sound) {
        case Sound::Lock:
            return resource::kLockSound;
        case Sound::Pause:
            return resource::kPauseSound;
        case Sound::Leave:
            return resource::kLeaveSound;
    }
    return 0;
}

}  // namespace

ClipboardResult Win32System::copy_to_clipboard(const Image& image) {
    Bitmap bitmap = device_bitmap_of(image);
    if (!bitmap) return ClipboardResult::Failed;
    const StandInWindow stand_in;
    const HWND owner = window_ ? window_ : stand_in.get();
    if (!put_on_clipboard(owner, std::move(bitmap))) return ClipboardResult::Failed;
    return clipboard_has_bitmap(owner) ? ClipboardResult::Copied : ClipboardResult::Unreadable;
}

void Win32System::copy_text(const std::string& text) {
    GlobalMemory memory = unicode_text_of(text);
    const StandInWindow stand_in;
    const OpenClipboardScope clipboard(window_ ? window_ : stand_in.get());
    if (!memory || !clipboard || !EmptyClipboard()) return;
    if (SetClipboardData(CF_UNICODETEXT, memory.get()))
        memory.release();  // the system owns it from SetClipboardData on and frees it when emptied
}

std::string Win32System::mail_client() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return {};
    const RegistryKey owned(key);
    DWORD size = 0;
    if (RegQueryValueExA(key, "", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return {};
    std::vector<uint8_t> data(size);
    DWORD read = size;
    if (RegQueryValueExA(key, "", nullptr, nullptr, data.data(), &read) != ERROR_SUCCESS) return {};
    return utf8_from_ansi(client_from_value(data.data(), std::min(read, size)));
}

bool Win32System::open(const std::string& target) {
    // The shell may hand the target to an extension of its own, which needs COM on the
    // calling thread; each successful start is balanced, whoever started COM first.
    struct Com {
        const bool started =
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        ~Com() {
            if (started) CoUninitialize();
        }
    } com;
    const std::wstring file = wide(target);
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // No dialog of the shell's ("Open with"): a missing program is the caller's to say.
    // Done before returning, while COM is still started.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = window_;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) != FALSE;
}

bool Win32System::open_help(const std::string& name) {
    const std::string path = beside_program(name);
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    show_help(path);
    return true;
}

void Win32System::show_help(const std::string& path) {
    using HtmlHelp = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    // Never freed: the help window lives in this library after the call returns.
    const HMODULE library = load_system_library(L"hhctrl.ocx").release();
    const auto html_help = library_function<HtmlHelp>(library, "HtmlHelpW");
    if (html_help) html_help(window_, wide(path).c_str(), HH_DISPLAY_TOPIC, 0);
}

void Win32System::play(Sound sound) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(sound_resource(sound)), L"SOUND");
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    // Resource memory stays valid for the program's life, as asynchronous playback
    // from memory requires.
    const void* wave = loaded ? LockResource(loaded) : nullptr;
    const auto play_sound = library_function<decltype(&sndPlaySoundW)>(winmm(), "sndPlaySoundW");
    if (wave && play_sound)
        play_sound(static_cast<LPCWSTR>(wave), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
}

HMODULE Win32System::winmm() {
    if (!winmm_) winmm_ = load_system_library(L"winmm.dll");
    return winmm_.get();
}

void Win32System::quit() {
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    else
        PostQuitMessage(0);
}

}  // namespace vitrelo::win32
