// The three commands of the "Immagine" submenu against the fake platform.
#include <gtest/gtest.h>

#include "export/errore.h"
#include "export/salvajpg.h"
#include "export_fixture.h"

namespace {

const std::string TEMP = "C:\\Temp\\";
const std::string MAIL_JPG = "C:\\Temp\\SnapShotVitrelo.jpg";

// Reads a 24-bit bottom-up BMP back into 0x00BBGGRR pixels, top row first.
plat::Immagine leggi_bmp(const std::vector<uint8_t>& b) {
    auto u32 = [&](size_t i) { return uint32_t(b[i] | b[i + 1] << 8 | b[i + 2] << 16 | uint32_t(b[i + 3]) << 24); };
    plat::Immagine img;
    EXPECT_GE(b.size(), 54u);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return img;
    img.larghezza = int32_t(u32(18));
    img.altezza = int32_t(u32(22));
    const size_t riga = (size_t(img.larghezza) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < img.altezza; ++y) {
        const size_t r = u32(10) + riga * size_t(img.altezza - 1 - y);
        for (int x = 0; x < img.larghezza; ++x) {
            const size_t p = r + size_t(x) * 3;
            img.pixel.push_back(uint32_t(b[p]) << 16 | uint32_t(b[p + 1]) << 8 | b[p + 2]);
        }
    }
    return img;
}

class ComandiImmagine : public SuFakeEsporta {
protected:
    void SetUp() override {
        SuFakeEsporta::SetUp();
        fake::stato().temp = TEMP;
        fake::stato().cartella = "C:\\Programmi\\Vitrelo";
        disegna(fake::picture(), 5, 3, 0);
    }

    static void disegna(fake::Immagine& p, int w, int h, uint32_t seme) {
        p = fake::Immagine(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) p.set(x, y, (uint32_t(x * 40 + y) << 8 | seme) & 0xFFFFFF);
    }

    static void rispondi(const std::string& nome) {
        fake::esporta().utente = [nome](const plat::DialogoFile&) { return nome; };
    }

    static std::vector<std::string> messaggi() {
        std::vector<std::string> m;
        for (const auto& s : fake::stato().messaggi) m.push_back(s.substr(s.find('|') + 1));
        return m;
    }

    static plat::Immagine quadro() {
        plat::Immagine q;
        plat::picture_copia_pixel(q);
        return q;
    }
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(ComandiImmagine, CopyPutsThePictureOnTheClipboard) {
    frmZoom.mnuC_S_Click(0);
    EXPECT_EQ(messaggi(), V{"Immagine copiata negli appunti."});
    ASSERT_TRUE(fake::esporta().appunti_con_bitmap);
    EXPECT_EQ(fake::esporta().appunti.pixel, quadro().pixel);
}

TEST_F(ComandiImmagine, ClipboardHeldByAnotherProgramGivesTheCommandsMessage) {
    fake::esporta().appunti_occupati = true;
    for (int16_t i = 0; i < 3; ++i) {
        fake::stato().messaggi.clear();
        frmZoom.mnuC_S_Click(i);
        EXPECT_EQ(messaggi(), V{"Impossibile salvare il file."}) << i;
    }
    EXPECT_TRUE(fake::esporta().dialoghi.empty());
}

TEST_F(ComandiImmagine, SaveDialogWithGdiplus) {
    frmZoom.mnuC_S_Click(1);  // the fake user cancels
    ASSERT_EQ(fake::esporta().dialoghi.size(), 1u);
    const auto& d = fake::esporta().dialoghi[0];
    EXPECT_EQ(d.lpstrTitle, "Salva immagine: digita il nome del file e scegli il formato (bmp o jpg)");
    EXPECT_EQ(d.lpstrFilter, std::string("Bitmap (24 bit)\0*.bmp\0Jpg\0*.jpg\0\0\0", 34));
    EXPECT_EQ(d.hwndOwner, plat::finestra_handle());
    EXPECT_EQ(d.lpstrFile.substr(0, 16), std::string("SnapShotVitrelo\0", 16));
    EXPECT_EQ(d.lpstrDefExt, "bmp");
    EXPECT_EQ(d.lpstrInitialDir, "C:\\Programmi\\Vitrelo");
    EXPECT_EQ(d.nFilterIndex, 0);
    EXPECT_TRUE(messaggi().empty());  // cancelled: nothing shown
    EXPECT_TRUE(fake::esporta().appunti_con_bitmap);
}

TEST_F(ComandiImmagine, SaveDialogWithoutGdiplusAndJpgNameFails) {
    fake::esporta().librerie_assenti.insert("gdiplus");
    rispondi("C:\\foto.jpg");
    frmZoom.mnuC_S_Click(1);
    ASSERT_EQ(fake::esporta().dialoghi.size(), 1u);
    EXPECT_EQ(fake::esporta().dialoghi[0].lpstrTitle, "Salva immagine: digita il nome del file.");
    EXPECT_EQ(fake::esporta().dialoghi[0].lpstrFilter, std::string("Bitmap\0*.bmp\0\0", 14));
    EXPECT_EQ(messaggi(), V{"Impossibile salvare il file."});
    EXPECT_FALSE(esiste_file("C:\\foto.jpg"));
    EXPECT_EQ(fake::esporta().librerie_aperte, 0);
}

TEST_F(ComandiImmagine, GdiplusWithoutTheExportCountsAsMissing) {
    fake::esporta().funzioni_assenti.insert("GdipCreateBitmapFromHBITMAP");
    frmZoom.mnuC_S_Click(1);
    EXPECT_EQ(fake::esporta().dialoghi.at(0).lpstrTitle, "Salva immagine: digita il nome del file.");
    EXPECT_EQ(fake::esporta().librerie_aperte, 0);
}

TEST_F(ComandiImmagine, SaveBranchesByExtension) {
    struct {
        const char* nome;
        const char* formato;  // "BMP", "JPG" or "" (refused)
    } casi[] = {{"C:\\d\\foto.bmp", "BMP"}, {"C:\\d\\FOTO.BMP", "BMP"}, {"C:\\d\\foto.xbmp", "BMP"},
                {"C:\\d\\foto.jpg", "JPG"}, {"C:\\d\\FOTO.JPG", "JPG"}, {"C:\\d\\foto.Jpg", "JPG"},
                {"C:\\d\\foto.jpeg", ""},   {"C:\\d\\foto", ""},       {"C:\\d\\foto.png", ""}};
    for (const auto& c : casi) {
        fake::reset_esporta();
        fake::stato().messaggi.clear();
        rispondi(c.nome);
        frmZoom.mnuC_S_Click(1);
        const std::string f = c.formato;
        if (f.empty()) {
            EXPECT_EQ(messaggi(), V{"Formato del file non valido!"}) << c.nome;
            EXPECT_EQ(fake::esporta().contenuti.count(c.nome), 0u) << c.nome;
            EXPECT_TRUE(fake::esporta().chiamate_gdip.empty());
            continue;
        }
        EXPECT_EQ(messaggi(), V{"Immagine salvata!"}) << c.nome;
        const auto& dati = fake::esporta().contenuti[c.nome];
        if (f == "BMP") {
            const plat::Immagine letta = leggi_bmp(dati);
            EXPECT_EQ(letta.larghezza, 5);
            EXPECT_EQ(letta.pixel, quadro().pixel) << c.nome;
        } else {
            EXPECT_EQ(dati, fake::jpeg_finto(quadro())) << c.nome;
            EXPECT_EQ(fake::esporta().ultimo_encoder, "{557CF401-1A04-11D3-9A73-0000F81EF32E}");
        }
        EXPECT_EQ(fake::esporta().contenuti.size(), 1u) << "temporary file left behind";
    }
}

TEST_F(ComandiImmagine, SaveWritesThePictureFrozenAtTheStartEvenIfTheClipboardChanges) {
    const plat::Immagine prima = quadro();
    rispondi("C:\\d\\foto.bmp");
    fake::esporta().durante_dialogo = [] {
        // Another program copies a picture of its own while the dialog is open.
        fake::esporta().appunti.pixel.assign(fake::esporta().appunti.pixel.size(), 0x00FF00FF);
    };
    frmZoom.mnuC_S_Click(1);
    EXPECT_EQ(leggi_bmp(fake::esporta().contenuti["C:\\d\\foto.bmp"]).pixel, prima.pixel);
}

TEST_F(ComandiImmagine, FailedSaveKeepsTheExistingFile) {
    const std::vector<uint8_t> vecchio{'o', 'l', 'd'};
    for (const char* nome : {"C:\\d\\foto.bmp", "C:\\d\\foto.jpg"}) {
        fake::reset_esporta();
        fake::stato().messaggi.clear();
        fake::esporta().contenuti[nome] = vecchio;
        fake::stato().file_system[nome] = 0x20;
        fake::esporta().scrittura_fallisce = true;
        rispondi(nome);
        frmZoom.mnuC_S_Click(1);
        EXPECT_EQ(messaggi(), V{"Impossibile salvare il file."}) << nome;
        EXPECT_EQ(fake::esporta().contenuti[nome], vecchio) << nome;
        EXPECT_EQ(fake::esporta().contenuti.size(), 1u) << nome;
        EXPECT_EQ(fake::esporta().file_aperti, 0);
    }
}

TEST_F(ComandiImmagine, SaveIntoAMissingFolderFails) {
    fake::esporta().cartelle_mancanti.insert("C:\\manca");
    for (const char* nome : {"C:\\manca\\foto.bmp", "C:\\manca\\foto.jpg"}) {
        fake::stato().messaggi.clear();
        rispondi(nome);
        frmZoom.mnuC_S_Click(1);
        EXPECT_EQ(messaggi(), V{"Impossibile salvare il file."}) << nome;
        EXPECT_FALSE(esiste_file(nome));
    }
}

TEST_F(ComandiImmagine, SaveReplacesAnExistingFile) {
    fake::esporta().contenuti["C:\\d\\foto.bmp"] = {'o', 'l', 'd'};
    fake::stato().file_system["C:\\d\\foto.bmp"] = 0x20;
    rispondi("C:\\d\\foto.bmp");
    frmZoom.mnuC_S_Click(1);
    EXPECT_EQ(messaggi(), V{"Immagine salvata!"});
    EXPECT_EQ(leggi_bmp(fake::esporta().contenuti["C:\\d\\foto.bmp"]).pixel, quadro().pixel);
}

struct CasoGdip {
    uint32_t startup, bitmap, salva;
    std::vector<std::string> chiamate;
};

class SalvaJpgFallimenti : public ComandiImmagine, public ::testing::WithParamInterface<CasoGdip> {};

TEST_P(SalvaJpgFallimenti, StatusReachesTheErrorAndNothingIsLeftStarted) {
    const CasoGdip& c = GetParam();
    auto& e = fake::esporta();
    e.stato_startup = c.startup;
    e.stato_bitmap = c.bitmap;
    e.stato_salva = c.salva;
    const uint32_t atteso = c.startup ? c.startup : c.bitmap ? c.bitmap : c.salva;
    try {
        salva_jpg(quadro(), "C:\\d\\x.jpg", 80);
        ADD_FAILURE() << "no error";
    } catch (const Errore& err) {
        EXPECT_EQ(err.Number, 5);
        EXPECT_EQ(err.Description, "Non posso salvare l'immagine. Errore GDI+:" + std::to_string(atteso));
    }
    EXPECT_EQ(e.chiamate_gdip, c.chiamate);
    EXPECT_EQ(e.gdip_avviati, 0);
    EXPECT_EQ(e.gdip_bitmap_vive, 0);
    EXPECT_TRUE(e.contenuti.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Passi, SalvaJpgFallimenti,
    ::testing::Values(
        CasoGdip{18, 0, 0, {"GdiplusStartup"}},
        CasoGdip{0, 2, 0, {"GdiplusStartup", "GdipCreateBitmapFromHBITMAP", "GdiplusShutdown"}},
        CasoGdip{0, 0, 7,
                 {"GdiplusStartup", "GdipCreateBitmapFromHBITMAP", "GdipSaveImageToFile",
                  "GdipDisposeImage", "GdiplusShutdown"}},
        CasoGdip{0, 0, 10,
                 {"GdiplusStartup", "GdipCreateBitmapFromHBITMAP", "GdipSaveImageToFile",
                  "GdipDisposeImage", "GdiplusShutdown"}}));

TEST_F(ComandiImmagine, JpegGetsExactlyOneParameterQuality80) {
    salva_jpg(quadro(), "C:\\d\\x.jpg", 80);
    const auto& p = fake::esporta().ultimi_parametri;
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].guid, "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
    EXPECT_EQ(p[0].NumberOfValues, 1u);
    EXPECT_EQ(p[0].Type, 4u);
    EXPECT_EQ(p[0].valore, 80u);
    EXPECT_EQ(fake::esporta().gdip_avviati, 0);
}

TEST_F(ComandiImmagine, MailWithoutGdiplusEndsSilentlyAfterTheCopy) {
    fake::esporta().librerie_assenti.insert("gdiplus");
    frmZoom.mnuC_S_Click(2);
    EXPECT_TRUE(messaggi().empty());
    EXPECT_TRUE(fake::esporta().appunti_con_bitmap);
    EXPECT_TRUE(fake::esporta().contenuti.empty());
}

TEST_F(ComandiImmagine, MailWritesTheJpegAndHandsItToTheClient) {
    fake::esporta().hklm["software\\clients\\mail"] = {'W', 'i', 'n', 'd', 'o', 'w', 's', ' ', 'M', 'a', 'i', 'l', 0};
    frmZoom.mnuC_S_Click(2);
    EXPECT_TRUE(messaggi().empty());
    EXPECT_EQ(fake::esporta().contenuti[MAIL_JPG], fake::jpeg_finto(quadro()));
    ASSERT_EQ(fake::esporta().shell.size(), 1u);
    EXPECT_EQ(fake::esporta().shell[0].file, "C:\\Temp\\VitreloImage.eml");
}

TEST_F(ComandiImmagine, MailJpegFailureGivesTheCommandsMessage) {
    fake::esporta().stato_salva = 7;
    frmZoom.mnuC_S_Click(2);
    EXPECT_EQ(messaggi(), V{"Impossibile salvare il file."});
    EXPECT_TRUE(fake::esporta().shell.empty());
}

TEST_F(ComandiImmagine, MailWithTheTemporaryFolderGoneOpensNothing) {
    // A temporary folder that vanished (or cannot be written): the picture cannot be
    // written there, the command says so and hands nothing to the mail program.
    fake::esporta().hklm["software\\clients\\mail"] = {'W', 'i', 'n', 'd', 'o', 'w', 's', ' ', 'M', 'a', 'i', 'l', 0};
    fake::esporta().cartelle_mancanti.insert("C:\\Temp");
    frmZoom.mnuC_S_Click(2);
    EXPECT_EQ(messaggi(), V{"Impossibile salvare il file."});
    EXPECT_TRUE(fake::esporta().shell.empty());
    EXPECT_FALSE(esiste_file("C:\\Temp\\VitreloImage.eml"));
    EXPECT_FALSE(esiste_file(MAIL_JPG));
}
