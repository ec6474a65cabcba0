// The main window's extended style and layered alpha, one to one with user32.
#include "platform/win32/win32.h"

namespace plat {

namespace {
HWND H(Handle h) {
    return reinterpret_cast<HWND>(h);
}
}  // namespace

// GWL_EXSTYLE fits in 32 bits on both Win32 and Win64, so the 32-bit calls are
// right for it on either.
int32_t GetWindowLongA(Handle finestra, int indice) {
    return static_cast<int32_t>(::GetWindowLongA(H(finestra), indice));
}

int32_t SetWindowLongA(Handle finestra, int indice, int32_t valore) {
    return static_cast<int32_t>(::SetWindowLongA(H(finestra), indice, valore));
}

bool SetLayeredWindowAttributes(Handle finestra, Colore chiave, uint8_t alpha, uint32_t flags) {
    return ::SetLayeredWindowAttributes(H(finestra), static_cast<COLORREF>(chiave), alpha, flags) !=
           FALSE;
}

}  // namespace plat
