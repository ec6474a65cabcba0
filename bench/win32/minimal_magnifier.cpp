// The least a Win32 magnifier can do on each tick, as a subject for the shared meter:
//   VITRELO_MINIMAL_STEPS=present bench/meter.sh --exe build/win32/minimal_magnifier.exe --peers
//   xzoom
// A window titled "Vitrelo" with a 256x192 picture, the refresh period and zoom of the
// Vitrelo.ini the meter writes beside it, a WM_TIMER at that period, and on every tick
// the steps named in the environment variable VITRELO_MINIMAL_STEPS (a comma list; Wine hands
// the variable to the program):
//   pointer  GetCursorPos
//   keys     GetAsyncKeyState(VK_CONTROL), as the Ctrl pause polls it
//   capture  StretchBlt of the screen around the pointer into the picture (a DIB), from a
//            screen DC kept for the program's life
//   present  BitBlt of the picture into the window through its own DC (CS_OWNDC)
// Unset: "pointer,capture,present", the minimal magnifier. "present" alone is the floor of
// any program that shows a frame per tick; "" (empty) is the bare timer, no frames.
// What these cost under Wine is Wine's: no program written against Win32 saves it.
#include <windows.h>

#include <mmsystem.h>  // needs <windows.h> first

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kWidth = 256, kHeight = 192;
constexpr UINT_PTR kTimerId = 1;
constexpr int kPeriods[] = {10, 50, 100, 250, 500};           // Refresh = index
constexpr double kZooms[] = {0.5, 1, 2, 3, 4, 6, 8, 10, 12};  // Zoom = index

struct Steps {
    bool pointer = true, keys = false, capture = true, present = true;
};

struct State {
    Steps steps;
    double zoom = 2;
    // Asked once: under Wine 8 every GetSystemMetrics(SM_CXSCREEN) makes three requests
    // to the wineserver (a check of the display settings).
    SIZE screen = {0, 0};
    HDC screen_dc = nullptr;
    HDC picture = nullptr;
    HDC window = nullptr;
};
State state;

Steps steps_from_environment() {
    const char* list = std::getenv("VITRELO_MINIMAL_STEPS");
    if (!list) return {};
    const std::string s = std::string(",") + list + ",";
    const auto has = [&s](const char* step) {
        return s.find(std::string(",") + step + ",") != std::string::npos;
    };
    return {has("pointer"), has("keys"), has("capture"), has("present")};
}

int setting(const wchar_t* key, int fallback) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return fallback;
    wchar_t* slash = std::wcsrchr(path, L'\\');
    if (!slash || slash + 12 > path + MAX_PATH) return fallback;
    std::wcscpy(slash + 1, L"Vitrelo.ini");
    return static_cast<int>(GetPrivateProfileIntW(L"Opzioni", key, fallback, path));
}

void present() {
    BitBlt(state.window, 0, 0, kWidth, kHeight, state.picture, 0, 0, SRCCOPY);
}

void tick() {
    POINT p = {state.screen.cx / 2, state.screen.cy / 2};
    if (state.steps.pointer) GetCursorPos(&p);
    if (state.steps.keys) GetAsyncKeyState(VK_CONTROL);
    if (state.steps.capture) {
        const int w = static_cast<int>(kWidth / state.zoom);
        const int h = static_cast<int>(kHeight / state.zoom);
        const int x = std::max(
            0, std::min(static_cast<int>(p.x) - w / 2, static_cast<int>(state.screen.cx) - w));
        const int y = std::max(
            0, std::min(static_cast<int>(p.y) - h / 2, static_cast<int>(state.screen.cy) - h));
        StretchBlt(state.picture, 0, 0, kWidth, kHeight, state.screen_dc, x, y, w, h, SRCCOPY);
    }
    if (state.steps.present) present();
}

LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
        case WM_TIMER:
            if (wp == kTimerId) tick();
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            present();
            EndPaint(h, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(h, m, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    state.steps = steps_from_environment();
    const int period = kPeriods[std::clamp(setting(L"Refresh", 0), 0, 4)];
    state.zoom = kZooms[std::clamp(setting(L"Zoom", 2), 0, 8)];
    state.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};

    WNDCLASSW wc = {};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = L"VitreloMinimo";
    if (!RegisterClassW(&wc)) return 1;
    const HWND window = CreateWindowExW(
        WS_EX_TOPMOST, wc.lpszClassName, L"Vitrelo", WS_POPUP, (state.screen.cx - kWidth) / 2,
        (state.screen.cy - kHeight) / 2, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    state.window = GetDC(window);  // its own DC: never released
    state.screen_dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    state.picture = CreateCompatibleDC(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP bitmap =
        CreateDIBSection(state.picture, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!state.screen_dc || !state.picture || !bitmap) return 1;
    std::memset(bits, 0xC0, static_cast<size_t>(kWidth) * kHeight * 4);  // light grey
    SelectObject(state.picture, bitmap);

    ShowWindow(window, SW_SHOWNA);
    // As the program does for a period under the system's tick.
    const bool fine = period < 16 && timeBeginPeriod(1) == TIMERR_NOERROR;
    SetTimer(window, kTimerId, static_cast<UINT>(period), nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    if (fine) timeEndPeriod(1);
    return 0;
}
