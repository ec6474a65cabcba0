#include "win32/libraries.h"

#include <string>

namespace vitrelo::win32 {

namespace {

// LOAD_LIBRARY_SEARCH_SYSTEM32: the headers for Windows XP do not name it.
constexpr DWORD kSearchSystem32 = 0x00000800;

HMODULE kernel32() {
    return GetModuleHandleW(L"kernel32.dll");
}

// The search flags came with AddDllDirectory; older systems refuse them.
bool search_flags_understood() {
    return GetProcAddress(kernel32(), "AddDllDirectory") != nullptr;
}

}  // namespace

void search_system_folder_only() {
    using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
    using SetDirectory = BOOL(WINAPI*)(LPCWSTR);
    const auto set_default =
        library_function<SetDefaultDirectories>(kernel32(), "SetDefaultDllDirectories");
    if (set_default) set_default(kSearchSystem32);
    // Windows XP SP1 and later: at least the current folder leaves the search.
    const auto set_directory = library_function<SetDirectory>(kernel32(), "SetDllDirectoryW");
    if (set_directory) set_directory(L"");
}

Module load_system_library(const wchar_t* name) {
    if (search_flags_understood()) return Module(LoadLibraryExW(name, nullptr, kSearchSystem32));
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return Module();
    return Module(LoadLibraryW((std::wstring(folder, n) + L'\\' + name).c_str()));
}

}  // namespace vitrelo::win32
