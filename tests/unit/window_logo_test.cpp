// The start-up show: logo, credit lines, the fade and what follows it.
#include <algorithm>
#include <cmath>
#include <string>

#include "window_fixture.h"

namespace {

// Where Print puts a centred line: the picture's width less the measured width
// rounded half to even, halved, and the position rounded half to even again.
int centro(int larghezza_picture, int larghezza_testo) {
    return int(std::nearbyint((larghezza_picture - larghezza_testo) / 2.0));
}

class SpettacoloAvvio : public SuSchermo {
protected:
    void SetUp() override {
        schermo(1024, 768);
        frmZoom.in_caricamento = true;  // as during start-up
    }
    static long posizione(const std::string& evento) {
        const auto& e = fake::stato().eventi;
        return std::find(e.begin(), e.end(), evento) - e.begin();
    }
};

TEST_F(SpettacoloAvvio, MostraLogoDisabilitaECentraIlLogo) {
    struct {
        int w, h;  // picZoomed
        int left, top;
    } casi[] = {
        {250, 186, 53, 46},  // 45.5 rounds to the even 46
        {162, 101, 9, 3},    // the minimum window
        {100, 80, -22, -8},  // smaller than the logo: it overhangs both sides
        {251, 187, 54, 46},  // 53.5 -> 54, 46 exact
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        schermo(1024, 768);
        frmZoom.picZoomed.Move(0, 0, c.w, c.h);
        frmZoom.mostra_logo();
        EXPECT_FALSE(fake::stato().abilitata);
        EXPECT_FALSE(frmZoom.Enabled);
        const fake::StatoElemento& logo = el(plat::Elem::picLogo);
        EXPECT_TRUE(logo.visibile);
        EXPECT_EQ(logo.r.left, c.left);
        EXPECT_EQ(logo.r.top, c.top);
        EXPECT_EQ(logo.r.width, 144);
        EXPECT_EQ(logo.r.height, 95);
    }
}

TEST_F(SpettacoloAvvio, RigheDeiCreditiCentrateNellaSecondaETerzaRiga) {
    for (int larghezza : {250, 251, 162, 100}) {
        SCOPED_TRACE(larghezza);
        schermo(1024, 768);
        frmZoom.picZoomed.Move(0, 0, larghezza, 186);
        frmZoom.mostra_logo();
        const auto& stampe = fake::geometria().stampe;
        ASSERT_EQ(stampe.size(), 2u);
        const int riga = fake::altezza_riga(10);
        for (size_t i = 0; i < 2; ++i) {
            const auto& s = stampe[i];
            EXPECT_EQ(s.carattere, "Arial");
            EXPECT_EQ(s.punti, 10);
            EXPECT_EQ(s.corsivo, i == 1);
            EXPECT_EQ(s.y, riga * int(i + 1));  // below one empty line
            const int misura = int(s.testo.size()) * fake::larghezza_carattere(10, i == 1);
            EXPECT_EQ(s.x, centro(larghezza, misura));
        }
        EXPECT_NE(stampe[0].testo.find("Vitrelo"), std::string::npos);
        EXPECT_EQ(stampe[1].testo.front(), '(');
        EXPECT_EQ(stampe[1].testo.back(), ')');
        // Italics only for the second line.
        EXPECT_FALSE(fake::geometria().corsivo);
    }
}

TEST_F(SpettacoloAvvio, RigaPiuLargaDellImmagineIniziaAPosizioneNegativa) {
    frmZoom.picZoomed.Move(0, 0, 162, 101);
    frmZoom.mostra_logo();
    for (const auto& s : fake::geometria().stampe)
        EXPECT_LT(s.x, 0) << s.testo;
}

TEST_F(SpettacoloAvvio, MostraLogoPulisceLImmaginePrimaDiScrivere) {
    frmZoom.picZoomed.Move(0, 0, 250, 186);
    fake::picture() = fake::Immagine(250, 186, 0x00ABCDEF);
    frmZoom.mostra_logo();
    // Nothing of the old picture is left; the credit lines are drawn.
    const auto& px = fake::picture().px;
    EXPECT_EQ(std::count(px.begin(), px.end(), 0x00ABCDEFu), 0);
    EXPECT_GT(std::count(px.begin(), px.end(), 0u), 0);
}

TEST_F(SpettacoloAvvio, DissolvenzaDa0A255APassiDi3) {
    frmZoom.mostra_logo();
    frmZoom.avvio_dissolvenza();
    const auto& passi = fake::geometria().passi;
    ASSERT_EQ(passi.size(), 86u);
    int atteso = 0;
    for (const auto& p : passi) {
        EXPECT_EQ(p.alpha, atteso);
        atteso += 3;
    }
    EXPECT_EQ(passi.back().alpha, 255);
    EXPECT_EQ(fake::geometria().scritture_stile, 86);  // the style at every step
    EXPECT_TRUE(fake::geometria().stile_esteso & plat::WS_EX_LAYERED_);
    EXPECT_EQ(fake::geometria().alpha, 255);  // left opaque and layered
}

TEST_F(SpettacoloAvvio, OgniPassoAspettaPoiElaboraIMessaggi) {
    frmZoom.mostra_logo();
    const int pompe = fake::stato().pompe;
    frmZoom.avvio_dissolvenza();
    const auto& passi = fake::geometria().passi;
    ASSERT_EQ(passi.size(), 86u);
    // The first alpha comes before the window is shown: never seen opaque.
    EXPECT_FALSE(passi[0].visibile);
    EXPECT_EQ(passi[0].dormito_ms, 0u);
    for (size_t i = 0; i < passi.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(passi[i].dormito_ms, 15u * i);
        EXPECT_EQ(passi[i].pompe, pompe + int(i));
        EXPECT_FALSE(passi[i].abilitata);  // clicks do nothing during the show
        EXPECT_TRUE(passi[i].logo_visibile);
        if (i > 0) {
            EXPECT_TRUE(passi[i].visibile);
        }
    }
    EXPECT_EQ(posizione("mostra"), posizione("alpha 0") + 1);
}

TEST_F(SpettacoloAvvio, OrdineMostraAttesaPuliziaTimerAbilitazione) {
    frmZoom.mostra_logo();
    frmZoom.avvio_dissolvenza();
    EXPECT_LT(posizione("disabilita"), posizione("alpha 0"));
    EXPECT_LT(posizione("alpha 255"), posizione("timer_on"));
    EXPECT_LT(posizione("timer_on"), posizione("abilita"));
    EXPECT_LT(posizione("abilita"), long(fake::stato().eventi.size()));
    // The 1000 ms hold follows the 86 pauses of 15 ms.
    EXPECT_EQ(fake::geometria().passi.back().dormito_ms, 85u * 15u);
    EXPECT_EQ(fake::stato().dormito_ms, 86u * 15u + 1000u);
    EXPECT_FALSE(el(plat::Elem::picLogo).visibile);
    EXPECT_FALSE(frmZoom.picLogo.Visible);
    const auto& px = fake::picture().px;
    EXPECT_EQ(std::count(px.begin(), px.end(), uint32_t(BIANCO)), long(px.size()));
    EXPECT_TRUE(fake::stato().timer_abilitato);
    EXPECT_TRUE(fake::stato().abilitata);
    EXPECT_TRUE(frmZoom.Enabled);
}

TEST_F(SpettacoloAvvio, SenzaFinestreStratificateMostraEAttende2000ms) {
    fake::stato().versione_maggiore = 4;
    frmZoom.mostra_logo();
    frmZoom.avvio_dissolvenza();
    EXPECT_TRUE(fake::geometria().passi.empty());
    EXPECT_EQ(fake::geometria().scritture_stile, 0);
    EXPECT_EQ(fake::geometria().stile_esteso, 0);
    EXPECT_EQ(fake::stato().dormito_ms, 2000u);
    EXPECT_LT(posizione("mostra"), posizione("timer_on"));
    EXPECT_FALSE(el(plat::Elem::picLogo).visibile);
    EXPECT_LT(posizione("timer_on"), posizione("abilita"));
    EXPECT_TRUE(fake::stato().visibile);
}

TEST_F(SpettacoloAvvio, InputDellAttesaScartatoPrimaDiAbilitare) {
    // One more pump after the hold, while the window is still disabled, so that the
    // clicks queued during the hold cannot act once it is enabled.
    for (uint32_t versione : {6u, 4u}) {
        SCOPED_TRACE(versione);
        schermo(1024, 768);
        frmZoom.in_caricamento = true;
        fake::stato().versione_maggiore = versione;
        frmZoom.mostra_logo();
        const int pompe = fake::stato().pompe;
        frmZoom.avvio_dissolvenza();
        EXPECT_EQ(fake::stato().pompe - pompe, (versione >= 5 ? 86 : 1) + 1);
    }
}

TEST_F(SpettacoloAvvio, IlTimerNonGiraPrimaDellaFine) {
    frmZoom.mostra_logo();
    frmZoom.avvio_dissolvenza();
    const auto& e = fake::stato().eventi;
    // Exactly one switch of the timer, and it is on.
    EXPECT_EQ(std::count(e.begin(), e.end(), "timer_on"), 1);
    EXPECT_EQ(std::count(e.begin(), e.end(), "timer_off"), 0);
}

}  // namespace

namespace {

TEST(AvvioFinestra, FormLoadApreA1_8SchermoDopoLoSpettacolo) {
    struct {
        int sw, sh, w, h;
    } casi[] = {{1024, 768, 256, 192}, {1280, 1024, 320, 256}};
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.sw << "x" << c.sh);
        fake::reset(c.sw, c.sh);
        fake::reset_geometria();
        fake::stato().bordo = 3;
        frmZoom.Form_Load();
        EXPECT_EQ(fake::stato().finestra.width, c.w);
        EXPECT_EQ(fake::stato().finestra.height, c.h);
        EXPECT_TRUE(frmZoom.menubar.mnuD[1].Checked);
        EXPECT_EQ(fake::geometria().passi.size(), 86u);
        EXPECT_FALSE(fake::stato().elementi[size_t(plat::Elem::picLogo)].visibile);
        EXPECT_TRUE(fake::stato().timer_abilitato);
        EXPECT_TRUE(fake::stato().abilitata);
        EXPECT_FALSE(frmZoom.in_caricamento);
        // The logo was centred on the picture of the preset's client area.
        EXPECT_EQ(fake::stato().elementi[size_t(plat::Elem::picLogo)].r.left, (c.w - 6 - 144) / 2);
    }
}

}  // namespace
