// Layout on resize, size presets and keeping the window on the screen, against the
// fake's window, whose size changes run Form_Resize nested as on Win32.
#include <cmath>

#include "window/geometria.h"
#include "window_fixture.h"

namespace {

using plat::Rettangolo;

// ---- minimum size and the half-screen limit at 0.5x ----------------------------

struct CasoLimite {
    const char* nome;
    int dpi;
    bool mezzo;  // zoom 0.5x checked
    int w, h;    // window before, pixels
    int attesa_w, attesa_h;
};

// 96 dpi is 15 twips per pixel, 72 dpi 20: there 2520 x 1600 twips is 126 x 80 px
// exactly; at 15 the smallest whole height not below 1600 twips is 107 px.
const CasoLimite casi_limite[] = {
    {"2000x1500 raised to the minimum", 72, false, 100, 75, 126, 80},
    {"exactly the minimum", 72, false, 126, 80, 126, 80},
    {"one pixel under in both", 72, false, 125, 79, 126, 80},
    {"one pixel over in both", 72, false, 127, 81, 127, 81},
    {"only the height too small", 72, false, 400, 50, 400, 80},
    {"only the width too small", 72, false, 50, 400, 126, 400},
    {"minimum at 15 twips per pixel", 96, false, 133, 100, 168, 107},
    {"9000x7000 at 0.5x halved to the screen", 96, true, 600, 467, 512, 384},
    {"7680x5760 at 0.5x unchanged", 96, true, 512, 384, 512, 384},
    {"one pixel over half at 0.5x", 96, true, 513, 385, 512, 384},
    {"only the width over half at 0.5x", 96, true, 600, 300, 512, 300},
    {"at 0.5x the minimum still applies", 96, true, 100, 50, 168, 107},
    {"at 2x as large as the screen", 96, false, 1024, 768, 1024, 768},
};

class LimitiFinestra : public SuSchermo, public ::testing::WithParamInterface<CasoLimite> {};

TEST_P(LimitiFinestra, FormResizePortaLaFinestraEntroILimiti) {
    const CasoLimite& c = GetParam();
    schermo(1024, 768, c.dpi, c.mezzo, {0, 0, c.w, c.h});
    const int twip = 1440 / c.dpi;
    frmZoom.Form_Resize();
    EXPECT_EQ(finestra().width, c.attesa_w);
    EXPECT_EQ(finestra().height, c.attesa_h);
    // What the form reports is whole pixels times the factor.
    EXPECT_EQ(frmZoom.Width(), float(c.attesa_w * twip));
    EXPECT_EQ(frmZoom.Height(), float(c.attesa_h * twip));
    // Whatever the nesting did, the layout fits the final client area.
    EXPECT_EQ(frmZoom.picZoomed.Width, c.attesa_w - 6);
    EXPECT_EQ(frmZoom.picZoomed.Height, c.attesa_h - 6);
}

INSTANTIATE_TEST_SUITE_P(Tabella, LimitiFinestra, ::testing::ValuesIn(casi_limite),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(SuSchermo, LimitiInTwipDegliEsempi) {
    // The worked examples in twips: 2000 x 1500 becomes 2520 x 1600 (at 20 twips
    // per pixel, where both are whole pixels), and at 0.5x on 15360 x 11520 twips
    // 9000 x 7000 becomes 7680 x 5760.
    schermo(1024, 768, 72, false, {0, 0, 100, 75});
    frmZoom.Form_Resize();
    EXPECT_EQ(frmZoom.Width(), 2520.0f);
    EXPECT_EQ(frmZoom.Height(), 1600.0f);

    schermo(1024, 768, 96, true, {0, 0, 600, 467});
    EXPECT_EQ(frmZoom.ScreenWidth(), 15360.0f);
    EXPECT_EQ(frmZoom.ScreenHeight(), 11520.0f);
    frmZoom.Form_Resize();
    EXPECT_EQ(frmZoom.Width(), 7680.0f);
    EXPECT_EQ(frmZoom.Height(), 5760.0f);
}

TEST_F(SuSchermo, UnaCorrezioneRidisponeNelRidimensionamentoAnnidato) {
    // The size the handler sets runs the handler again before the setter returns:
    // the size corrected by the outer run is already laid out when it continues.
    schermo(1024, 768, 72, false, {0, 0, 100, 400});
    frmZoom.setWidth(1000.0f);  // 50 px: the nested run raises it to 126
    EXPECT_EQ(finestra().width, 126);
    EXPECT_EQ(el(plat::Elem::picZoomed).r.width, 120);
}

TEST_F(SuSchermo, SchermoMinoreDelDoppioDelMinimoA05xNonRicorrePerSempre) {
    // 200 x 150 px: half the screen (100 x 75) is below the minimum (168 x 107), so
    // the two corrections undo each other; the handler must still return.
    schermo(200, 150, 96, true, {0, 0, 150, 100});
    frmZoom.Form_Resize();
    EXPECT_EQ(frmZoom.picZoomed.Width, finestra().width - 6);
    EXPECT_EQ(frmZoom.picZoomed.Height, finestra().height - 6);
}

// ---- the layout of the elements ------------------------------------------------

struct CasoDisposizione {
    int w, h;  // window, pixels; the fake's frame is 3 px each side
};
const CasoDisposizione casi_disposizione[] = {
    {168, 107}, {256, 192}, {512, 384}, {1024, 128}, {301, 255}};

TEST_F(SuSchermo, GliElementiSeguonoLAreaClient) {
    for (const auto& c : casi_disposizione) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        schermo(1024, 768, 96, false, {0, 0, c.w, c.h});
        frmZoom.Form_Resize();
        const int cw = c.w - 6, ch = c.h - 6;
        // As the platform was told, and as the form keeps it.
        const Rettangolo z = el(plat::Elem::picZoomed).r;
        EXPECT_EQ(z.left, 0);
        EXPECT_EQ(z.top, 0);
        EXPECT_EQ(z.width, cw);
        EXPECT_EQ(z.height, ch);
        const Rettangolo s = el(plat::Elem::picLabel).r;
        EXPECT_EQ(s.left, 0);
        EXPECT_EQ(s.top, ch - 17);  // flush with the bottom, its height kept
        EXPECT_EQ(s.width, cw);
        EXPECT_EQ(s.height, 17);
        const Rettangolo chiudi = el(plat::Elem::imgClose).r;
        EXPECT_EQ(chiudi.left, -1);
        EXPECT_EQ(chiudi.top, -1);
        EXPECT_EQ(chiudi.width, 18);
        const Rettangolo campione = el(plat::Elem::lblBackColor).r;
        EXPECT_EQ(campione.left, 18);
        EXPECT_EQ(campione.top, -1);
        EXPECT_EQ(campione.height, 17);
        const Rettangolo testo = el(plat::Elem::lblInfo).r;
        EXPECT_EQ(testo.left, 34);
        EXPECT_EQ(testo.top, 0);
        EXPECT_EQ(testo.width, cw);
        const Rettangolo icona = el(plat::Elem::imgWorkIcon).r;
        EXPECT_EQ(icona.left + icona.width, cw - 2);  // 2 px from the strip's end
        EXPECT_EQ(icona.top, -1);
        const Rettangolo lucchetto = el(plat::Elem::piclock).r;
        EXPECT_EQ(lucchetto.left, 0);
        EXPECT_EQ(lucchetto.top, 0);
        EXPECT_EQ(lucchetto.width, 32);
        EXPECT_EQ(frmZoom.piclock.Left, 0);
        EXPECT_EQ(frmZoom.picLabel.Top, ch - 17);
    }
}

TEST_F(SuSchermo, DisposizioneNonTraccaLaVisibilita) {
    frmZoom.picLabel.setVisible(false);
    frmZoom.piclock.setVisible(true);
    frmZoom.Form_Resize();
    EXPECT_FALSE(el(plat::Elem::picLabel).visibile);
    EXPECT_TRUE(el(plat::Elem::piclock).visibile);
}

TEST_F(SuSchermo, OgniRidimensionamentoRidipingeAncheColCursoreSopra) {
    // Pointer over the window: cursore_fuori false would blank the picture.
    fake::stato().cursore = {150, 150};
    frmZoom.cursore_fuori = false;
    const int prima = fake::stato().stretch_chiamate;
    frmZoom.Form_Resize();  // no correction applies to 300 x 255
    EXPECT_TRUE(frmZoom.cursore_fuori);
    EXPECT_GT(fake::stato().stretch_chiamate, prima);
}

TEST_F(SuSchermo, OgniRidimensionamentoRiportaLaFinestraSulloSchermo) {
    schermo(1024, 768, 96, false, {900, 700, 300, 255});
    frmZoom.Form_Resize();
    EXPECT_EQ(finestra().left, 1024 - 300);
    EXPECT_EQ(finestra().top, 768 - 255);
}

// ---- presets --------------------------------------------------------------------

struct CasoPreset {
    int sw, sh;
    bool mezzo;
    int16_t indice;
    Rettangolo atteso;  // from a window at 100,100
    int spunta;         // checked item, -1 none
};

// Expected sizes: the quarters and halves of the screen in pixels; bars the screen
// wide (half of it at 0.5x) and an eighth of it high, but never below the 1600-twip
// minimum, which at 15 twips per pixel is 107 px.
const CasoPreset casi_preset[] = {
    {1024, 768, false, 0, {100, 100, 168, 107}, 0},
    {1024, 768, false, 1, {100, 100, 256, 192}, 1},
    {1024, 768, false, 2, {100, 100, 512, 384}, 2},
    {1024, 768, false, 3, {0, 0, 1024, 107}, -1},
    {1024, 768, false, 4, {0, 768 - 107, 1024, 107}, -1},
    {1280, 1024, false, 1, {100, 100, 320, 256}, 1},
    {1280, 1024, false, 2, {100, 100, 640, 512}, 2},
    {1280, 1024, false, 3, {0, 0, 1280, 128}, -1},
    {1280, 1024, false, 4, {0, 1024 - 128, 1280, 128}, -1},
    {1024, 768, true, 2, {100, 100, 512, 384}, 2},
    {1024, 768, true, 3, {0, 0, 512, 107}, -1},
    {1024, 768, true, 4, {0, 768 - 107, 512, 107}, -1},
    {1280, 1024, true, 4, {0, 1024 - 128, 640, 128}, -1},
};

TEST_F(SuSchermo, PresetDimensioniPosizioniESpunte) {
    for (const auto& c : casi_preset) {
        SCOPED_TRACE(testing::Message()
                     << c.sw << "x" << c.sh << (c.mezzo ? " 0.5x" : "") << " preset " << c.indice);
        schermo(c.sw, c.sh, 96, c.mezzo);
        frmZoom.mnuD_Click(c.indice);
        const Rettangolo r = finestra();
        EXPECT_EQ(r.left, c.atteso.left);
        EXPECT_EQ(r.top, c.atteso.top);
        EXPECT_EQ(r.width, c.atteso.width);
        EXPECT_EQ(r.height, c.atteso.height);
        EXPECT_EQ(preset_spuntato(), c.spunta);
        EXPECT_EQ(frmZoom.picZoomed.Width, c.atteso.width - 6);
    }
}

TEST_F(SuSchermo, PresetInTwipSuSchermo1024x768) {
    schermo(1024, 768);
    frmZoom.mnuD_Click(1);
    EXPECT_EQ(frmZoom.Width(), 3840.0f);
    EXPECT_EQ(frmZoom.Height(), 2880.0f);
    frmZoom.mnuD_Click(2);
    EXPECT_EQ(frmZoom.Width(), 7680.0f);
    EXPECT_EQ(frmZoom.Height(), 5760.0f);
    frmZoom.mnuD_Click(3);  // asks for 15360 x 1440
    EXPECT_EQ(frmZoom.Width(), 15360.0f);
    EXPECT_GE(frmZoom.Height(), 1600.0f);
    EXPECT_LT(frmZoom.Height(), 1600.0f + 15.0f);
    frmZoom.mnuD_Click(4);
    EXPECT_EQ(frmZoom.Top() + frmZoom.Height(), 11520.0f);
    EXPECT_EQ(frmZoom.Left(), 0.0f);
}

TEST_F(SuSchermo, MinimaA20TwipPerPixelResta2520x1600EdeSpuntata) {
    schermo(1024, 768, 72);
    frmZoom.mnuD_Click(0);
    EXPECT_EQ(frmZoom.Width(), 2520.0f);
    EXPECT_EQ(frmZoom.Height(), 1600.0f);
    EXPECT_EQ(preset_spuntato(), 0);
}

TEST_F(SuSchermo, LaSpuntaDiMinimaDuraFinoAlProssimoRidimensionamento) {
    // At 15 twips per pixel "minima" is 168 x 107 px = 2520 x 1605 twips, which the
    // exact comparison never takes for 2520 x 1600: only the click checks it.
    schermo(1024, 768);
    frmZoom.mnuD_Click(0);
    EXPECT_EQ(preset_spuntato(), 0);
    frmZoom.Form_Resize();
    EXPECT_EQ(preset_spuntato(), -1);
}

TEST_F(SuSchermo, PresetFuoriIntervalloPulisceSoltanto) {
    schermo(1024, 768);
    frmZoom.menubar.mnuD[1].Checked = true;
    for (int16_t indice : {int16_t(-1), int16_t(5)}) {
        frmZoom.mnuD_Click(indice);
        EXPECT_EQ(finestra().width, 300);
        EXPECT_EQ(finestra().left, 100);
        EXPECT_EQ(preset_spuntato(), -1);
    }
}

TEST_F(SuSchermo, PresetPulisceLImmagineAncheSenzaCambiareDimensione) {
    // A bar already at bar size moved to the top edge: no resize, so no render pass
    // paints over what the click cleared. 1024 / 8 = 128 px is above the minimum.
    schermo(1280, 1024, 96, false, {0, 1024 - 128, 1280, 128});
    fake::Immagine& p = fake::picture();
    p = fake::Immagine(1274, 122, 0x123456);
    frmZoom.mnuD_Click(3);
    EXPECT_EQ(finestra().top, 0);
    for (uint32_t px : p.px)
        ASSERT_EQ(px, uint32_t(BIANCO));
}

TEST_F(SuSchermo, PresetMantieneLaPosizioneSeEntraNelloSchermo) {
    struct {
        Rettangolo prima;
        int16_t indice;
        int left, top;
    } casi[] = {
        {{10, 20, 300, 255}, 1, 10, 20},
        // The width changes first and the layout after it already puts the window,
        // still 255 px high, inside the screen; the smaller height then fits.
        {{900, 700, 300, 255}, 1, 1024 - 256, 768 - 255},
        {{1000, 760, 300, 255}, 0, 1024 - 168, 768 - 255},
        // Here the window grows: the height change pushes it up again.
        {{600, 500, 300, 255}, 2, 1024 - 512, 768 - 384},
    };
    for (const auto& c : casi) {
        schermo(1024, 768, 96, false, c.prima);
        frmZoom.mnuD_Click(c.indice);
        EXPECT_EQ(finestra().left, c.left);
        EXPECT_EQ(finestra().top, c.top);
    }
}

// ---- check marks from the size --------------------------------------------------

struct CasoSpunta {
    int sw, sh, dpi, w, h;
    int spunta;
};
const CasoSpunta casi_spunta[] = {
    {1024, 768, 96, 256, 192, 1},
    {1024, 768, 96, 512, 384, 2},
    {1024, 768, 96, 257, 192, -1},
    {1024, 768, 96, 256, 191, -1},
    {1024, 768, 96, 168, 107, -1},  // 2520 x 1605 twips is not "minima"
    {1024, 768, 72, 126, 80, 0},
    {1024, 768, 96, 1024, 107, -1},  // a bar never
    // 1366 / 4 = 341.5 px: no window of whole pixels is "1/8 schermo" there.
    {1366, 768, 96, 341, 192, -1},
    {1366, 768, 96, 342, 192, -1},
    {1366, 768, 96, 683, 384, 2},
};

TEST_F(SuSchermo, SpuntaDelPresetDallaDimensioneEsatta) {
    for (const auto& c : casi_spunta) {
        SCOPED_TRACE(testing::Message()
                     << c.sw << "x" << c.sh << " @" << c.dpi << " window " << c.w << "x" << c.h);
        schermo(c.sw, c.sh, c.dpi, false, {0, 0, c.w, c.h});
        for (auto& v : frmZoom.menubar.mnuD)
            v.Checked = true;
        frmZoom.aggiorna_menu_dimensione();
        EXPECT_EQ(preset_spuntato(), c.spunta);
    }
}

// ---- keeping the window on the screen ------------------------------------------

struct CasoSchermo {
    const char* nome;
    Rettangolo prima;
    int left, top;
};
const CasoSchermo casi_schermo[] = {
    {"50 px past the right edge", {818, 100, 256, 192}, 768, 100},
    {"touching the right edge", {768, 100, 256, 192}, 768, 100},
    {"one px past the right edge", {769, 100, 256, 192}, 768, 100},
    {"above the top edge", {100, -30, 256, 192}, 100, 0},
    {"past the left edge", {-10, 100, 256, 192}, 0, 100},
    {"past the bottom edge", {100, 700, 256, 192}, 100, 576},
    {"touching the bottom edge", {100, 576, 256, 192}, 100, 576},
    {"past a corner", {900, 700, 256, 192}, 768, 576},
    {"taller than the screen", {100, 10, 256, 800}, 100, 0},
    {"taller than the screen, above", {100, -50, 256, 800}, 100, 0},
    {"wider than the screen", {5, 100, 1100, 192}, 0, 100},
    {"inside", {0, 0, 256, 192}, 0, 0},
};

TEST_F(SuSchermo, LimitaAlloSchermo) {
    for (const auto& c : casi_schermo) {
        SCOPED_TRACE(c.nome);
        schermo(1024, 768, 96, false, c.prima);
        const int rendering = fake::stato().stretch_chiamate;
        frmZoom.limita_allo_schermo();
        EXPECT_EQ(finestra().left, c.left);
        EXPECT_EQ(finestra().top, c.top);
        // Moving is not resizing: same size and no layout.
        EXPECT_EQ(finestra().width, c.prima.width);
        EXPECT_EQ(finestra().height, c.prima.height);
        EXPECT_EQ(fake::stato().stretch_chiamate, rendering);
    }
}

}  // namespace
