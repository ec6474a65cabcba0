// What the scenarios cannot see from X.
//   finestra.exe              "<outer x y w h> <client x y w h> <enabled 0|1>" (screen pixels)
//                             of the visible top-level window titled "Vitrelo" that is not a
//                             dialog box; exit 1 without one, 2 with several, 3 when it does not
//                             answer a message within 3 s
//   finestra.exe testi TITLE  the texts of the controls of the visible dialog boxes (the
//                             system's class "#32770") whose title begins with TITLE, UTF-8
//   finestra.exe striscia     the window text of the magnifier's info strip (class
//                             "VitreloStrip"), UTF-8 between '[' and ']'; exit 4 without a strip
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char* titolo_dialogo = nullptr;
HWND trovata = nullptr;
int quante = 0;

BOOL CALLBACK stampa_testo(HWND c, LPARAM) {
    // WM_GETTEXT, not GetWindowText: an edit box of another process holds what was typed.
    wchar_t testo[1024] = {};
    char utf8[4096] = {};
    DWORD_PTR r = 0;
    if (SendMessageTimeoutW(c, WM_GETTEXT, 1024, LPARAM(testo), SMTO_ABORTIFHUNG, 1000, &r) && testo[0] &&
        WideCharToMultiByte(CP_UTF8, 0, testo, -1, utf8, sizeof utf8, nullptr, nullptr))
        std::printf("%s\n", utf8);
    return TRUE;
}

BOOL CALLBACK cerca_striscia(HWND c, LPARAM trovata_striscia) {
    char classe[32] = {};
    GetClassNameA(c, classe, sizeof classe);
    if (std::strcmp(classe, "VitreloStrip") != 0) return TRUE;
    *reinterpret_cast<HWND*>(trovata_striscia) = c;
    return FALSE;
}

// From another process, as a screen reader reads it: WM_GETTEXT answered by the owner.
int stampa_striscia(HWND finestra) {
    HWND striscia = nullptr;
    EnumChildWindows(finestra, cerca_striscia, LPARAM(&striscia));
    if (!striscia) return 4;
    wchar_t testo[256] = {};
    char utf8[1024] = {};
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(striscia, WM_GETTEXT, 256, LPARAM(testo), SMTO_ABORTIFHUNG, 3000, &r))
        return 3;
    WideCharToMultiByte(CP_UTF8, 0, testo, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("[%s]\n", utf8);
    return std::fflush(stdout), 0;
}

BOOL CALLBACK esamina(HWND w, LPARAM) {
    char titolo[256] = {}, classe[16] = {};
    GetWindowTextA(w, titolo, sizeof titolo);
    GetClassNameA(w, classe, sizeof classe);
    const bool dialogo = std::strcmp(classe, "#32770") == 0;
    if (!IsWindowVisible(w)) return TRUE;
    if (titolo_dialogo && dialogo && std::strncmp(titolo, titolo_dialogo, std::strlen(titolo_dialogo)) == 0)
        EnumChildWindows(w, stampa_testo, 0);
    if (!titolo_dialogo && !dialogo && std::strcmp(titolo, "Vitrelo") == 0) trovata = w, ++quante;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "testi") == 0) titolo_dialogo = argv[2];
    const bool striscia = argc > 1 && std::strcmp(argv[1], "striscia") == 0;
    EnumWindows(esamina, 0);
    DWORD_PTR r = 0;
    RECT fuori{}, dentro{};
    POINT origine{0, 0};
    if (titolo_dialogo) return std::fflush(stdout), 0;
    if (quante != 1) return quante ? 2 : 1;
    if (striscia) return stampa_striscia(trovata);
    if (!SendMessageTimeoutW(trovata, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &r)) return 3;
    GetWindowRect(trovata, &fuori);
    GetClientRect(trovata, &dentro);
    ClientToScreen(trovata, &origine);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %d\n", fuori.left, fuori.top, fuori.right - fuori.left,
                fuori.bottom - fuori.top, origine.x, origine.y, dentro.right, dentro.bottom,
                IsWindowEnabled(trovata) ? 1 : 0);
    return std::fflush(stdout), 0;
}
