// The program's entry point: create the window, run start-up, pump messages.

#include "core/frmzoom.h"
#include "platform/win32/win32.h"


int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Common controls first, so the visual-styles manifest applies to them.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    frmZoom.Form_Initialize();
    if (!w32::crea_finestre()) return 1;
    frmZoom.Form_Load();

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    w32::quadro_libera();
    return static_cast<int>(msg.wParam);
}
