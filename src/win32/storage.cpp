// Files, the temporary folder and the settings file, through the wide API so that
// any folder name works.
#include <algorithm>
#include <functional>

#include "win32/jpeg.h"
#include "win32/raii.h"
#include "win32/services.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

constexpr DWORD kSettingCapacity = 255;

std::string without_blanks(const std::string& s) {
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The folder part with its backslash; "." for a bare name.
std::wstring folder_of(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
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

// Runs `write` on a new file beside the target, then renames it over the target.
// The temporary's name is short whatever the target's ("vitXXXX.tmp"), so a long
// target name does not push it past MAX_PATH; the folder itself may hold at most
// MAX_PATH - 14 characters, GetTempFileName's limit.
bool replace_file(const std::string& target,
                  const std::function<bool(const std::wstring&)>& write) {
    const std::wstring path = wide(target);
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(folder_of(path).c_str(), L"vit", 0, temporary)) return false;
    // GetTempFileName has created the file: every failure from here removes it.
    const bool done =
        write(temporary) &&
        MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done) DeleteFileW(temporary);
    return done;
}

}  // namespace

std::string Win32Storage::program_folder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::string() : utf8(path.substr(0, slash + 1));
}

std::string Win32Storage::temp_folder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    // A longer path is not cut: the system reports the size it needs instead.
    if (n > path.size()) {
        path.resize(n);
        n = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
    }
    if (n == 0 || n > path.size()) return {};
    path.resize(n);
    if (path.back() != L'\\') path += L'\\';
    return utf8(path);
}

bool Win32Storage::file_exists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Storage::read_setting(const std::string& file, const std::string& section,
                                       const std::string& key) {
    wchar_t value[kSettingCapacity] = {};
    const DWORD n = GetPrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), nullptr,
                                             value, kSettingCapacity, wide(file).c_str());
    return without_blanks(utf8(std::wstring(value, n)));
}

// A new file comes out in the ANSI code page without a byte-order mark: the system
// writes Unicode only into a file that already is Unicode.
bool Win32Storage::write_setting(const std::string& file, const std::string& section,
                                 const std::string& key, const std::string& value) {
    return WritePrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), wide(value).c_str(),
                                      wide(file).c_str()) != FALSE;
}

bool Win32Storage::write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    return replace_file(
        path, [&](const std::wstring& temporary) { return write_new_file(temporary, bytes); });
}

std::optional<std::vector<uint8_t>> Win32Storage::read_file(const std::string& path) {
    const File file(CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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

bool Win32Storage::jpeg_available() {
    return gdiplus_available();
}

bool Win32Storage::write_jpeg(const Image& image, const std::string& path, int quality) {
    const std::optional<std::vector<uint8_t>> jpeg = encode_jpeg(image, quality);
    return jpeg && write_file(path, *jpeg);
}

}  // namespace vitrelo::win32
