// The information box: version, copyright, the authors' addresses and the partner's
// logo, each address a link that opens and closes the box.
#pragma once

#include <string>

#include "magnifier/language.h"
#include "win32/windows_headers.h"

namespace vitrelo::win32 {

// Hands a link's address to the system: ShellExecute's default verb, whatever the
// result. A test puts a recorder in its place.
using LinkOpener = void (*)(HWND box, const std::string& target);
void open_with_shell(HWND box, const std::string& target);

// Modal, owned by `owner` (may be null), topmost, its texts in `language`; returns once
// closed.
void show_about_box(HWND owner, Language language, LinkOpener open = open_with_shell);

}  // namespace vitrelo::win32
