// The save command's name rules, the dialog record and the BMP writer.
#include <gtest/gtest.h>

#include "export/bmp.h"
#include "export/opensave.h"
#include "export_fixture.h"

struct CasoNome {
    const char* nome;
    const char* estensione;
    RamoSalvataggio ramo;
};

TEST(EstensioneFile, LastThreeCharactersWhenTheNameHasADot) {
    const CasoNome casi[] = {
        {"foto.jpg", "jpg", RamoSalvataggio::JPG},
        {"FOTO.JPG", "JPG", RamoSalvataggio::JPG},
        {"foto.Jpg", "Jpg", RamoSalvataggio::JPG},
        {"foto.bmp", "bmp", RamoSalvataggio::BMP},
        {"FOTO.BmP", "BmP", RamoSalvataggio::BMP},
        {"foto.jpeg", "peg", RamoSalvataggio::Rifiutato},
        {"foto.xbmp", "bmp", RamoSalvataggio::BMP},
        {"fotobmp", "", RamoSalvataggio::Rifiutato},
        {"", "", RamoSalvataggio::Rifiutato},
        {"C:\\cartella.jpg\\fotobmp", "bmp", RamoSalvataggio::BMP},  // any dot counts
        {"a.b", "a.b", RamoSalvataggio::Rifiutato},                     // shorter than three after
        {".b", ".b", RamoSalvataggio::Rifiutato},
        {"x.pg", ".pg", RamoSalvataggio::Rifiutato},
        {"foto.gif", "gif", RamoSalvataggio::Rifiutato},
        {"foto.jpg ", "pg ", RamoSalvataggio::Rifiutato},
        {"città.bmp", "bmp", RamoSalvataggio::BMP},
        {"f.àèì", "àèì", RamoSalvataggio::Rifiutato},  // characters, not bytes
    };
    for (const auto& c : casi) {
        EXPECT_EQ(estensione_file(c.nome), c.estensione) << c.nome;
        EXPECT_EQ(ramo_salvataggio(c.nome), c.ramo) << c.nome;
    }
}

TEST(Bmp, MatchesTheHandBuiltGoldenFile) {
    plat::Immagine img;
    img.larghezza = 3;
    img.altezza = 2;
    // 0x00BBGGRR: red, green, blue / white, black, RGB(0x12, 0x34, 0x56)
    img.pixel = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000, 0x563412};
    EXPECT_EQ(codifica_bmp(img), leggi_golden("export_3x2.bmp"));
}

TEST(Bmp, RowPaddingAndSizeForEveryWidthModuloFour) {
    for (int w = 1; w <= 5; ++w) {
        plat::Immagine img;
        img.larghezza = w;
        img.altezza = 3;
        img.pixel.assign(size_t(w) * 3, 0);
        img.pixel[0] = 0x0A0B0C;                       // top-left
        img.pixel[size_t(w) * 3 - 1] = 0x010203;       // bottom-right
        const auto b = codifica_bmp(img);
        const size_t riga = size_t((w * 3 + 3) / 4 * 4);
        ASSERT_EQ(b.size(), 54 + riga * 3) << w;
        EXPECT_EQ(b[2] | b[3] << 8, int(b.size())) << w;
        // top-left is the first pixel of the last stored row, stored B G R
        const size_t tl = 54 + riga * 2;
        EXPECT_EQ(b[tl], 0x0A);
        EXPECT_EQ(b[tl + 1], 0x0B);
        EXPECT_EQ(b[tl + 2], 0x0C);
        // bottom-right is the last pixel of the first stored row, then zero padding
        const size_t br = 54 + size_t(w - 1) * 3;
        EXPECT_EQ(b[br], 0x01);
        EXPECT_EQ(b[br + 2], 0x03);
        for (size_t p = size_t(w) * 3; p < riga; ++p) EXPECT_EQ(b[54 + p], 0) << w;
    }
}

TEST(Bmp, RefusesAnEmptyOrInconsistentPicture) {
    plat::Immagine vuota;
    EXPECT_THROW(codifica_bmp(vuota), std::exception);
    plat::Immagine corta;
    corta.larghezza = 2;
    corta.altezza = 2;
    corta.pixel.assign(3, 0);
    EXPECT_THROW(codifica_bmp(corta), std::exception);
}

using OpenSaveTest = SuFakeEsporta;

TEST_F(OpenSaveTest, PrepareOFNDescribesTheSaveDialog) {
    fake::stato().cartella = "C:\\Programmi\\Vitrelo\\";
    OpenSave d;
    d.Filter("Bitmap (24 bit)|*.bmp|Jpg|*.jpg|");
    d.DialogTitle("Titolo");
    d.hOwner(0x1234);
    d.filename("SnapShotVitrelo");
    d.DefaultExt("bmp");
    const plat::DialogoFile o = d.PrepareOFN();
    EXPECT_EQ(o.lStructSize, 76u);
    EXPECT_EQ(o.hwndOwner, 0x1234u);
    EXPECT_EQ(o.hInstance, plat::istanza_modulo());
    EXPECT_EQ(o.lpstrFilter, std::string("Bitmap (24 bit)\0*.bmp\0Jpg\0*.jpg\0\0\0", 34));
    EXPECT_EQ(o.nFilterIndex, 0);
    EXPECT_EQ(o.lpstrFile, "SnapShotVitrelo" + std::string(255 - 15, '\0'));
    EXPECT_EQ(o.nMaxFile, 255u);
    EXPECT_EQ(o.lpstrFileTitle, std::string(255, '\0'));
    EXPECT_EQ(o.nMaxFileTitle, 255u);
    EXPECT_EQ(o.lpstrInitialDir, "C:\\Programmi\\Vitrelo");
    EXPECT_EQ(o.lpstrTitle, "Titolo");
    EXPECT_EQ(o.Flags, 0x1804u);
    EXPECT_EQ(o.lpstrDefExt, "bmp");
}

TEST_F(OpenSaveTest, FilterWithoutTrailingBarEndsInTwoNuls) {
    OpenSave d;
    d.Filter("Bitmap|*.bmp");
    EXPECT_EQ(d.PrepareOFN().lpstrFilter, std::string("Bitmap\0*.bmp\0\0", 14));
}

TEST_F(OpenSaveTest, InitialFolder) {
    struct {
        const char* programma;
        const char* init_dir;
        const char* atteso;
    } casi[] = {
        {"C:\\Programmi\\Vitrelo", "", "C:\\Programmi\\Vitrelo"},
        {"C:\\Programmi\\Vitrelo\\", "", "C:\\Programmi\\Vitrelo"},
        {"C:\\", "", "C:\\"},  // a drive root keeps its backslash
        {"C:\\Programmi\\Vitrelo", "D:\\Immagini", "D:\\Immagini"},
    };
    for (const auto& c : casi) {
        fake::stato().cartella = c.programma;
        OpenSave d;
        d.InitDir(c.init_dir);
        EXPECT_EQ(d.PrepareOFN().lpstrInitialDir, c.atteso) << c.programma;
    }
}

TEST_F(OpenSaveTest, LongNameKeepsRoomForTheTerminatingNul) {
    OpenSave d;
    d.filename(std::string(300, 'a'));
    const auto o = d.PrepareOFN();
    ASSERT_EQ(o.lpstrFile.size(), 255u);
    EXPECT_EQ(o.lpstrFile.back(), '\0');
}

TEST_F(OpenSaveTest, ShowSaveReturnsTheChosenPathOrEmpty) {
    OpenSave d;
    d.filename("SnapShotVitrelo");
    fake::esporta().utente = [](const plat::DialogoFile&) { return std::string("Z:\\tmp\\a.bmp"); };
    EXPECT_GT(d.ShowSave(), 0);
    EXPECT_EQ(d.filename(), "Z:\\tmp\\a.bmp");

    fake::esporta().utente = [](const plat::DialogoFile&) { return std::string(); };
    EXPECT_EQ(d.ShowOpen(), 0);
    EXPECT_EQ(d.filename(), "");
    EXPECT_EQ(fake::esporta().dialoghi.size(), 2u);
}
