// What the scenarios cannot see from X. Without arguments: "<outer x y w h> <client x y w h>
// <enabled 0|1>" of the visible top-level non-dialog window "Vitrelo" (exit 1 without one, 2 with
// several, 3 when it does not answer within 3 s). `texts T`: the UTF-8 texts of the child windows
// of the visible top-level windows whose title begins with T. `record LOG "%1"`: the mail program's
// stand-in, appends its raw command line to LOG. `clipboard`: the clipboard's text as UTF-8.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char* title_prefix = nullptr;
HWND found = nullptr;
int count = 0;

// WM_GETTEXT answered by the owner, as a screen reader reads it (an edit box of another process
// holds what was typed).
BOOL CALLBACK print_texts(HWND c, LPARAM) {
    wchar_t text[1024] = {};
    char utf8[4096] = {};
    DWORD_PTR r = 0;
    if (SendMessageTimeoutW(c, WM_GETTEXT, 1024, LPARAM(text), SMTO_ABORTIFHUNG, 3000, &r) &&
        text[0] && WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr))
        std::printf("%s\n", utf8);
    return TRUE;
}

BOOL CALLBACK examine(HWND w, LPARAM) {
    char title[256] = {}, class_name[16] = {};
    GetWindowTextA(w, title, sizeof title);
    GetClassNameA(w, class_name, sizeof class_name);
    if (!IsWindowVisible(w)) return TRUE;
    if (title_prefix && std::strncmp(title, title_prefix, std::strlen(title_prefix)) == 0)
        EnumChildWindows(w, print_texts, 0);
    if (!title_prefix && std::strcmp(class_name, "#32770") != 0 &&
        std::strcmp(title, "Vitrelo") == 0)
        found = w, ++count;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "record") == 0) {
        char line[8192] = {};
        FILE* log = WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line - 1,
                                        nullptr, nullptr)
                        ? std::fopen(argv[2], "ab")
                        : nullptr;
        return log && std::fprintf(log, "%s\n", line) > 0 && std::fclose(log) == 0 ? 0 : 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "clipboard") == 0) {
        char utf8[4096] = {};
        const HANDLE text = OpenClipboard(nullptr) ? GetClipboardData(CF_UNICODETEXT) : nullptr;
        const auto* wide = static_cast<const wchar_t*>(text ? GlobalLock(text) : nullptr);
        const bool read =
            wide && WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
        if (wide) GlobalUnlock(text);
        CloseClipboard();
        return read ? std::printf("%s", utf8), std::fflush(stdout), 0 : 1;
    }
    if (argc > 2 && std::strcmp(argv[1], "texts") == 0) title_prefix = argv[2];
    EnumWindows(examine, 0);
    if (title_prefix) return std::fflush(stdout), 0;
    if (count != 1) return count ? 2 : 1;
    DWORD_PTR r = 0;
    RECT f{}, d{};
    POINT o{0, 0};
    if (!SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &r)) return 3;
    GetWindowRect(found, &f), GetClientRect(found, &d), ClientToScreen(found, &o);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %d\n", f.left, f.top, f.right - f.left,
                f.bottom - f.top, o.x, o.y, d.right, d.bottom, IsWindowEnabled(found) ? 1 : 0);
    return std::fflush(stdout), 0;
}
