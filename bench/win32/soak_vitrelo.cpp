// The program as it runs every day, with a sampler for the soak scenario: every
// VITRELO_CAMPIONE seconds (60 by default) it prints one line
//   campione <seconds> gdi <live GDI objects> handle <handles> privati <private bytes>
// It starts with the grid and the colour readout on; the scenario drives the rest
// (pointer, Ctrl pause, capture mode, lock and unlock) from outside, as a user.
#include <cstdio>
#include <cstdlib>

#include "core/frmzoom.h"
#include "platform/win32/win32.h"

#include <psapi.h>

namespace {

DWORD g_inizio = 0;

int oggetti_gdi() {
    const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (n) return static_cast<int>(n);
    // Under Wine GetGuiResources is a stub that answers 0: count the live handles
    // by probing every index (Wine accepts a handle by its index alone).
    int vivi = 0;
    for (uintptr_t i = 1; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++vivi;
    return vivi;
}

// Under Wine GetProcessHandleCount succeeds with 0: count the kernel handles
// that answer instead (they are multiples of 4).
DWORD handle_vivi() {
    DWORD n = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &n) && n) return n;
    for (uintptr_t h = 4; h < 0x10000; h += 4) {
        DWORD f;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &f)) ++n;
    }
    return n;
}

// Private bytes; Wine leaves PrivateUsage at 0 but fills the commit charge
// (PagefileUsage), which on Windows is the same quantity.
SIZE_T privati() {
    PROCESS_MEMORY_COUNTERS_EX m = {};
    m.cb = sizeof(m);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m),
                              sizeof(m)))
        return 0;
    return m.PrivateUsage ? m.PrivateUsage : m.PagefileUsage;
}

void CALLBACK campiona(HWND, UINT, UINT_PTR, DWORD) {
    const DWORD handle = handle_vivi();
    std::printf("campione %lu gdi %d handle %lu privati %llu\n",
                static_cast<unsigned long>((GetTickCount() - g_inizio) / 1000), oggetti_gdi(),
                static_cast<unsigned long>(handle),
                static_cast<unsigned long long>(privati()));
    std::fflush(stdout);
}

}  // namespace

int main() {
    return w32::esegui_programma([] {
        frmZoom.mnuGriglia_Click();
        frmZoom.mnuColor_Click();
        const char* s = std::getenv("VITRELO_CAMPIONE");
        const UINT secondi = s && std::atoi(s) > 0 ? static_cast<UINT>(std::atoi(s)) : 60;
        g_inizio = GetTickCount();
        campiona(nullptr, 0, 0, 0);
        SetTimer(nullptr, 0, secondi * 1000, campiona);
    });
}
