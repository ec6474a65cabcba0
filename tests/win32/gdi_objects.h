// Live GDI objects of this process, for the Win32-side tests and the soak benchmark.
#pragma once

#include "win32/windows_headers.h"

// GetGuiResources is a stub under Wine (always 0): there every handle index is probed with
// GetObjectType instead, as Wine accepts a handle whose high word is zero by its index alone.
// Test-only: it relies on Wine's layout.
inline int live_gdi_objects() {
    if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return int(n);
    int live = 0;
    for (uintptr_t i = 1; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0) ++live;
    return live;
}
