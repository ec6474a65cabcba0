// Files, the temporary folder and the settings file, through the wide API so that
// any folder name works.
#include <algorithm>
#include <cwchar>
#include <functional>

#include "export/file_names.h"
#include "magnifier/settings_file.h"
#include "magnifier/texts.h"
#include "win32/image_encoder.h"
#include "win32/raii.h"
#include "win32/services.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

// The folder part with its backslash; ".\\" for a bare name.
std::wstring folder_of(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".\\") : path.substr(0, slash + 1);
}

bool write_all(HANDLE file, const std::vector<uint8_t>& bytes) {
    constexpr size_t kChunk = 1 << 24;
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD part = static_cast<DWORD>(std::min(bytes.size() - done, kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

bool write_new_file(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    File file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !write_all(file.get(), bytes)) return false;
    return CloseHandle(file.release()) != FALSE;  // a late write error shows here
}

// A new empty file "vitXXXX.tmp" in `folder`, as GetTempFileName makes them, but
// without its limit of MAX_PATH - 14 characters on the folder: its path in the form
// the file functions take, or "" when none can be made.
std::wstring new_temporary_file(const std::wstring& folder) {
    const DWORD start = GetTickCount() ^ GetCurrentProcessId();
    for (DWORD i = 0; i < 0x10000; ++i) {
        wchar_t name[16];
        swprintf(name, 16, L"vit%04X.tmp", (start + i) & 0xFFFF);
        const std::wstring path = extended_path(folder + name);
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return path;
        }
        // Another file of that name, or one held open: the next name. Anything else is
        // the folder's fault, and the next name would fare no better.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_SHARING_VIOLATION) break;
    }
    return {};
}

// Until the data is on the disk, a power cut after the rename can leave the target
// holding zeros, with the old file gone. The writer may be the system's (the profile
// functions), so the file is opened again for this.
bool flush_to_disk(const std::wstring& path) {
    const File file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get());
}

// An existing file, not a folder, that no program holds open against changes. Asked
// first: Wine's ReplaceFileW leaves a file of its own beside one it cannot replace.
bool replaceable(const std::wstring& path) {
    return static_cast<bool>(
        File(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

// Runs `write` on a new file beside the target, puts it on the disk, then renames it
// over the target: the target is the old file or the new one, whole, whatever happens.
bool replace_file(const std::string& target,
                  const std::function<bool(const std::wstring&)>& write) {
    const std::wstring path = wide(target);
    const std::wstring temporary = new_temporary_file(folder_of(path));
    if (temporary.empty()) return false;
    // An existing file is replaced in place, keeping its attributes and its security
    // (owner, who may read it); a new one, or one the file system cannot replace, is
    // renamed over.
    const std::wstring target_path = extended_path(path);
    const auto put_in_place = [&] {
        return (replaceable(target_path) &&
                ReplaceFileW(target_path.c_str(), temporary.c_str(), nullptr,
                             REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) ||
               MoveFileExW(temporary.c_str(), target_path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    };
    // From here every failure removes the temporary file.
    const bool done = write(temporary) && flush_to_disk(temporary) && put_in_place();
    if (!done) DeleteFileW(temporary.c_str());
    return done;
}

// The program's own path, whatever its length.
std::string program_path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return utf8(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

std::wstring extended_path(const std::wstring& p) {
    if (p.size() < MAX_PATH || p.starts_with(L"\\\\?\\")) return p;
    std::wstring full(p.size() + MAX_PATH, L'\0');
    const DWORD n =
        GetFullPathNameW(p.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n == 0 || n >= full.size()) return p;
    full.resize(n);
    // \\server\share\... becomes \\?\UNC\server\share\...
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC" + full.substr(1);
    return L"\\\\?\\" + full;
}

std::string beside_program(const std::string& name) {
    const std::string path = program_path();
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1) + name;
}

std::string Win32Storage::program_folder() {
    return vitrelo::folder_of(program_path());
}

std::string Win32Storage::temp_file(const std::string& name) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    // A longer path is not cut: the system reports the size it needs instead.
    if (n > path.size()) {
        path.resize(n);
        n = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    }
    // Without a temporary folder the name stands alone, in the current folder.
    if (n == 0 || n > path.size()) return name;
    path.resize(n);
    if (path.back() != L'\\') path += L'\\';
    return utf8(path) + name;
}

bool Win32Storage::file_exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(extended_path(wide(path)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Settings Win32Storage::load_settings() {
    const std::optional<std::vector<uint8_t>> bytes =
        read_file(beside_program(text::kSettingsFile));
    Settings s =
        settings_from_text(bytes ? std::string(bytes->begin(), bytes->end()) : std::string());
    // The language the user's Windows shows its own menus and dialogs in: the first of
    // GetUserPreferredUILanguages (Vista on), and there since Windows 2000. Under Wine
    // it follows LC_ALL, else LC_MESSAGES, else LANG.
    const LANGID ui = GetUserDefaultUILanguage();
    s.windows_language = PRIMARYLANGID(ui) == LANG_ITALIAN ? Language::Italian : Language::English;
    return s;
}

// The whole file at once, replaced beside and renamed, so that a crash cannot leave
// it half written; every line a user added is kept.
bool Win32Storage::save_settings(const Settings& settings) {
    const std::string path = beside_program(text::kSettingsFile);
    const std::optional<std::vector<uint8_t>> old = read_file(path);
    // A file that exists but cannot be read is not replaced by one that lost its lines.
    if (!old && file_exists(path)) return false;
    const std::string text =
        updated_settings_text(old ? std::string(old->begin(), old->end()) : "", settings);
    return write_file(path, std::vector<uint8_t>(text.begin(), text.end()));
}

bool Win32Storage::write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    return replace_file(
        path, [&](const std::wstring& temporary) { return write_new_file(temporary, bytes); });
}

std::optional<std::vector<uint8_t>> Win32Storage::read_file(const std::string& path) {
    const File file(CreateFileW(extended_path(wide(path)).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD part = static_cast<DWORD>(bytes.size() - done);
        if (!ReadFile(file.get(), bytes.data() + done, part, &read, nullptr) || read == 0)
            return std::nullopt;
        done += read;
    }
    return bytes;
}

bool Win32Storage::jpeg_and_png_available() {
    return gdiplus_available();
}

bool Win32Storage::write_image(const Image& image, const std::string& path, ImageFormat format) {
    const std::optional<std::vector<uint8_t>> bytes = encode_image(image, format);
    return bytes && write_file(path, *bytes);
}

}  // namespace vitrelo::win32
