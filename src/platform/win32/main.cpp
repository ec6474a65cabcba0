// The program's entry point.
#include "platform/win32/win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return w32::esegui_programma(); }
