// DLLs of the system that the program loads by name. Windows looks for a DLL that is
// not one of its known DLLs in the program's own folder first, and the program is
// often unpacked in Downloads, beside whatever else was downloaded: a DLL planted
// there under a system name would run inside the program. So every such DLL comes
// from the system folder, by an explicit search or by its full path.
#pragma once

#include "win32/raii.h"

namespace vitrelo::win32 {

// Takes the program's folder and the current folder out of the search for every DLL
// loaded from now on, where the system allows it (SetDefaultDllDirectories: Windows 8,
// or 7 with its update). First thing in WinMain.
void search_system_folder_only();

// `name` from the system folder; none when it is not there.
Module load_system_library(const wchar_t* name);

// A function of a library by name, bound at run time; null when it has none. F is the
// function's pointer type, calling convention included (WINAPI matters on 32-bit).
template <typename F>
F library_function(HMODULE library, const char* name) {
    if (!library) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace vitrelo::win32
