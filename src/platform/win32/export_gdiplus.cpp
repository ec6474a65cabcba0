// Image export, Win32: the system library probe and the GDI+ flat API, looked up
// by name so that the program starts and saves BMP files where GDI+ is missing.
#include "platform/win32/export_gdiplus.h"

#include <cstddef>

namespace {

struct IngressoAvvio {        // GdiplusStartupInput
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};

// GDI+ functions use the stdcall convention (WINGDIPAPI), which matters on 32-bit.
using FnStartup = int(WINAPI*)(ULONG_PTR*, const IngressoAvvio*, void*);
using FnShutdown = void(WINAPI*)(ULONG_PTR);
using FnDaHbitmap = int(WINAPI*)(HBITMAP, HPALETTE, void**);
using FnSalva = int(WINAPI*)(void*, const WCHAR*, const CLSID*, const void*);
using FnElimina = int(WINAPI*)(void*);

struct Gdip {
    HMODULE lib = nullptr;
    FnStartup startup = nullptr;
    FnShutdown shutdown = nullptr;
    FnDaHbitmap da_hbitmap = nullptr;
    FnSalva salva = nullptr;
    FnElimina elimina = nullptr;
};

template <class F>
F cerca(HMODULE lib, const char* nome) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(lib, nome)));
}

// Bound at first use and kept for the life of the process, as a declared DLL
// function is; nullptr when the library or one of its functions is missing.
const Gdip* gdip() {
    static Gdip g;
    static bool provato = false;
    if (!provato) {
        provato = true;
        g.lib = LoadLibraryA("GDIPlus");
        if (g.lib) {
            g.startup = cerca<FnStartup>(g.lib, "GdiplusStartup");
            g.shutdown = cerca<FnShutdown>(g.lib, "GdiplusShutdown");
            g.da_hbitmap = cerca<FnDaHbitmap>(g.lib, "GdipCreateBitmapFromHBITMAP");
            g.salva = cerca<FnSalva>(g.lib, "GdipSaveImageToFile");
            g.elimina = cerca<FnElimina>(g.lib, "GdipDisposeImage");
        }
    }
    const bool completa = g.startup && g.shutdown && g.da_hbitmap && g.salva && g.elimina;
    return completa ? &g : nullptr;
}

// A GDI+ bitmap together with the GDI bitmap it was made from, freed together.
struct BitmapGdip {
    void* immagine = nullptr;
    HBITMAP origine = nullptr;
};

HBITMAP crea_dib(const plat::Immagine& img) {
    if (img.larghezza <= 0 || img.altezza <= 0 ||
        img.pixel.size() != size_t(img.larghezza) * size_t(img.altezza))
        return nullptr;
    BITMAPINFO bi;
    ZeroMemory(&bi, sizeof bi);
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = img.larghezza;
    bi.bmiHeader.biHeight = -img.altezza;  // top-down, as the logic's rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) return nullptr;
    const size_t riga = (size_t(img.larghezza) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < img.altezza; ++y) {
        unsigned char* p = static_cast<unsigned char*>(bits) + riga * size_t(y);
        for (int x = 0; x < img.larghezza; ++x) {
            const uint32_t c = img.pixel[size_t(y) * size_t(img.larghezza) + size_t(x)];
            *p++ = static_cast<unsigned char>(c >> 16);  // blue
            *p++ = static_cast<unsigned char>(c >> 8);
            *p++ = static_cast<unsigned char>(c);
        }
    }
    return bmp;
}

constexpr uint32_t GDIP_INVALID_PARAMETER = 2;
constexpr uint32_t GDIP_OUT_OF_MEMORY = 3;

}  // namespace

namespace w32 {

bool BloccoEncoder::costruisci(const std::vector<plat::ParametroEncoder>& parametri) {
    const size_t n = parametri.size();
    const size_t byte = offsetof(ParametriGdip, Parameter) + sizeof(ParametroGdip) * (n ? n : 1);
    memoria_.reset(new unsigned char[byte]());
    valori_.assign(n, 0);
    auto* blocco = reinterpret_cast<ParametriGdip*>(memoria_.get());
    blocco->Count = UINT(n);
    ParametroGdip* voce = blocco->Parameter;
    for (size_t i = 0; i < n; ++i, ++voce) {
        const std::wstring testo = w32::wide(parametri[i].guid);
        if (FAILED(CLSIDFromString(const_cast<LPOLESTR>(testo.c_str()), &voce->Guid))) return false;
        voce->NumberOfValues = parametri[i].NumberOfValues;
        voce->Type = parametri[i].Type;
        valori_[i] = parametri[i].valore;
        voce->Value = &valori_[i];
    }
    return true;
}

}  // namespace w32

namespace plat {

Handle LoadLibrary(const std::string& nome) { return reinterpret_cast<Handle>(LoadLibraryA(nome.c_str())); }

bool GetProcAddress(Handle libreria, const std::string& funzione) {
    return libreria && ::GetProcAddress(reinterpret_cast<HMODULE>(libreria), funzione.c_str());
}

void FreeLibrary(Handle libreria) {
    if (libreria) ::FreeLibrary(reinterpret_cast<HMODULE>(libreria));
}

uint32_t GdiplusStartup(Handle& token) {
    const Gdip* g = gdip();
    if (!g) return GDIP_ASSENTE;
    IngressoAvvio in{1, nullptr, FALSE, FALSE};
    ULONG_PTR t = 0;
    const int stato = g->startup(&t, &in, nullptr);
    token = Handle(t);
    return uint32_t(stato);
}

uint32_t GdipCreateBitmapFromImmagine(const Immagine& img, Handle& bitmap) {
    const Gdip* g = gdip();
    if (!g) return GDIP_ASSENTE;
    HBITMAP origine = crea_dib(img);
    if (!origine) return img.pixel.empty() ? GDIP_INVALID_PARAMETER : GDIP_OUT_OF_MEMORY;
    void* immagine = nullptr;
    const int stato = g->da_hbitmap(origine, nullptr, &immagine);
    if (stato != 0) {
        DeleteObject(origine);
        return uint32_t(stato);
    }
    bitmap = reinterpret_cast<Handle>(new BitmapGdip{immagine, origine});
    return 0;
}

uint32_t GdipSaveImageToFile(Handle bitmap, const std::string& percorso, const std::string& encoder,
                             const std::vector<ParametroEncoder>& parametri) {
    const Gdip* g = gdip();
    if (!g) return GDIP_ASSENTE;
    if (!bitmap) return GDIP_INVALID_PARAMETER;
    CLSID clsid;
    const std::wstring testo = w32::wide(encoder);
    if (FAILED(CLSIDFromString(const_cast<LPOLESTR>(testo.c_str()), &clsid))) return GDIP_INVALID_PARAMETER;
    w32::BloccoEncoder blocco;
    if (!blocco.costruisci(parametri)) return GDIP_INVALID_PARAMETER;
    const auto* b = reinterpret_cast<BitmapGdip*>(bitmap);
    return uint32_t(g->salva(b->immagine, w32::wide(percorso).c_str(), &clsid, blocco.dati()));
}

uint32_t GdipDisposeImage(Handle bitmap) {
    const Gdip* g = gdip();
    if (!g || !bitmap) return GDIP_INVALID_PARAMETER;
    auto* b = reinterpret_cast<BitmapGdip*>(bitmap);
    const int stato = g->elimina(b->immagine);
    DeleteObject(b->origine);
    delete b;
    return uint32_t(stato);
}

void GdiplusShutdown(Handle token) {
    if (const Gdip* g = gdip()) g->shutdown(ULONG_PTR(token));
}

}  // namespace plat
