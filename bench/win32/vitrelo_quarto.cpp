// The program as a user runs it after choosing "Dimensione finestra" > "1/4 schermo"
// and dragging the window to the top-left corner: the benchmark's 512x384 picture on a
// 1024x768 screen, clear of the meter's pointer path at the bottom right. Nothing else
// differs.
#include "core/frmzoom.h"
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return w32::esegui_programma([] {
        frmZoom.mnuD_Click(2);
        frmZoom.setLeft(0);
        frmZoom.setTop(0);
    });
}
