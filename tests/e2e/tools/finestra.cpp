// Reports the magnifier's main window to the end-to-end scenarios, which cannot see
// Win32 geometry from X: prints one line
//   <outer x> <outer y> <outer w> <outer h> <client x> <client y> <client w> <client h>
//   <enabled 0|1> <topmost 0|1>
// for the visible top-level window titled exactly "Vitrelo" (screen pixels, client rectangle
// in screen coordinates). Exit code 1 when there is no such window, 2 when there are several.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HWND trovata = nullptr;
int quante = 0;

BOOL CALLBACK esamina(HWND w, LPARAM) {
    char titolo[64] = {};
    if (!IsWindowVisible(w) || GetWindowTextA(w, titolo, sizeof titolo) <= 0) return TRUE;
    if (std::strcmp(titolo, "Vitrelo") == 0) {
        trovata = w;
        ++quante;
    }
    return TRUE;
}

}  // namespace

int main() {
    EnumWindows(esamina, 0);
    if (quante == 0) return 1;
    if (quante > 1) return 2;
    RECT fuori{}, dentro{};
    GetWindowRect(trovata, &fuori);
    GetClientRect(trovata, &dentro);
    POINT origine{0, 0};
    ClientToScreen(trovata, &origine);
    const LONG stile_ex = GetWindowLongA(trovata, GWL_EXSTYLE);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %d %d\n", fuori.left, fuori.top,
                fuori.right - fuori.left, fuori.bottom - fuori.top, origine.x, origine.y,
                dentro.right, dentro.bottom, IsWindowEnabled(trovata) ? 1 : 0,
                (stile_ex & WS_EX_TOPMOST) ? 1 : 0);
    std::fflush(stdout);
    return 0;
}
