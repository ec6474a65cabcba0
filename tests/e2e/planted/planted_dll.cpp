// Planted beside Vitrelo.exe under the names of system DLLs (winmm.dll, gdiplus.dll): once
// loaded into a process it leaves "<its own path>.loaded" beside itself.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    wchar_t path[MAX_PATH + 8];
    const DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    if (reason != DLL_PROCESS_ATTACH || n == 0 || n >= MAX_PATH) return TRUE;
    lstrcatW(path, L".loaded");
    CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    return TRUE;
}

// An entry point for rundll32, which the scenario uses to show that the DLL leaves its mark.
extern "C" __declspec(dllexport) void CALLBACK Touch(HWND, HINSTANCE, LPSTR, int) {}
