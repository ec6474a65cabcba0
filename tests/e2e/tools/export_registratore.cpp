// Stands in for a mail program in the end-to-end scenarios: registered as the
// handler of .eml files and mailto: addresses, it appends its whole command line
// to a log. Usage (as registered): export_registratore.exe LOG "%1"
#include <windows.h>

#include <string>
#include <vector>

namespace {

// The command line split as the shell quotes it: blanks separate, double quotes
// group (enough for the paths and addresses this program receives).
std::vector<std::wstring> argomenti(const wchar_t* s) {
    std::vector<std::wstring> out;
    while (*s) {
        while (*s == L' ' || *s == L'\t') ++s;
        if (!*s) break;
        std::wstring a;
        bool virgolette = false;
        for (; *s && (virgolette || (*s != L' ' && *s != L'\t')); ++s) {
            if (*s == L'"')
                virgolette = !virgolette;
            else
                a += *s;
        }
        out.push_back(a);
    }
    return out;
}

}  // namespace

int main() {
    const std::vector<std::wstring> argv = argomenti(GetCommandLineW());
    const int n = int(argv.size());
    if (n < 2) return 1;
    // The raw command line: the address of a mailto: hand-off holds blanks and
    // quotes of its own, which any splitting would change.
    std::wstring riga = GetCommandLineW();
    riga += L'\n';
    const int k = WideCharToMultiByte(CP_UTF8, 0, riga.data(), int(riga.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(k), '\0');
    WideCharToMultiByte(CP_UTF8, 0, riga.data(), int(riga.size()), &utf8[0], k, nullptr, nullptr);
    HANDLE f = CreateFileW(argv[1].c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    DWORD scritti = 0;
    WriteFile(f, utf8.data(), DWORD(utf8.size()), &scritti, nullptr);
    CloseHandle(f);
    return 0;
}
