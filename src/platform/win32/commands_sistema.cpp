// Profile files, HTML Help and the program's own version record.
#include <vector>

#include "platform/win32/win32.h"

namespace plat {

// The wide-character calls keep a program folder whose name is outside the ANSI
// code page working. A new file is still written in ANSI, without a byte-order
// mark: the system writes Unicode only into a file that already is.
uint32_t profilo_leggi(const std::string& sezione, const std::string& chiave,
                       const char* predefinito, std::string& risultato, uint32_t dimensione,
                       const std::string& file) {
    risultato.clear();
    if (dimensione == 0) return 0;
    std::vector<wchar_t> buffer(dimensione, L'\0');
    const std::wstring s = w32::wide(sezione), k = w32::wide(chiave), f = w32::wide(file);
    const std::wstring d = predefinito ? w32::wide(predefinito) : std::wstring();
    const DWORD n = GetPrivateProfileStringW(s.c_str(), k.c_str(), predefinito ? d.c_str() : nullptr,
                                             buffer.data(), dimensione, f.c_str());
    risultato = w32::utf8(std::wstring(buffer.data(), n));
    return n;
}

bool profilo_scrivi(const std::string& sezione, const std::string& chiave,
                    const std::string& valore, const std::string& file) {
    const std::wstring s = w32::wide(sezione), k = w32::wide(chiave), v = w32::wide(valore),
                       f = w32::wide(file);
    return WritePrivateProfileStringW(s.c_str(), k.c_str(), v.c_str(), f.c_str()) != FALSE;
}

Handle apri_guida(Handle finestra, const std::string& file, uint32_t comando, uintptr_t dati) {
    using HtmlHelpW_t = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    // Loaded once and kept: the help window lives in this library after the
    // call returns, so it must not be unloaded while the program runs.
    static HMODULE libreria = LoadLibraryW(L"hhctrl.ocx");
    if (!libreria) return 0;
    auto html_help = reinterpret_cast<HtmlHelpW_t>(
        reinterpret_cast<void (*)()>(::GetProcAddress(libreria, "HtmlHelpW")));
    if (!html_help) return 0;
    const std::wstring f = w32::wide(file);
    return reinterpret_cast<Handle>(
        html_help(reinterpret_cast<HWND>(finestra), f.c_str(), comando, dati));
}

bool versione_programma(int& maggiore, int& minore, int& revisione) {
    using Dimensione_t = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using Leggi_t = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using Valore_t = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    maggiore = minore = revisione = 0;
    wchar_t percorso[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, percorso, MAX_PATH * 4);
    if (n == 0 || n >= MAX_PATH * 4) return false;
    // version.dll is bound at run time so the program links without it.
    HMODULE v = LoadLibraryW(L"version.dll");
    if (!v) return false;
    auto funzione = [v](const char* nome) {
        return reinterpret_cast<void (*)()>(::GetProcAddress(v, nome));
    };
    auto dimensione = reinterpret_cast<Dimensione_t>(funzione("GetFileVersionInfoSizeW"));
    auto leggi = reinterpret_cast<Leggi_t>(funzione("GetFileVersionInfoW"));
    auto valore = reinterpret_cast<Valore_t>(funzione("VerQueryValueW"));
    bool ok = false;
    DWORD zero = 0;
    const DWORD byte = dimensione && leggi && valore ? dimensione(percorso, &zero) : 0;
    if (byte > 0) {
        std::vector<BYTE> dati(byte);
        VS_FIXEDFILEINFO* info = nullptr;
        UINT lunghezza = 0;
        if (leggi(percorso, 0, byte, dati.data()) &&
            valore(dati.data(), L"\\", reinterpret_cast<void**>(&info), &lunghezza) && info &&
            lunghezza >= sizeof(VS_FIXEDFILEINFO)) {
            maggiore = HIWORD(info->dwFileVersionMS);
            minore = LOWORD(info->dwFileVersionMS);
            // FILEVERSION major,minor,0,revision: the revision is the fourth field.
            revisione = LOWORD(info->dwFileVersionLS);
            ok = true;
        }
    }
    FreeLibrary(v);
    return ok;
}

}  // namespace plat
