// Render-pass benchmark: runs the real pass (logic and Win32 platform) inside one
// process and prints what it costs. Not a test: it prints figures only.
//   banco_render [passaggi]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/frmzoom.h"
#include "platform/win32/win32.h"

namespace {

double ms_da(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f) {
    return 1000.0 * double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

double cpu_ms() {
    FILETIME c, e, k, u;
    GetProcessTimes(GetCurrentProcess(), &c, &e, &k, &u);
    auto v = [](FILETIME t) { return (double(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    return v(k) + v(u);
}

void passaggi(int w, int h, int n) {
    frmZoom.picZoomed.Move(0, 0, w, h);
    std::vector<double> t;
    t.reserve(size_t(n));
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    for (int i = 0; i < n; ++i) {
        SetCursorPos(300 + (i * 7) % 200, 300 + (i * 3) % 150);
        QueryPerformanceCounter(&a);
        frmZoom.aggiorna_zoom();
        QueryPerformanceCounter(&b);
        t.push_back(ms_da(a, b, f));
    }
    std::sort(t.begin(), t.end());
    std::printf("render pass 2x %4dx%-4d  passes %5d  median %.3f ms  p95 %.3f ms\n", w, h, n,
                t[t.size() / 2], t[t.size() * 95 / 100]);
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 2000;
    if (!w32::crea_finestre()) return 1;
    frmZoom.twip_x = frmZoom.twip_y = 15;
    frmZoom.larghezza_schermo = GetSystemMetrics(SM_CXSCREEN);
    frmZoom.altezza_schermo = GetSystemMetrics(SM_CYSCREEN);
    frmZoom.fattore_zoom = 2;
    frmZoom.cursore_fuori = true;
    frmZoom.in_caricamento = false;
    passaggi(256, 192, n);
    passaggi(512, 384, n);
    passaggi(1024, 128, n);

    // The real tick at 10 ms, window shown in a corner, pointer away from it.
    frmZoom.picZoomed.Move(0, 0, 256, 192);
    SetWindowPos(w32::finestra(), HWND_TOPMOST, 0, 0, 262, 198, SWP_SHOWWINDOW);
    frmZoom.picZoomed.Move(0, 0, 256, 192);
    SetCursorPos(600, 500);
    frmZoom.punto_cursore = {600, 500};
    frmZoom.tmrTimer.Interval = 10;
    frmZoom.tmrTimer.setEnabled(true);
    const DWORD durata = 5000;
    const DWORD inizio = GetTickCount();
    const double cpu0 = cpu_ms();
    int tick = 0;
    MSG m;
    while (GetTickCount() - inizio < durata) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) continue;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_TIMER) ++tick;
            DispatchMessageW(&m);
        }
    }
    const double secondi = (GetTickCount() - inizio) / 1000.0;
    std::printf("tick at 10 ms: %.1f ticks/s, process CPU %.1f ms/s\n", tick / secondi,
                (cpu_ms() - cpu0) / secondi);
    return 0;
}
