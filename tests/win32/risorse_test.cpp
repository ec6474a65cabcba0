// The resources as the program loads them from its own image: windres must have kept the
// cursor hotspots, the icon sizes, the WAV data, the logo, the manifest and the version record
// (its Italian texts in the right encoding).
#include <windows.h>
#include <mmsystem.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

HINSTANCE io() { return GetModuleHandleA(nullptr); }

struct Hotspot {
    int id;
    DWORD x, y;
};

TEST(Risorse, CursoriConIlLoroHotspot) {
    const Hotspot casi[] = {{101, 6, 0}, {102, 14, 0}, {103, 5, 16}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.id);
        HCURSOR cur = LoadCursorA(io(), MAKEINTRESOURCEA(c.id));
        ASSERT_NE(cur, nullptr);
        ICONINFO ii{};
        ASSERT_TRUE(GetIconInfo(cur, &ii));
        EXPECT_FALSE(ii.fIcon);
        EXPECT_EQ(ii.xHotspot, c.x);
        EXPECT_EQ(ii.yHotspot, c.y);
        if (ii.hbmMask) DeleteObject(ii.hbmMask);
        if (ii.hbmColor) DeleteObject(ii.hbmColor);
    }
}

TEST(Risorse, IconeNelleMisureDisegnate) {
    struct Caso {
        int id, lato;
    };
    const Caso casi[] = {{1, 16}, {1, 32}, {1, 48}, {201, 32}, {202, 32}, {203, 32},
                         {1001, 16}, {1002, 16}, {1003, 16}, {1004, 16}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.id);
        // The directory entry of exactly this size must exist: LookupIconIdFromDirectoryEx
        // picks the best match, and its resource has the requested size.
        HRSRC dir = FindResourceA(io(), MAKEINTRESOURCEA(c.id), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
        ASSERT_NE(dir, nullptr);
        auto* dati = static_cast<PBYTE>(LockResource(LoadResource(io(), dir)));
        const int id = LookupIconIdFromDirectoryEx(dati, TRUE, c.lato, c.lato, LR_DEFAULTCOLOR);
        HRSRC img = FindResourceA(io(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_NE(img, nullptr);
        const auto* bih = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(io(), img)));
        EXPECT_EQ(bih->biWidth, c.lato);
        EXPECT_EQ(bih->biHeight, 2 * c.lato);
    }
}

TEST(Risorse, SuoniWavPcmMono8Bit) {
    struct Caso {
        int id;
        DWORD frequenza, campioni;
    };
    const Caso casi[] = {{301, 11025, 1185}, {302, 22050, 1524}, {303, 11025, 409}};
    for (const auto& c : casi) {
        SCOPED_TRACE(c.id);
        HRSRC r = FindResourceA(io(), MAKEINTRESOURCEA(c.id), "SOUND");
        ASSERT_NE(r, nullptr);
        const auto* p = static_cast<const BYTE*>(LockResource(LoadResource(io(), r)));
        const DWORD dimensione = SizeofResource(io(), r);
        ASSERT_GE(dimensione, 44u);
        ASSERT_EQ(std::memcmp(p, "RIFF", 4), 0);
        ASSERT_EQ(std::memcmp(p + 8, "WAVEfmt ", 8), 0);
        WAVEFORMATEX f{};
        std::memcpy(&f, p + 20, 16);
        EXPECT_EQ(f.wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(f.nChannels, 1);
        EXPECT_EQ(f.nSamplesPerSec, c.frequenza);
        EXPECT_EQ(f.wBitsPerSample, 8);
        ASSERT_EQ(std::memcmp(p + 36, "data", 4), 0);
        DWORD dati = 0;
        std::memcpy(&dati, p + 40, 4);
        EXPECT_EQ(dati, c.campioni);
        EXPECT_LE(44 + dati, dimensione);
    }
}

TEST(Risorse, Logo144x95) {
    HBITMAP b = static_cast<HBITMAP>(
        LoadImageA(io(), MAKEINTRESOURCEA(2001), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(b, nullptr);
    BITMAP bm{};
    ASSERT_TRUE(GetObjectA(b, sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 144);
    EXPECT_EQ(bm.bmHeight, 95);
    DeleteObject(b);
}

TEST(Risorse, ManifestoControlliComuniEDpi) {
    HRSRC r = FindResourceA(io(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(r, nullptr);
    const std::string testo(static_cast<const char*>(LockResource(LoadResource(io(), r))),
                            SizeofResource(io(), r));
    EXPECT_NE(testo.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(testo.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(testo.find(">true</dpiAware>"), std::string::npos);
}

std::wstring valore_versione(const std::vector<BYTE>& blocco, const wchar_t* nome) {
    std::wstring percorso = L"\\StringFileInfo\\041004E4\\";
    percorso += nome;
    void* p = nullptr;
    UINT n = 0;
    if (!VerQueryValueW(blocco.data(), percorso.c_str(), &p, &n) || !p) return L"<missing>";
    return std::wstring(static_cast<const wchar_t*>(p));
}

TEST(Risorse, RecordDiVersioneItaliano) {
    wchar_t exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    DWORD h = 0;
    const DWORD n = GetFileVersionInfoSizeW(exe, &h);
    ASSERT_GT(n, 0u);
    std::vector<BYTE> blocco(n);
    ASSERT_TRUE(GetFileVersionInfoW(exe, 0, n, blocco.data()));

    VS_FIXEDFILEINFO* fisso = nullptr;
    UINT lunghezza = 0;
    ASSERT_TRUE(VerQueryValueW(blocco.data(), L"\\", reinterpret_cast<void**>(&fisso), &lunghezza));
    EXPECT_EQ(fisso->dwFileVersionMS, 0x00030000u);
    EXPECT_EQ(fisso->dwFileVersionLS, 0u);
    EXPECT_EQ(fisso->dwProductVersionMS, 0x00030000u);

    DWORD* lingua = nullptr;
    ASSERT_TRUE(VerQueryValueW(blocco.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&lingua), &lunghezza));
    EXPECT_EQ(*lingua, 0x04E40410u);  // Italian, code page 1252

    EXPECT_EQ(valore_versione(blocco, L"FileVersion"), L"3.00");
    EXPECT_EQ(valore_versione(blocco, L"ProductVersion"), L"3.00");
    EXPECT_EQ(valore_versione(blocco, L"ProductName"), L"Vitrelo");
    EXPECT_EQ(valore_versione(blocco, L"InternalName"), L"Vitrelo");
    EXPECT_EQ(valore_versione(blocco, L"FileDescription"), L"Vitrelo");
    EXPECT_EQ(valore_versione(blocco, L"Comments"),
              L"Utilit\u00e0 che facilita la lettura delle informazioni sullo schermo, ne consente "
              L"la cattura e il salvataggio in forma grafica e offre altre opzioni varie.");
    EXPECT_EQ(valore_versione(blocco, L"LegalCopyright").substr(0, 2), L"\u00a9 ");
}

}  // namespace
