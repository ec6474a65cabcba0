// Prints the text of every visible message box titled "Vitrelo" (one per line,
// UTF-8), so an end-to-end scenario can check what the program told the user.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK una(HWND w, LPARAM) {
    wchar_t classe[64] = {}, titolo[256] = {};
    GetClassNameW(w, classe, 64);
    GetWindowTextW(w, titolo, 256);
    if (!IsWindowVisible(w) || std::wstring(classe) != L"#32770" || std::wstring(titolo) != L"Vitrelo")
        return TRUE;
    wchar_t testo[1024] = {};
    GetDlgItemTextW(w, 0xFFFF, testo, 1024);  // the message's static control
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, testo, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
    std::fflush(stdout);
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(una, 0);
    return 0;
}
