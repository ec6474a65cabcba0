// Image export, Win32: the Open and Save As dialogs, through the wide API so that
// any file name the user types comes back intact.
#include "platform/win32/win32.h"

namespace {

// The record's original 76-byte form is OPENFILENAME_SIZE_VERSION_400 on 32-bit
// Windows; on 64-bit the same form is larger, so the platform's own size is used.
DWORD dimensione_record(uint32_t logica) {
    return logica == 76 ? OPENFILENAME_SIZE_VERSION_400W : DWORD(logica);
}

// A buffer of exactly n characters holding the text up to its first NUL.
std::wstring buffer(const std::string& contenuto, uint32_t n) {
    std::wstring w = w32::wide(contenuto.substr(0, contenuto.find('\0')));
    if (n == 0) return w;
    if (w.size() >= n) w.resize(n - 1);
    w.resize(n, L'\0');
    return w;
}

const wchar_t* o_null(const std::wstring& s) { return s.empty() ? nullptr : s.c_str(); }

int32_t mostra(plat::DialogoFile& d, BOOL(WINAPI* chiamata)(LPOPENFILENAMEW)) {
    const std::wstring filtro = w32::wide(d.lpstrFilter);  // keeps its NULs
    const std::wstring cartella = w32::wide(d.lpstrInitialDir);
    const std::wstring titolo = w32::wide(d.lpstrTitle);
    const std::wstring estensione = w32::wide(d.lpstrDefExt);
    std::wstring file = buffer(d.lpstrFile, d.nMaxFile);
    std::wstring titolo_file = buffer(d.lpstrFileTitle, d.nMaxFileTitle);

    OPENFILENAMEW o;
    ZeroMemory(&o, sizeof o);
    o.lStructSize = dimensione_record(d.lStructSize);
    o.hwndOwner = reinterpret_cast<HWND>(d.hwndOwner);
    o.hInstance = reinterpret_cast<HINSTANCE>(d.hInstance);
    o.lpstrFilter = o_null(filtro);
    o.nFilterIndex = DWORD(d.nFilterIndex);
    o.lpstrFile = d.nMaxFile ? &file[0] : nullptr;
    o.nMaxFile = d.nMaxFile;
    o.lpstrFileTitle = d.nMaxFileTitle ? &titolo_file[0] : nullptr;
    o.nMaxFileTitle = d.nMaxFileTitle;
    o.lpstrInitialDir = o_null(cartella);
    o.lpstrTitle = o_null(titolo);
    o.Flags = d.Flags;
    o.lpstrDefExt = o_null(estensione);

    const int32_t r = chiamata(&o) ? 1 : 0;
    d.lpstrFile = w32::utf8(file);
    d.lpstrFileTitle = w32::utf8(titolo_file);
    d.nFilterIndex = int32_t(o.nFilterIndex);
    return r;
}

}  // namespace

namespace plat {

int32_t GetSaveFileName(DialogoFile& ofn) { return mostra(ofn, &GetSaveFileNameW); }
int32_t GetOpenFileName(DialogoFile& ofn) { return mostra(ofn, &GetOpenFileNameW); }

Handle istanza_modulo() {
    HINSTANCE i = w32::istanza();
    return reinterpret_cast<Handle>(i ? i : GetModuleHandleW(nullptr));
}

}  // namespace plat
