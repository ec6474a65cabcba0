// The capture arithmetic, the render pass against the simulated screen, and the
// tick's freeze states.
#include <gtest/gtest.h>

#include "core/cattura.h"
#include "fixture.h"

namespace {

struct CasoCattura {
    float z;
    int W, H, cx, cy;
    Cattura atteso;
};

// Screen 1024 x 768: the worked examples, the fit with a width z does not divide,
// and both corners.
const CasoCattura casi_cattura[] = {
    {2, 300, 255, 500, 400, {425, 337, 150, 128, 300, 256, 0, 0}},
    {0.5f, 300, 255, 500, 400, {200, 145, 600, 510, 300, 255, 0, 0}},
    {2, 300, 255, 10, 20, {0, 0, 150, 128, 300, 256, -65, -43}},
    {2, 300, 255, 1020, 760, {874, 640, 150, 128, 300, 256, 71, 57}},
    {3, 301, 255, 500, 400, {450, 358, 101, 85, 303, 255, 0, 0}},
    {3, 301, 255, 0, 0, {0, 0, 101, 85, 303, 255, -50, -42}},
    {3, 301, 255, 1023, 767, {923, 683, 101, 85, 303, 255, 50, 42}},
    {12, 256, 192, 500, 400, {490, 392, 22, 16, 264, 192, 0, 0}},
};

TEST(Cattura, RettangoloDestinazioneEScarto) {
    for (const auto& c : casi_cattura) {
        SCOPED_TRACE(testing::Message() << "z=" << c.z << " W=" << c.W << " cursor " << c.cx
                                        << "," << c.cy);
        const Cattura k = calcola_cattura(c.W, c.H, c.z, c.cx, c.cy, 1024, 768);
        EXPECT_EQ(k.srcX, c.atteso.srcX);
        EXPECT_EQ(k.srcY, c.atteso.srcY);
        EXPECT_EQ(k.srcW, c.atteso.srcW);
        EXPECT_EQ(k.srcH, c.atteso.srcH);
        EXPECT_EQ(k.W, c.atteso.W);
        EXPECT_EQ(k.H, c.atteso.H);
        EXPECT_EQ(k.scarto_x, c.atteso.scarto_x);
        EXPECT_EQ(k.scarto_y, c.atteso.scarto_y);
    }
}

TEST(Cattura, RettangoloSempreSulloSchermoSeEntra) {
    for (float z : {0.5f, 1.f, 2.f, 3.f, 4.f, 6.f, 8.f, 10.f, 12.f})
        for (int cx : {-40, 0, 1, 511, 1022, 1023, 1100})
            for (int cy : {-5, 0, 383, 767, 800}) {
                const Cattura k = calcola_cattura(256, 192, z, cx, cy, 1024, 768);
                EXPECT_GE(k.srcX, 0);
                EXPECT_GE(k.srcY, 0);
                EXPECT_LE(k.srcX + k.srcW, 1024);
                EXPECT_LE(k.srcY + k.srcH, 768);
                EXPECT_GE(k.W, 256) << "the destination never falls short of the picture";
            }
}

TEST(Cattura, DistanzaMisurataSulloZoom) {
    EXPECT_EQ(distanza_su_zoom(24, 4), 6);
    EXPECT_EQ(distanza_su_zoom(-24, 4), 6);
    EXPECT_EQ(distanza_su_zoom(23, 4), 5);  // 5.75 + 0.1 floors to 5
    EXPECT_EQ(distanza_su_zoom(29, 3), 9);  // 9.67
    EXPECT_EQ(distanza_su_zoom(7, 0.5f), 14);
}

class Render : public SuFake {};

// The picture must be the nearest-neighbour enlargement of the capture rectangle.
void verifica_ingrandimento(int cx, int cy, float z, bool inverti) {
    const fake::Immagine& pic = fake::picture();
    const Cattura k = calcola_cattura(pic.w, pic.h, z, cx, cy, 1024, 768);
    int diversi = 0;
    for (int y = 0; y < pic.h; ++y)
        for (int x = 0; x < pic.w; ++x) {
            const int sx = k.srcX + static_cast<int>(x / z);
            const int sy = k.srcY + static_cast<int>(y / z);
            uint32_t atteso = fake::colore_schema(sx, sy);
            if (inverti) atteso = ~atteso & 0x00FFFFFF;
            if (pic.at(x, y) != atteso) ++diversi;
        }
    EXPECT_EQ(diversi, 0) << "pointer " << cx << "," << cy << " z " << z;
}

TEST_F(Render, IngrandisceLoSchermoAttornoAlPuntatore) {
    avvia(2, 300, 255, 0, 500);
    frmZoom.cursore_fuori = true;
    for (Punto p : {Punto{500, 400}, Punto{10, 20}, Punto{1023, 0}, Punto{1020, 760}}) {
        fake::stato().cursore = p;
        frmZoom.aggiorna_zoom();
        verifica_ingrandimento(p.x, p.y, 2, false);
        EXPECT_EQ(frmZoom.punto_cursore, p);
    }
}

TEST_F(Render, InversioneDaIlComplemento) {
    avvia(3, 301, 200, 0, 500);
    frmZoom.menubar.mnuInverti.Checked = true;
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {600, 300};
    frmZoom.aggiorna_zoom();
    verifica_ingrandimento(600, 300, 3, true);
    // Twice in a row gives the same picture: the pass starts from white every time.
    frmZoom.aggiorna_zoom();
    verifica_ingrandimento(600, 300, 3, true);
}

TEST_F(Render, PuntatoreSullaFinestraSvuotaIlQuadro) {
    avvia(2, 300, 255, 100, 100);
    frmZoom.colore_attivo = true;
    frmZoom.lblBackColor.setVisible(true);
    frmZoom.lblInfo.setCaption(" RGB(1,2,3)");
    fake::stato().cursore = {150, 150};
    frmZoom.punto_cursore = {150, 150};
    frmZoom.tmrTimer_Timer();
    for (uint32_t c : fake::picture().px) ASSERT_EQ(c, uint32_t(BIANCO));
    EXPECT_FALSE(el(plat::Elem::lblBackColor).visibile);
    EXPECT_EQ(el(plat::Elem::lblInfo).testo, "");
    EXPECT_EQ(fake::stato().stretch_chiamate, 0);
}

TEST_F(Render, DuranteIlCaricamentoNonDisegna) {
    avvia();
    frmZoom.in_caricamento = true;
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {500, 400};
    frmZoom.aggiorna_zoom();
    EXPECT_EQ(fake::stato().stretch_chiamate, 0);
    for (uint32_t c : fake::picture().px) ASSERT_EQ(c, uint32_t(BIANCO));
}

TEST_F(Render, FattoreZeroNonCatturaENonFallisce) {
    avvia(0);
    frmZoom.cursore_fuori = true;
    frmZoom.misura_attiva = true;
    fake::stato().cursore = {500, 400};
    frmZoom.aggiorna_zoom();
    EXPECT_EQ(fake::stato().stretch_chiamate, 0);
}

TEST_F(Render, ColoreDelPixelRealeSottoIlPuntatore) {
    avvia(2, 300, 255, 0, 500);
    frmZoom.colore_attivo = true;
    frmZoom.menubar.mnuInverti.Checked = true;  // the readout ignores inversion
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {321, 123};
    frmZoom.aggiorna_zoom();
    const uint32_t c = fake::colore_schema(321, 123);
    EXPECT_EQ(uint32_t(frmZoom.colore_corrente), c);
    EXPECT_TRUE(el(plat::Elem::lblBackColor).visibile);
    EXPECT_EQ(el(plat::Elem::lblBackColor).colore, Colore(c));
}

TEST_F(Render, FinestraBordiPrimaRigaFuoriUltimaDentro) {
    avvia(2, 300, 255, 100, 50);
    struct {
        Punto p;
        bool dentro;
    } casi[] = {{{100, 100}, false}, {{101, 100}, true},  {{400, 100}, true},  {{401, 100}, false},
                {{200, 50}, false},  {{200, 51}, true},   {{200, 305}, true},  {{200, 306}, false},
                {{400, 305}, true},  {{101, 51}, true},   {{-5, -5}, false}};
    for (const auto& c : casi)
        EXPECT_EQ(frmZoom.punto_nella_finestra(c.p), c.dentro) << c.p.x << "," << c.p.y;
}

TEST_F(Render, MisuraSulQuadroBloccatoRiportaPixelDelloSchermo) {
    avvia(4, 300, 255, 0, 0);
    frmZoom.misura_attiva = true;
    frmZoom.immagine_bloccata = true;
    frmZoom.punto_riferimento = {100, 60};
    fake::stato().cursore = {124, 60};
    frmZoom.aggiorna_zoom();
    EXPECT_EQ(el(plat::Elem::lblInfo).testo, " X 6   Y 0");
    // Outside the window the plain screen distances.
    fake::stato().cursore = {412, 7};
    frmZoom.aggiorna_zoom();
    EXPECT_EQ(el(plat::Elem::lblInfo).testo, " X 312   Y 53");
    // Over the live magnifier, no readout.
    frmZoom.immagine_bloccata = false;
    frmZoom.cursore_fuori = true;
    fake::stato().cursore = {124, 60};
    frmZoom.aggiorna_zoom();
    EXPECT_EQ(el(plat::Elem::lblInfo).testo, "");
}

TEST_F(Render, TastoZeroFissaLOrigineDellaMisura) {
    avvia(2, 300, 255, 0, 500);
    frmZoom.misura_attiva = true;
    frmZoom.punto_cursore = {700, 100};
    fake::stato().cursore = {700, 100};
    fake::batti(VK_NUMPAD0_);
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(frmZoom.punto_riferimento, (Punto{700, 100}));
    fake::stato().cursore = {710, 93};
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(el(plat::Elem::lblInfo).testo, " X 10   Y 7");
    fake::batti(VK_0_);
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(frmZoom.punto_riferimento, (Punto{710, 93}));
}

class Tick : public SuFake {};

TEST_F(Tick, CtrlFermaIlQuadroEPoiTornaLive) {
    avvia(2, 300, 255, 0, 500);
    frmZoom.punto_cursore = {500, 100};
    fake::stato().cursore = {500, 100};
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(fake::stato().stretch_chiamate, 1);

    fake::premi(VK_CONTROL_);
    for (int i = 0; i < 3; ++i) frmZoom.tmrTimer_Timer();
    EXPECT_EQ(fake::stato().stretch_chiamate, 1) << "no pass while Ctrl is held";
    EXPECT_EQ(fake::stato().suoni, std::vector<int>{302}) << "the sound plays once on entering";
    EXPECT_TRUE(frmZoom.blocco_temporaneo);
    EXPECT_TRUE(frmZoom.menubar.mnucopia.Enabled);
    EXPECT_FALSE(frmZoom.menubar.mnuCattura.Enabled);
    EXPECT_TRUE(el(plat::Elem::piclock).visibile);
    EXPECT_FALSE(el(plat::Elem::piclock).abilitato);
    EXPECT_EQ(el(plat::Elem::piclock).icona, 203);

    fake::rilascia(VK_CONTROL_);
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(fake::stato().stretch_chiamate, 2);
    EXPECT_FALSE(frmZoom.blocco_temporaneo);
    EXPECT_FALSE(frmZoom.menubar.mnucopia.Enabled);
    EXPECT_TRUE(frmZoom.menubar.mnuCattura.Enabled);
    EXPECT_FALSE(el(plat::Elem::piclock).visibile);
    EXPECT_TRUE(el(plat::Elem::piclock).abilitato);

    // A second pause plays the sound again.
    fake::premi(VK_CONTROL_);
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(fake::stato().suoni, (std::vector<int>{302, 302}));
}

TEST_F(Tick, UnaPressioneGiaFinitaNonPausaMaLaPrimaLetturaSiScarta) {
    avvia(2, 300, 255, 0, 500);
    frmZoom.punto_cursore = {500, 100};
    // Ctrl tapped between two ticks: only the pressed-since bit is set, and the
    // first of the two reads consumes it.
    fake::batti(VK_CONTROL_);
    frmZoom.tmrTimer_Timer();
    EXPECT_FALSE(frmZoom.blocco_temporaneo);
    EXPECT_EQ(fake::stato().stretch_chiamate, 1);
}

TEST_F(Tick, CatturaBloccaConLoSpazioSoloFuoriDallaFinestra) {
    avvia(2, 300, 255, 100, 100);
    frmZoom.menubar.mnuCattura.Checked = true;
    // Pointer over the magnifier: the press is read and thrown away.
    frmZoom.punto_cursore = {200, 200};
    fake::stato().cursore = {200, 200};
    fake::batti(VK_SPACE_);
    frmZoom.tmrTimer_Timer();  // cursore_fuori still false from the start
    frmZoom.tmrTimer_Timer();
    EXPECT_FALSE(frmZoom.immagine_bloccata);
    // Moving out later does not lock on that old press.
    fake::stato().cursore = {700, 600};
    frmZoom.tmrTimer_Timer();
    frmZoom.tmrTimer_Timer();
    EXPECT_FALSE(frmZoom.immagine_bloccata);
    EXPECT_TRUE(fake::stato().suoni.empty());

    // A press outside locks: sound, closed padlock, tooltip, image menu.
    fake::batti(VK_SPACE_);
    frmZoom.tmrTimer_Timer();
    EXPECT_TRUE(frmZoom.immagine_bloccata);
    EXPECT_EQ(fake::stato().suoni, std::vector<int>{301});
    EXPECT_EQ(el(plat::Elem::piclock).icona, 202);
    EXPECT_EQ(el(plat::Elem::piclock).tooltip, "Sblocca immagine");
    EXPECT_TRUE(frmZoom.menubar.mnucopia.Enabled);

    // Locked: the picture no longer follows the pointer.
    const int passate = fake::stato().stretch_chiamate;
    fake::stato().cursore = {10, 10};
    frmZoom.tmrTimer_Timer();
    EXPECT_EQ(fake::stato().stretch_chiamate, passate);
}

TEST_F(Tick, InCatturaCtrlNascondeIlPuntatoreDisegnato) {
    avvia(4, 300, 255, 0, 500);
    frmZoom.menubar.mnuCattura.Checked = true;
    frmZoom.punto_cursore = {500, 100};
    fake::stato().cursore = {500, 100};
    frmZoom.tmrTimer_Timer();
    EXPECT_TRUE(frmZoom.mostra_cursore);
    EXPECT_EQ(fake::stato().disegni_icona.size(), 1u);
    fake::premi(VK_CONTROL_);
    frmZoom.tmrTimer_Timer();
    EXPECT_FALSE(frmZoom.mostra_cursore);
    EXPECT_EQ(fake::stato().disegni_icona.size(), 1u);
    EXPECT_EQ(fake::stato().stretch_chiamate, 2) << "capture mode keeps painting under Ctrl";
}

}  // namespace
