// The program, the system and the input devices, for the logic.

#include <vector>

#include "platform/win32/win32.h"


namespace plat {

Metriche schermo_metriche() {
    Metriche m;
    m.larghezza_px = GetSystemMetrics(SM_CXSCREEN);
    m.altezza_px = GetSystemMetrics(SM_CYSCREEN);
    HDC dc = GetDC(nullptr);
    m.dpi_x = GetDeviceCaps(dc, LOGPIXELSX);
    m.dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    if (m.dpi_x <= 0) m.dpi_x = 96;
    if (m.dpi_y <= 0) m.dpi_y = 96;
    return m;
}

bool GetCursorPos(Punto& p) {
    POINT q;
    if (!::GetCursorPos(&q)) return false;
    p = {q.x, q.y};
    return true;
}

int16_t GetAsyncKeyState(int vk) { return static_cast<int16_t>(::GetAsyncKeyState(vk)); }

namespace {

// The user's SID as text, so that the instance test holds per user.
std::wstring utente() {
    std::wstring id;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD n = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &n);
        std::vector<BYTE> buf(n ? n : 1);
        if (n && GetTokenInformation(token, TokenUser, buf.data(), n, &n)) {
            LPWSTR s = nullptr;
            if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buf.data())->User.Sid, &s)) {
                id = s;
                LocalFree(s);
            }
        }
        CloseHandle(token);
    }
    if (id.empty()) {
        wchar_t nome[257];
        DWORD n = 257;
        if (GetUserNameW(nome, &n)) id = nome;
    }
    return id;
}

HANDLE g_mutex = nullptr;  // held for the life of the process

}  // namespace

bool istanza_precedente() {
    const std::wstring nome = L"Local\\Vitrelo.Istanza." + utente();
    g_mutex = CreateMutexW(nullptr, FALSE, nome.c_str());
    return g_mutex && GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string cartella_programma() {
    std::wstring p(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, &p[0], static_cast<DWORD>(p.size()));
        if (n == 0) return {};
        if (n < p.size()) {
            p.resize(n);
            break;
        }
        p.resize(p.size() * 2);
    }
    const size_t barra = p.find_last_of(L'\\');
    if (barra == std::wstring::npos) return {};
    // A drive root keeps its backslash ("C:\"), any other folder loses it.
    p.resize(barra == 2 && p[1] == L':' ? barra + 1 : barra);
    return w32::utf8(p);
}

bool attributi_file(const std::string& percorso, uint32_t& attributi) {
    const DWORD a = GetFileAttributesW(w32::wide(percorso).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    attributi = a;
    return true;
}

bool suona_risorsa(int numero) {
    // The resource's data lives as long as the program, as the asynchronous
    // playback from memory requires.
    HRSRC r = FindResourceW(nullptr, MAKEINTRESOURCEW(numero), L"SOUND");
    if (!r) return false;
    HGLOBAL g = LoadResource(nullptr, r);
    const void* dati = g ? LockResource(g) : nullptr;
    if (!dati) return false;
    return sndPlaySoundA(static_cast<LPCSTR>(dati), SND_ASYNC | SND_NODEFAULT | SND_MEMORY) != FALSE;
}

std::string GetTempPath(unsigned dimensione, unsigned& lunghezza) {
    std::wstring buf(dimensione ? dimensione : 1, L'\0');
    const DWORD n = GetTempPathW(dimensione, &buf[0]);
    lunghezza = n;
    if (n == 0 || n > dimensione) return {};
    buf.resize(n);
    return w32::utf8(buf);
}

bool GetVersionEx(uint32_t& maggiore, uint32_t& minore) {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof(v);  // 148, the ANSI record
    if (!::GetVersionExA(&v)) return false;
    maggiore = v.dwMajorVersion;
    minore = v.dwMinorVersion;
    return true;
}

void termina_programma() {
    if (HWND f = w32::finestra()) DestroyWindow(f);
    w32::quadro_libera();
    ExitProcess(0);
}

}  // namespace plat
