// The information box: version, copyright, the authors' addresses and the partner's
// logo, each address a link that opens and closes the box.
#pragma once

#include "win32/windows_headers.h"

namespace vitrelo::win32 {

// Modal, owned by `owner` (may be null), topmost; returns once closed.
void show_about_box(HWND owner);

}  // namespace vitrelo::win32
