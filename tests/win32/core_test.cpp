// The render pass against real GDI: grid brush pixels, grid columns, the live
// GDI object count over many passes, and the system utilities.
#include <gtest/gtest.h>

#include "core/frmzoom.h"
#include "platform/win32/win32.h"

namespace {

// Live GDI objects of this process. GetGuiResources is a stub under Wine (always
// 0), so the test probes every handle index with GetObjectType instead: Wine
// accepts a handle whose high word is zero by its index alone. Test-only: it
// relies on Wine's handle layout and means nothing on Windows.
int oggetti_gdi_vivi() {
    int n = 0;
    for (uintptr_t i = 1; i < 0x10000; ++i)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0) ++n;
    return n;
}

bool sotto_wine() {
    HMODULE nt = GetModuleHandleW(L"ntdll.dll");
    return nt && GetProcAddress(nt, "wine_get_version") != nullptr;
}

class Quadro : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static bool creata = false;
        if (!creata) {
            creata = true;
            ASSERT_TRUE(w32::crea_finestre());
        }
    }
    void SetUp() override {
        frmZoom.twip_x = frmZoom.twip_y = 15;
        frmZoom.larghezza_schermo = GetSystemMetrics(SM_CXSCREEN);
        frmZoom.altezza_schermo = GetSystemMetrics(SM_CYSCREEN);
        frmZoom.in_caricamento = false;
        frmZoom.immagine_bloccata = false;
        frmZoom.cursore_fuori = true;
        frmZoom.picZoomed.Move(0, 0, 300, 255);
    }
};

TEST_F(Quadro, PennelloDellaGrigliaGrigioMedioEChiaro) {
    HDC dc = w32::picture_hdc();
    ASSERT_NE(dc, nullptr);
    const plat::Handle p =
        frmZoom.crea_pennello_griglia(reinterpret_cast<plat::Handle>(dc), 0x00808080, 0x00C0C0C0);
    ASSERT_NE(p, 0u);
    HGDIOBJ vecchio = SelectObject(dc, reinterpret_cast<HBRUSH>(p));
    PatBlt(dc, 0, 0, 16, 16, PATCOPY);
    SelectObject(dc, vecchio);
    DeleteObject(reinterpret_cast<HBRUSH>(p));
    EXPECT_EQ(GetPixel(dc, 0, 0), 0x00808080u);
    EXPECT_EQ(GetPixel(dc, 1, 0), 0x00C0C0C0u);
    EXPECT_EQ(GetPixel(dc, 0, 1), 0x00C0C0C0u);
    EXPECT_EQ(GetPixel(dc, 9, 7), 0x00808080u);  // the 8 x 8 pattern repeats
}

TEST_F(Quadro, ColonneDellaGrigliaA6x) {
    frmZoom.fattore_zoom = 6;
    frmZoom.griglia_attiva = true;
    frmZoom.aggiorna_zoom();
    frmZoom.griglia_attiva = false;
    HDC dc = w32::picture_hdc();
    // Row 3 has no horizontal line: only the vertical lines are grey there.
    int linee = 0;
    for (int x = 0; x < 300; ++x) {
        const COLORREF c = GetPixel(dc, x, 3);
        const bool grigio = c == 0x00808080 || c == 0x00C0C0C0;
        if (x % 6 == 0) {
            EXPECT_EQ(c, (x + 3) % 2 ? 0x00C0C0C0u : 0x00808080u) << "column " << x;
            ++linee;
        } else if (grigio) {
            // A screen pixel may be grey by chance; it must then fill its 6x6 block.
            EXPECT_EQ(GetPixel(dc, x, 4), c) << "column " << x;
        }
    }
    EXPECT_EQ(linee, 50);
}

TEST_F(Quadro, NessunOggettoGdiPersoIn10000Passaggi) {
    if (!sotto_wine()) GTEST_SKIP() << "the handle probe works under Wine only";
    frmZoom.fattore_zoom = 8;
    frmZoom.griglia_attiva = true;
    frmZoom.colore_attivo = true;
    frmZoom.menubar.mnuCattura.Checked = true;
    frmZoom.mostra_cursore = true;
    for (int i = 0; i < 10; ++i) frmZoom.aggiorna_zoom();
    const int dopo10 = oggetti_gdi_vivi();
    for (int i = 0; i < 10000; ++i) frmZoom.aggiorna_zoom();
    const int dopo10010 = oggetti_gdi_vivi();
    frmZoom.griglia_attiva = frmZoom.colore_attivo = false;
    frmZoom.menubar.mnuCattura.Checked = false;
    EXPECT_GT(dopo10, 0) << "the probe must see at least the stock objects";
    EXPECT_EQ(dopo10010, dopo10);
}

TEST(Utilita, EsisteFileSoloPerIFile) {
    wchar_t cartella[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, cartella), 0u);
    const std::wstring f = std::wstring(cartella) + L"vitrelo_esiste.txt";
    HANDLE h = CreateFileW(f.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_TRUE(esiste_file(w32::utf8(f)));
    EXPECT_FALSE(esiste_file(w32::utf8(cartella)));
    EXPECT_FALSE(esiste_file(w32::utf8(f) + ".manca"));
    EXPECT_FALSE(esiste_file(""));
    DeleteFileW(f.c_str());
}

TEST(Utilita, CartellaTemporaneaConBarraFinale) {
    const std::string t = cartella_temporanea();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back(), '\\');
    EXPECT_TRUE(GetFileAttributesW(w32::wide(t).c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(Utilita, PercorsoProgrammaEVersione) {
    const std::string p = percorso_app();
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.back(), '\\');
    EXPECT_EQ(p.find("\\\\"), std::string::npos);
    EXPECT_TRUE(versione_nt5());
}

TEST(Utilita, SuoniPresentiNelleRisorse) {
    for (int n : {301, 302, 303})
        EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(n), L"SOUND"), nullptr) << n;
    // Playing must return quickly and never fail the program, device or not.
    suona(302);
    suona(301);
    EXPECT_FALSE(plat::suona_risorsa(399));
}

}  // namespace
