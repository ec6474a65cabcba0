// The program's entry point: one instance per user, then the Application.
#include <string>
#include <vector>

#include "win32/application.h"
#include "win32/libraries.h"

namespace {

using vitrelo::win32::Handle;

// The user's SID as text, so that the single instance holds per user.
std::wstring user_id() {
    std::wstring id;
    HANDLE token_handle = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token_handle)) {
        const Handle token(token_handle);
        DWORD n = 0;
        GetTokenInformation(token.get(), TokenUser, nullptr, 0, &n);
        std::vector<BYTE> buffer(n ? n : 1);
        LPWSTR text = nullptr;
        if (n && GetTokenInformation(token.get(), TokenUser, buffer.data(), n, &n) &&
            ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) {
            id = text;
            LocalFree(text);
        }
    }
    if (id.empty()) {
        wchar_t name[257];
        DWORD n = 257;
        if (GetUserNameW(name, &n)) id = name;
    }
    return id;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    vitrelo::win32::search_system_folder_only();
    // Held for the life of the process; a second start ends silently.
    const Handle instance_mutex(
        CreateMutexW(nullptr, FALSE, (L"Local\\Vitrelo.Instance." + user_id()).c_str()));
    if (instance_mutex && GetLastError() == ERROR_ALREADY_EXISTS) return 0;
    // Common controls first, so that the visual-styles manifest applies to them.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    vitrelo::win32::Application app(instance);
    if (!app.start()) return 1;
    return app.run();
}
