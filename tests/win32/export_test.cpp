// Image export against real Win32 (run under Wine): clipboard, BMP and JPEG files,
// GDI+ probe and parameter block, failures that must keep an existing file,
// wide-character paths, and the registry read of the mail client.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "core/frmzoom.h"
#include "export/errore.h"
#include "export/mailverify.h"
#include "export/salvajpg.h"
#include "platform/win32/export_gdiplus.h"
#include "platform/win32/win32.h"

namespace {

constexpr int W = 37, H = 21;  // odd width: BMP rows need padding

// A pattern in the persistent bitmap (0x00RRGGBB) whose every pixel differs.
uint32_t rgb_schema(int x, int y) { return uint32_t((x * 7) << 16 | (y * 11) << 8 | ((x + y) * 3 & 0xFF)); }

void disegna_quadro() {
    ASSERT_TRUE(w32::quadro_dimensiona(W, H));
    auto* p = static_cast<uint32_t*>(w32::picture_bits());
    ASSERT_NE(p, nullptr);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) p[y * W + x] = rgb_schema(x, y);
}

// Pixels of a bitmap as 0x00RRGGBB top-down, through GetDIBits.
std::vector<uint32_t> pixel_di(HBITMAP bmp, int& w, int& h) {
    BITMAP info;
    if (!GetObjectW(bmp, sizeof info, &info)) return {};
    w = info.bmWidth;
    h = info.bmHeight;
    BITMAPINFO bi;
    ZeroMemory(&bi, sizeof bi);
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> px(size_t(w) * size_t(h));
    HDC dc = GetDC(nullptr);
    const int righe = GetDIBits(dc, bmp, 0, UINT(h), px.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (righe != h) return {};
    for (auto& c : px) c &= 0xFFFFFF;
    return px;
}

std::vector<uint32_t> atteso() {
    std::vector<uint32_t> px;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) px.push_back(rgb_schema(x, y));
    return px;
}

std::string cartella_prova() {
    wchar_t t[MAX_PATH];
    GetTempPathW(MAX_PATH, t);
    std::string c = w32::utf8(t) + "vitrelo_export_test\\";
    CreateDirectoryW(w32::wide(c).c_str(), nullptr);
    return c;
}

bool esiste(const std::string& p) {
    return GetFileAttributesW(w32::wide(p).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<uint8_t> leggi(const std::string& p) {
    std::vector<uint8_t> d;
    plat::file_leggi(p, d);
    return d;
}

void scrivi(const std::string& p, const std::string& s) {
    const plat::Handle f = plat::file_apri_scrittura(p);
    ASSERT_NE(f, 0u);
    ASSERT_TRUE(plat::file_scrivi(f, s.data(), s.size()));
    ASSERT_TRUE(plat::file_chiudi(f));
}

// Width and height from a JPEG's start-of-frame marker.
bool dimensioni_jpeg(const std::vector<uint8_t>& j, int& w, int& h) {
    if (j.size() < 4 || j[0] != 0xFF || j[1] != 0xD8) return false;
    size_t i = 2;
    while (i + 9 < j.size()) {
        if (j[i] != 0xFF) return false;
        const uint8_t m = j[i + 1];
        const size_t len = size_t(j[i + 2]) << 8 | j[i + 3];
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
            h = j[i + 5] << 8 | j[i + 6];
            w = j[i + 7] << 8 | j[i + 8];
            return true;
        }
        i += 2 + len;
    }
    return false;
}

class Esporta : public ::testing::Test {
protected:
    void SetUp() override {
        disegna_quadro();
        dir = cartella_prova();
    }
    std::string dir;
};

}  // namespace

TEST_F(Esporta, ClipboardRoundTripKeepsEveryPixel) {
    ASSERT_TRUE(plat::appunti_svuota());
    ASSERT_TRUE(plat::appunti_metti_picture());
    ASSERT_NE(plat::appunti_leggi_bitmap(), 0u);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP bmp = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    int w = 0, h = 0;
    const auto px = bmp ? pixel_di(bmp, w, h) : std::vector<uint32_t>();
    CloseClipboard();
    EXPECT_EQ(w, W);
    EXPECT_EQ(h, H);
    EXPECT_EQ(px, atteso());
}

TEST_F(Esporta, EmptiedClipboardReadsBackZero) {
    ASSERT_TRUE(plat::appunti_svuota());
    EXPECT_EQ(plat::appunti_leggi_bitmap(), 0u);
}

TEST_F(Esporta, ClipboardHeldByAnotherThreadFailsThenRecovers) {
    HANDLE aperto = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE chiudi = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread altro([&] {
        HWND w = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        OpenClipboard(w);
        SetEvent(aperto);
        WaitForSingleObject(chiudi, 5000);
        CloseClipboard();
        DestroyWindow(w);
    });
    WaitForSingleObject(aperto, 5000);
    EXPECT_FALSE(plat::appunti_svuota());
    EXPECT_FALSE(plat::appunti_metti_picture());
    EXPECT_EQ(plat::appunti_leggi_bitmap(), 0u);
    SetEvent(chiudi);
    altro.join();
    CloseHandle(aperto);
    CloseHandle(chiudi);
    EXPECT_TRUE(plat::appunti_metti_picture());
    EXPECT_NE(plat::appunti_leggi_bitmap(), 0u);
}

TEST_F(Esporta, PictureCopyIsInTheLogicsColourOrder) {
    plat::Immagine img;
    ASSERT_TRUE(plat::picture_copia_pixel(img));
    ASSERT_EQ(img.larghezza, W);
    const uint32_t rgb = rgb_schema(5, 3);
    const uint32_t bgr = (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;
    EXPECT_EQ(img.pixel[3 * W + 5], bgr);
}

TEST_F(Esporta, BmpFileDecodesToThePicturesPixels) {
    plat::Immagine img;
    ASSERT_TRUE(plat::picture_copia_pixel(img));
    const std::string p = dir + "quadro.bmp";
    salva_bmp(img, p);
    // The system's own BMP reader is the independent decoder here.
    HBITMAP bmp = static_cast<HBITMAP>(
        LoadImageW(nullptr, w32::wide(p).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    ASSERT_NE(bmp, nullptr);
    int w = 0, h = 0;
    EXPECT_EQ(pixel_di(bmp, w, h), atteso());
    DeleteObject(bmp);
    EXPECT_FALSE(esiste(nome_temporaneo_accanto(p)));
}

TEST_F(Esporta, GdiplusIsPresent) { EXPECT_TRUE(verifica_gdiplus()); }

TEST_F(Esporta, JpegHasThePicturesSizeAndReplacesAnExistingFile) {
    plat::Immagine img;
    ASSERT_TRUE(plat::picture_copia_pixel(img));
    const std::string p = dir + "quadro.jpg";
    scrivi(p, "vecchio contenuto");
    salva_jpg(img, p, 80);
    int w = 0, h = 0;
    ASSERT_TRUE(dimensioni_jpeg(leggi(p), w, h));
    EXPECT_EQ(w, W);
    EXPECT_EQ(h, H);
    EXPECT_FALSE(esiste(nome_temporaneo_accanto(p)));
}

TEST_F(Esporta, SaveIntoAMissingFolderReportsFailure) {
    plat::Immagine img;
    ASSERT_TRUE(plat::picture_copia_pixel(img));
    const std::string manca = dir + "non_esiste\\";
    EXPECT_THROW(salva_bmp(img, manca + "a.bmp"), Errore);
    try {
        salva_jpg(img, manca + "a.jpg", 80);
        ADD_FAILURE() << "no error";
    } catch (const Errore& e) {
        EXPECT_EQ(e.Number, 5);
        EXPECT_EQ(e.Description.rfind("Non posso salvare l'immagine. Errore GDI+:", 0), 0u);
        EXPECT_NE(e.Description.back(), ' ');
    }
    EXPECT_FALSE(esiste(manca + "a.bmp"));
    EXPECT_FALSE(esiste(manca + "a.jpg"));
}

TEST_F(Esporta, FailedSaveLeavesAnExistingFileWhole) {
    plat::Immagine img;
    ASSERT_TRUE(plat::picture_copia_pixel(img));
    for (const char* nome : {"intatto.bmp", "intatto.jpg"}) {
        const std::string p = dir + nome;
        scrivi(p, "contenuto di prima");
        // A folder where the temporary file would go makes the write fail.
        const std::string tmp = nome_temporaneo_accanto(p);
        ASSERT_TRUE(CreateDirectoryW(w32::wide(tmp).c_str(), nullptr) || esiste(tmp));
        if (std::string(nome).find(".bmp") != std::string::npos)
            EXPECT_THROW(salva_bmp(img, p), Errore);
        else
            EXPECT_THROW(salva_jpg(img, p, 80), Errore);
        const auto d = leggi(p);
        EXPECT_EQ(std::string(d.begin(), d.end()), "contenuto di prima") << nome;
        RemoveDirectoryW(w32::wide(tmp).c_str());
    }
}

TEST_F(Esporta, NamesOutsideTheAnsiCodePageAreKept) {
    plat::Immagine img;
    ASSERT_TRUE(plat::picture_copia_pixel(img));
    const std::string cartella = dir + "\xCE\xA6\xE6\x97\xA5 citt\xC3\xA0\\";  // Greek, CJK, Italian
    CreateDirectoryW(w32::wide(cartella).c_str(), nullptr);
    salva_bmp(img, cartella + "\xE5\x86\x99\xE7\x9C\x9F.bmp");
    salva_jpg(img, cartella + "\xE5\x86\x99\xE7\x9C\x9F.jpg", 80);
    EXPECT_TRUE(esiste(cartella + "\xE5\x86\x99\xE7\x9C\x9F.bmp"));
    EXPECT_TRUE(esiste(cartella + "\xE5\x86\x99\xE7\x9C\x9F.jpg"));
    EXPECT_EQ(leggi(cartella + "\xE5\x86\x99\xE7\x9C\x9F.bmp").size(), 54u + ((W * 3 + 3) / 4 * 4) * H);
}

TEST(EsportaGdip, ParameterBlockHoldsOnlyTheQuality) {
    w32::BloccoEncoder b;
    ASSERT_TRUE(b.costruisci(parametri_jpeg(80)));
    const w32::ParametriGdip* p = b.dati();
    ASSERT_EQ(p->Count, 1u);
    const GUID qualita = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
    EXPECT_EQ(std::memcmp(&p->Parameter[0].Guid, &qualita, sizeof(GUID)), 0);
    EXPECT_EQ(p->Parameter[0].NumberOfValues, 1u);
    EXPECT_EQ(p->Parameter[0].Type, 4u);  // EncoderParameterValueTypeLong
    ASSERT_NE(p->Parameter[0].Value, nullptr);
    EXPECT_EQ(*static_cast<const ULONG*>(p->Parameter[0].Value), 80u);
    // GDI+ reads the entries right after Count, aligned for the pointer they hold.
    EXPECT_EQ(reinterpret_cast<const char*>(&p->Parameter[0]) - reinterpret_cast<const char*>(p),
              std::ptrdiff_t(sizeof(void*)));
}

TEST(EsportaGdip, MalformedGuidIsRefused) {
    w32::BloccoEncoder b;
    auto par = parametri_jpeg(80);
    par[0].guid = "{not a guid}";
    EXPECT_FALSE(b.costruisci(par));
}

TEST(EsportaRegistro, MailClientIsReadFromTheMachineHive) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    char prima[256] = {};
    DWORD n_prima = sizeof prima, tipo_prima = 0;
    const bool c_era = RegQueryValueExA(k, "", nullptr, &tipo_prima, reinterpret_cast<BYTE*>(prima),
                                        &n_prima) == ERROR_SUCCESS;
    struct {
        const char* dati;
        DWORD n;
        const char* atteso;
    } casi[] = {{"Windows Mail", 13, "Windows Mail"},
                {"Windows Mail", 12, "Windows Mail"},  // stored without its NUL
                {"Microsoft Outlook\0xyz", 22, "Microsoft Outlook"},
                {"", 0, ""}};
    for (const auto& c : casi) {
        ASSERT_EQ(RegSetValueExA(k, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.dati), c.n), ERROR_SUCCESS);
        EXPECT_EQ(leggi_client_posta(), c.atteso) << c.atteso;
    }
    if (c_era)
        RegSetValueExA(k, "", 0, tipo_prima, reinterpret_cast<BYTE*>(prima), n_prima);
    else
        RegDeleteValueA(k, "");
    RegCloseKey(k);
}
