// The program as a user runs it after choosing "Dimensione finestra" > "1/4 schermo":
// the benchmark's 512x384 picture on a 1024x768 screen. Nothing else differs.
#include "core/frmzoom.h"
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    frmZoom.Form_Initialize();
    if (!w32::crea_finestre()) return 1;
    frmZoom.Form_Load();
    frmZoom.mnuD_Click(2);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
