// The program as it runs every day, with a sampler for the soak scenario: every
// VITRELO_SAMPLE_SECONDS seconds (60 by default) it prints one line
//   sample <seconds> gdi <live GDI objects> handles <handles> private <private bytes>
// It starts with the grid and the colour readout on; the scenario drives the rest
// (pointer, Ctrl pause, capture mode, lock and unlock) from outside, as a user.
#include <cstdio>
#include <cstdlib>

#include "win32/application.h"
#include "win32/gdi_objects.h"

#include <psapi.h>

namespace {

// Under Wine GetProcessHandleCount succeeds with 0: count the kernel handles that
// answer instead (they are multiples of 4).
DWORD live_handles() {
    DWORD n = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &n) && n) return n;
    for (uintptr_t h = 4; h < 0x10000; h += 4) {
        DWORD flags;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(h), &flags)) ++n;
    }
    return n;
}

// Private bytes; Wine leaves PrivateUsage at 0 but fills the commit charge
// (PagefileUsage), which on Windows is the same quantity.
SIZE_T private_bytes() {
    PROCESS_MEMORY_COUNTERS_EX m = {};
    m.cb = sizeof(m);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&m),
                              sizeof(m)))
        return 0;
    return m.PrivateUsage ? m.PrivateUsage : m.PagefileUsage;
}

void CALLBACK sample(HWND, UINT, UINT_PTR, DWORD) {
    static const DWORD start = GetTickCount();  // the first sample's time
    const DWORD handles = live_handles();
    std::printf("sample %lu gdi %d handles %lu private %llu\n",
                static_cast<unsigned long>((GetTickCount() - start) / 1000), live_gdi_objects(),
                static_cast<unsigned long>(handles),
                static_cast<unsigned long long>(private_bytes()));
    std::fflush(stdout);
}

}  // namespace

int main() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    vitrelo::win32::Application app(GetModuleHandleW(nullptr));
    if (!app.start()) return 1;
    app.controller().run(vitrelo::Command{vitrelo::CommandKind::Grid});
    app.controller().run(vitrelo::Command{vitrelo::CommandKind::PickColor});
    const char* s = std::getenv("VITRELO_SAMPLE_SECONDS");
    const UINT seconds = s && std::atoi(s) > 0 ? static_cast<UINT>(std::atoi(s)) : 60;
    sample(nullptr, 0, 0, 0);
    SetTimer(nullptr, 0, seconds * 1000, sample);
    return app.run();
}
