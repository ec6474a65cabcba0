// Image export, Win32: files through the wide API, the registry, the shell.
#include "platform/win32/win32.h"

namespace {

HANDLE h(plat::Handle v) { return reinterpret_cast<HANDLE>(v); }

// The predefined keys are sign-extended on 64-bit Windows: map the logic's
// 32-bit values onto the real constants.
HKEY chiave(plat::Handle v) {
    if (v == plat::HKEY_LOCAL_MACHINE_) return HKEY_LOCAL_MACHINE;
    if (v == 0x80000001u) return HKEY_CURRENT_USER;
    return reinterpret_cast<HKEY>(v);
}

const wchar_t* o_null(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

}  // namespace

namespace plat {

Handle file_apri_scrittura(const std::string& percorso) {
    HANDLE f = CreateFileW(w32::wide(percorso).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return f == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<Handle>(f);
}

bool file_scrivi(Handle file, const void* dati, size_t n) {
    const char* p = static_cast<const char*>(dati);
    while (n > 0) {
        const DWORD parte = n > 0x1000000 ? 0x1000000 : DWORD(n);
        DWORD scritti = 0;
        if (!WriteFile(h(file), p, parte, &scritti, nullptr) || scritti == 0) return false;
        p += scritti;
        n -= scritti;
    }
    return true;
}

bool file_chiudi(Handle file) { return file && CloseHandle(h(file)); }

bool file_leggi(const std::string& percorso, std::vector<uint8_t>& dati) {
    HANDLE f = CreateFileW(w32::wide(percorso).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER dim;
    bool ok = GetFileSizeEx(f, &dim) && dim.QuadPart >= 0 &&
              uint64_t(dim.QuadPart) <= uint64_t(SIZE_MAX / 2);
    if (ok) {
        dati.resize(size_t(dim.QuadPart));
        size_t letti = 0;
        while (ok && letti < dati.size()) {
            const size_t resto = dati.size() - letti;
            const DWORD parte = resto > 0x1000000 ? 0x1000000 : DWORD(resto);
            DWORD n = 0;
            ok = ReadFile(f, dati.data() + letti, parte, &n, nullptr) && n > 0;
            letti += n;
        }
    }
    CloseHandle(f);
    return ok;
}

bool file_sostituisci(const std::string& da, const std::string& a) {
    return MoveFileExW(w32::wide(da).c_str(), w32::wide(a).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool file_elimina(const std::string& percorso) { return DeleteFileW(w32::wide(percorso).c_str()) != 0; }

long RegOpenKeyEx(Handle radice, const std::string& sottochiave, uint32_t opzioni, uint32_t accesso,
                  Handle& risultato) {
    HKEY k = nullptr;
    const LONG r = RegOpenKeyExA(chiave(radice), sottochiave.c_str(), opzioni, accesso, &k);
    risultato = r == ERROR_SUCCESS ? reinterpret_cast<Handle>(k) : 0;
    return r;
}

long RegQueryValueEx(Handle k, const std::string& nome, uint32_t* tipo, uint8_t* dati,
                     uint32_t& dimensione) {
    DWORD t = 0, d = dimensione;
    const LONG r = RegQueryValueExA(chiave(k), nome.c_str(), nullptr, &t, dati, &d);
    if (tipo) *tipo = t;
    dimensione = d;
    return r;
}

long RegCloseKey(Handle k) { return ::RegCloseKey(chiave(k)); }

std::string testo_da_ansi(const std::string& byte_ansi) {
    if (byte_ansi.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, byte_ansi.data(), int(byte_ansi.size()), nullptr, 0);
    std::wstring w(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, byte_ansi.data(), int(byte_ansi.size()), &w[0], n);
    return w32::utf8(w);
}

Handle GetDesktopWindow() { return reinterpret_cast<Handle>(::GetDesktopWindow()); }

intptr_t ShellExecute(Handle owner, const std::string& verbo, const std::string& file,
                      const std::string& parametri, const std::string& cartella, int modo) {
    const std::wstring v = w32::wide(verbo), f = w32::wide(file), p = w32::wide(parametri),
                       c = w32::wide(cartella);
    return reinterpret_cast<intptr_t>(ShellExecuteW(reinterpret_cast<HWND>(owner), o_null(v), f.c_str(),
                                                    o_null(p), o_null(c), modo));
}

}  // namespace plat
