// The popup menu built from the logic's tree (commands_menu.cpp); the caller owns the
// result and destroys it with DestroyMenu, which takes the submenus with it.
#pragma once

#include <vector>

#include "platform/win32/win32.h"

namespace w32 {
HMENU crea_menu_popup(const std::vector<plat::VocePopup>& voci);
}
