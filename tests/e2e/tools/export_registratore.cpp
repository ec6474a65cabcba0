// Stands in for a mail program in the scenarios: registered as the handler of .eml files and
// mailto: addresses as  export_registratore.exe LOG "%1", it appends its command line to LOG
// (UTF-8). The raw line: a mailto: address holds blanks and quotes that splitting would change.
#include <windows.h>
#include <shellapi.h>

#include <string>

int main() {
    int n = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!argv || n < 2) return 1;
    const std::wstring riga = std::wstring(GetCommandLineW()) + L'\n';
    const int k = WideCharToMultiByte(CP_UTF8, 0, riga.data(), int(riga.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(k), '\0');
    WideCharToMultiByte(CP_UTF8, 0, riga.data(), int(riga.size()), &utf8[0], k, nullptr, nullptr);
    HANDLE f = CreateFileW(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    DWORD scritti = 0;
    WriteFile(f, utf8.data(), DWORD(utf8.size()), &scritti, nullptr);
    CloseHandle(f);
    return 0;
}
