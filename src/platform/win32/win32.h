// Shared internals of the Win32 platform: the windows, the persistent bitmap and
// text conversion. Only platform/win32/ includes this (and <windows.h>).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Every system header this platform uses comes in here, before the #undefs below.
#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <sddl.h>
#include <shellapi.h>

#include <string>

// The seam's functions share names with Win32's A/W macros; the platform calls
// the explicit A or W functions, so the macros go.
#undef GetTempPath
#undef GetVersionEx
#undef LoadLibrary
#undef ShellExecute
#undef RegOpenKeyEx
#undef RegQueryValueEx
#undef GetSaveFileName
#undef GetOpenFileName
#undef GetCurrentDirectory

#include "platform/platform.h"

namespace w32 {

HINSTANCE istanza();
HWND finestra();                 // the main window frmZoom
HWND elemento(plat::Elem e);     // child window of an element; nullptr for drawn elements
HDC picture_hdc();               // memory DC holding picZoomed's persistent bitmap
HBITMAP picture_bitmap();        // the DIB section selected into it
int picture_larghezza();
int picture_altezza();
void* picture_bits();            // top-down 32-bit pixels 0x00RRGGBB of the DIB section

// Sizes the persistent bitmap (cleared to white); frees it at the end.
bool quadro_dimensiona(int w, int h);
void quadro_libera();

// Icons and cursors of the program's resources, loaded once.
HICON icona(int risorsa);
HCURSOR cursore(int risorsa);

// UTF-8 <-> UTF-16 at the seam.
std::wstring wide(const std::string& s);
std::string utf8(const std::wstring& s);

// Creates the windows (hidden); called once by WinMain before Form_Load.
bool crea_finestre();

// The program: common controls, windows, start-up, then the message loop until
// the window is gone. dopo_avvio, when given, runs once after start-up.
int esegui_programma(void (*dopo_avvio)() = nullptr);

// Custom messages the main window handles.
constexpr UINT WM_VITRELO_TIMER = WM_APP + 1;

}  // namespace w32
