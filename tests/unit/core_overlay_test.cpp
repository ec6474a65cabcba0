// Grid, drawn pointer, colour readout, GDI bookkeeping, start-up and utilities.
#include <gtest/gtest.h>

#include "fixture.h"

namespace {

class Overlay : public SuFake {};

TEST_F(Overlay, GrigliaA6xSuUnQuadroDi300Pixel) {
    avvia(6, 300, 255, 0, 500);
    frmZoom.griglia_attiva = true;
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {500, 200};
    frmZoom.aggiorna_zoom();
    const fake::Immagine& pic = fake::picture();
    const uint32_t grigio = 0x808080, chiaro = 0xC0C0C0;
    EXPECT_EQ(pic.at(0, 0), grigio);
    EXPECT_EQ(pic.at(1, 0), chiaro);
    // Vertical lines at 0, 6, ..., 294 (300 lies beyond the picture), horizontal
    // ones at 0, 6, ..., 252; the two greys alternate with x + y.
    for (int y = 1; y < pic.h; ++y)
        for (int x = 1; x < pic.w; ++x) {
            const bool linea = x % 6 == 0 || y % 6 == 0;
            const uint32_t c = pic.at(x, y);
            if (linea) {
                ASSERT_EQ(c, ((x + y) % 2 == 0) ? grigio : chiaro) << x << "," << y;
            } else {
                ASSERT_TRUE(c != grigio || fake::colore_schema(0, 0) == grigio);
            }
        }
}

TEST_F(Overlay, SottoIl6xNessunaGriglia) {
    avvia(4, 300, 255, 0, 500);
    frmZoom.griglia_attiva = true;
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {500, 200};
    const int prima = fake::stato().oggetti_vivi;
    frmZoom.aggiorna_zoom();
    EXPECT_NE(fake::picture().at(0, 0), 0x808080u);
    EXPECT_EQ(fake::stato().oggetti_vivi, prima);
}

TEST_F(Overlay, PennelloGrigliaAScacchiera) {
    avvia();
    const plat::Handle dc = plat::picture_dc();
    const plat::Handle p = frmZoom.crea_pennello_griglia(dc, 0x111111, 0x222222);
    ASSERT_NE(p, 0u);
    EXPECT_EQ(fake::stato().oggetti_vivi, 1) << "only the brush outlives the call";
    plat::SelectObject(dc, p);
    plat::PatBlt(dc, 0, 0, 16, 16, ROP_PATCOPY);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(fake::picture().at(x, y), (x + y) % 2 ? 0x222222u : 0x111111u);
    plat::DeleteObject(p);
    EXPECT_EQ(fake::stato().oggetti_vivi, 0);
}

struct CasoCursore {
    float z;
    int scarto_x, scarto_y;  // already pushed by the capture
    Punto hotspot;
    std::string atteso;  // x,y,w,h
};

TEST_F(Overlay, PuntatoreDisegnatoDoveSiTrova) {
    const CasoCursore casi[] = {
        {4, 0, 0, {0, 0}, "150,128,128,128"},
        {2, -65, -43, {0, 0}, "20,42,64,64"},
        {0.5f, 0, 0, {0, 0}, "150,128,16,16"},
        {2, 0, 0, {6, 3}, "138,122,64,64"},
    };
    for (const auto& c : casi) {
        fake::reset();
        avvia(c.z, 300, 255);
        fake::stato().hotspot_cursore = c.hotspot;
        frmZoom.scarto_x = c.scarto_x;
        frmZoom.scarto_y = c.scarto_y;
        frmZoom.disegna_cursore();
        ASSERT_EQ(fake::stato().disegni_icona.size(), 1u);
        EXPECT_EQ(fake::stato().disegni_icona[0], c.atteso) << "z " << c.z;
        EXPECT_EQ(fake::stato().oggetti_vivi, 0) << "both icon bitmaps deleted";
    }
}

TEST_F(Overlay, PuntatoreVicinoAlBordoSinistroNelPassaggioCompleto) {
    avvia(2, 300, 255, 0, 500);
    frmZoom.menubar.mnuCattura.Checked = true;
    frmZoom.mostra_cursore = true;
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {10, 20};
    frmZoom.aggiorna_zoom();
    ASSERT_EQ(fake::stato().disegni_icona.size(), 1u);
    EXPECT_EQ(fake::stato().disegni_icona[0], "20,42,64,64");
}

TEST_F(Overlay, NessunOggettoGdiPersoIn10000Passaggi) {
    avvia(8, 64, 48, 0, 500);  // small picture: the count, not the pixels, matters here
    frmZoom.griglia_attiva = true;
    frmZoom.colore_attivo = true;
    frmZoom.menubar.mnuCattura.Checked = true;
    frmZoom.mostra_cursore = true;
    frmZoom.cursore_fuori = true;
    auto passa = [](int n) {
        for (int i = 0; i < n; ++i) {
            fake::stato().cursore = {(i * 37) % 1024, (i * 11) % 500};
            frmZoom.aggiorna_zoom();
        }
    };
    passa(10);
    const int dopo10 = fake::stato().oggetti_vivi;
    passa(10000);
    EXPECT_EQ(fake::stato().oggetti_vivi, dopo10);
    EXPECT_EQ(dopo10, 0);
}

TEST_F(Overlay, TestoEColoreDellaLettura) {
    avvia();
    struct {
        Colore v;
        std::string testo;
        Colore campione;
    } casi[] = {
        {0x00FF8000, " RGB(0,128,255)", 0x00FF8000},
        {0, " RGB(0,0,0)", 0},
        {0x00010203, " RGB(3,2,1)", 0x00010203},
        {COLORE_NON_VALIDO, " RGB(255,255,255)", 0x00010203},  // swatch kept
    };
    for (const auto& c : casi) {
        frmZoom.mostra_colore(c.v);
        EXPECT_EQ(el(plat::Elem::lblInfo).testo, c.testo);
        EXPECT_EQ(el(plat::Elem::lblBackColor).colore, c.campione);
    }
}

class Avvio : public SuFake {};

TEST_F(Avvio, SecondaIstanzaTerminaSubitoSenzaFareNulla) {
    fake::stato().altra_istanza = true;
    frmZoom.Form_Load();
    EXPECT_TRUE(fake::stato().terminato);
    EXPECT_FALSE(fake::stato().visibile);
    EXPECT_TRUE(frmZoom.file_ini.empty());
    EXPECT_FALSE(fake::stato().timer_abilitato);
}

TEST_F(Avvio, PercorsoIniAncheNellaRadice) {
    for (auto [cartella, atteso] :
         {std::pair<std::string, std::string>{"C:\\", "C:\\Vitrelo.ini"},
          {"C:\\Programmi\\Vitrelo", "C:\\Programmi\\Vitrelo\\Vitrelo.ini"},
          {"D:\\x\\", "D:\\x\\Vitrelo.ini"}}) {
        fake::reset();
        fake::stato().cartella = cartella;
        frmZoom.Form_Load();
        EXPECT_EQ(frmZoom.file_ini, atteso);
    }
}

TEST_F(Avvio, MetricheEStatoAllaFine) {
    fake::stato().dpi = 120;
    frmZoom.Form_Load();
    EXPECT_EQ(frmZoom.twip_x, 12);
    EXPECT_EQ(frmZoom.larghezza_schermo, 1024);
    EXPECT_EQ(frmZoom.altezza_schermo, 768);
    EXPECT_FALSE(frmZoom.in_caricamento);
    EXPECT_TRUE(finestra_visibile);
    EXPECT_TRUE(fake::stato().primo_piano);
    EXPECT_TRUE(fake::stato().visibile);
    EXPECT_TRUE(fake::stato().abilitata);
    EXPECT_TRUE(fake::stato().timer_abilitato);
    EXPECT_EQ(el(plat::Elem::piclock).cursore, 101);
    EXPECT_EQ(el(plat::Elem::imgClose).cursore, 101);
}

TEST_F(Avvio, MessaggioConPrimoPianoTolto) {
    fake::stato().primo_piano = false;
    frmZoom.mostra_messaggio("Immagine salvata!");
    const auto& ev = fake::stato().eventi;
    ASSERT_EQ(ev.size(), 3u);
    EXPECT_EQ(ev[0], "non_primo_piano");
    EXPECT_EQ(ev[1], "messaggio");
    EXPECT_EQ(ev[2], "primo_piano");
    EXPECT_EQ(fake::stato().messaggi.back(), "Vitrelo|Immagine salvata!");
}

TEST_F(Avvio, UtilitaDiSistema) {
    auto& fs = fake::stato().file_system;
    fs["C:\\a.txt"] = 0x20;
    fs["C:\\cartella"] = 0x10;
    EXPECT_TRUE(esiste_file("C:\\a.txt"));
    EXPECT_FALSE(esiste_file("C:\\cartella"));
    EXPECT_FALSE(esiste_file("C:\\manca.txt"));

    EXPECT_EQ(cartella_temporanea(), "C:\\Temp\\");
    const std::string lunga = "C:\\" + std::string(300, 'x') + "\\";
    fake::stato().temp = lunga;
    EXPECT_EQ(cartella_temporanea(), lunga) << "a path past 260 characters is not cut";
    fake::stato().temp = "";
    EXPECT_EQ(cartella_temporanea(), "");

    fake::stato().versione_maggiore = 4;
    EXPECT_FALSE(versione_nt5());
    fake::stato().versione_maggiore = 5;
    EXPECT_TRUE(versione_nt5());
}

}  // namespace
