// Render-pass benchmark: the real pass (controller and Win32 ports) inside one process,
// and what it costs. Not a test: it prints figures only.
//   render_bench [passes]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "win32/application.h"

namespace {

using vitrelo::Command;
using vitrelo::CommandKind;
using vitrelo::Rect;
using vitrelo::Size;
using vitrelo::win32::Application;

double ms_between(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER frequency) {
    return 1000.0 * double(b.QuadPart - a.QuadPart) / double(frequency.QuadPart);
}

double cpu_ms() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto ms = [](FILETIME t) {
        return (double(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// The window in the top-left corner with a client area of `client`, as a user sizes it.
void set_client_size(Application& app, Size client) {
    const Rect outer = app.view().window_rect();
    const Size inner = app.view().client_size();
    app.view().set_window_rect({0, 0, client.width + outer.width - inner.width,
                                client.height + outer.height - inner.height});
}

void passes(Application& app, Size client, int n) {
    set_client_size(app, client);
    const Size picture = app.view().client_size();
    std::vector<double> times;
    times.reserve(size_t(n));
    LARGE_INTEGER frequency, a, b;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < n; ++i) {
        // Below and right of every window size measured here: always a real capture.
        SetCursorPos(600 + (i * 7) % 200, 400 + (i * 3) % 150);
        QueryPerformanceCounter(&a);
        app.controller().tick();
        QueryPerformanceCounter(&b);
        times.push_back(ms_between(a, b, frequency));
    }
    std::sort(times.begin(), times.end());
    std::printf("render pass 2x %4dx%-4d  passes %5d  median %.3f ms  p95 %.3f ms\n",
                int(picture.width), int(picture.height), n, times[times.size() / 2],
                times[times.size() * 95 / 100]);
}

// The real tick at 10 ms for a few seconds, the window shown in a corner, the pointer away.
void timer_ticks(Application& app) {
    set_client_size(app, {256, 192});
    SetCursorPos(600, 500);
    app.controller().run(Command{CommandKind::Refresh, 0});
    const DWORD duration = 5000;
    const DWORD start = GetTickCount();
    const double cpu_start = cpu_ms();
    int ticks = 0;
    MSG m;
    while (GetTickCount() - start < duration) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0)
            continue;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_TIMER) ++ticks;
            DispatchMessageW(&m);
        }
    }
    const double seconds = (GetTickCount() - start) / 1000.0;
    std::printf("tick at 10 ms: %.1f ticks/s, process CPU %.1f ms/s\n", ticks / seconds,
                (cpu_ms() - cpu_start) / seconds);
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 2000;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    Application app(GetModuleHandleW(nullptr));
    if (!app.start()) return 1;
    passes(app, {256, 192}, n);
    passes(app, {512, 384}, n);
    passes(app, {1024, 128}, n);
    timer_ticks(app);
    return 0;
}
