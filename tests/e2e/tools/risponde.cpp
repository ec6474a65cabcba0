// Exit 0 when the magnifier's main window answers a message within 3 seconds,
// 1 when there is no such window, 2 when it does not answer.
#include <windows.h>

int main() {
    HWND h = FindWindowW(L"VitreloFinestra", nullptr);
    if (!h) return 1;
    DWORD_PTR r = 0;
    return SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &r) ? 0 : 2;
}
