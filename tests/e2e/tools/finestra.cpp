// What the scenarios cannot see from X.
//   finestra.exe            "<outer x y w h> <client x y w h> <enabled 0|1>" of the visible
//                           top-level non-dialog window titled "Vitrelo"; exit 1 without one,
//                           2 with several, 3 when it does not answer a message within 3 s
//   finestra.exe testi T    the texts of the child windows (controls, the info strip) of the
//                           visible top-level windows whose title begins with T, UTF-8
//   finestra.exe registra LOG "%1"  the mail program's stand-in: appends its raw command line
//                           to LOG (a mailto: address holds blanks and quotes splitting changes)
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char* prefisso = nullptr;
HWND trovata = nullptr;
int quante = 0;

// WM_GETTEXT answered by the owner, as a screen reader reads it (an edit box of another process
// holds what was typed).
BOOL CALLBACK stampa_testo(HWND c, LPARAM) {
    wchar_t testo[1024] = {};
    char utf8[4096] = {};
    DWORD_PTR r = 0;
    if (SendMessageTimeoutW(c, WM_GETTEXT, 1024, LPARAM(testo), SMTO_ABORTIFHUNG, 3000, &r) && testo[0] &&
        WideCharToMultiByte(CP_UTF8, 0, testo, -1, utf8, sizeof utf8, nullptr, nullptr))
        std::printf("%s\n", utf8);
    return TRUE;
}

BOOL CALLBACK esamina(HWND w, LPARAM) {
    char titolo[256] = {}, classe[16] = {};
    GetWindowTextA(w, titolo, sizeof titolo);
    GetClassNameA(w, classe, sizeof classe);
    if (!IsWindowVisible(w)) return TRUE;
    if (prefisso && std::strncmp(titolo, prefisso, std::strlen(prefisso)) == 0) EnumChildWindows(w, stampa_testo, 0);
    if (!prefisso && std::strcmp(classe, "#32770") != 0 && std::strcmp(titolo, "Vitrelo") == 0) trovata = w, ++quante;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "registra") == 0) {
        char riga[8192] = {};
        FILE* log = WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, riga, sizeof riga - 1, nullptr, nullptr)
                        ? std::fopen(argv[2], "ab") : nullptr;
        return log && std::fprintf(log, "%s\n", riga) > 0 && std::fclose(log) == 0 ? 0 : 1;
    }
    if (argc > 2 && std::strcmp(argv[1], "testi") == 0) prefisso = argv[2];
    EnumWindows(esamina, 0);
    if (prefisso) return std::fflush(stdout), 0;
    if (quante != 1) return quante ? 2 : 1;
    DWORD_PTR r = 0;
    RECT f{}, d{};
    POINT o{0, 0};
    if (!SendMessageTimeoutW(trovata, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &r)) return 3;
    GetWindowRect(trovata, &f), GetClientRect(trovata, &d), ClientToScreen(trovata, &o);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %d\n", f.left, f.top, f.right - f.left, f.bottom - f.top, o.x,
                o.y, d.right, d.bottom, IsWindowEnabled(trovata) ? 1 : 0);
    return std::fflush(stdout), 0;
}
