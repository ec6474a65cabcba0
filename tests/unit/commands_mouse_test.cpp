// The mouse on the picture and the freeze states: every transition of the state
// table with its sounds, icons, tooltips and menu states.
#include "unit/commands_fixture.h"

namespace {

class Mouse : public SuComandi {
protected:
    void SetUp() override {
        SuComandi::SetUp();
        // The window away from the pointer so that ticks capture.
        fake::stato().finestra = {600, 400, 300, 255};
        fake::stato().cursore = {100, 100};
        frmZoom.punto_cursore = {100, 100};
    }
    static void tick() { frmZoom.tmrTimer_Timer(); }
    static const fake::StatoElemento& lucchetto() { return el(plat::Elem::piclock); }
    static std::vector<int>& suoni() { return fake::stato().suoni; }

    // The four rows of the state table, as the elements and menu show them.
    static void atteso_live() {
        EXPECT_FALSE(lucchetto().visibile);
        EXPECT_FALSE(menu().mnucopia.Enabled);
        EXPECT_TRUE(menu().mnuCattura.Enabled);
        EXPECT_FALSE(menu().mnuCattura.Checked);
    }
    static void atteso_pausa() {
        EXPECT_TRUE(frmZoom.blocco_temporaneo);
        EXPECT_EQ(lucchetto().icona, ICO_PUNTINA);
        EXPECT_TRUE(lucchetto().visibile);
        EXPECT_FALSE(lucchetto().abilitato);
        EXPECT_TRUE(menu().mnucopia.Enabled);
        EXPECT_FALSE(menu().mnuCattura.Enabled);
    }
    static void atteso_cattura_live() {
        EXPECT_FALSE(frmZoom.immagine_bloccata);
        EXPECT_EQ(lucchetto().icona, ICO_APERTO);
        EXPECT_EQ(lucchetto().tooltip, "Esci da cattura immagne");
        EXPECT_TRUE(lucchetto().visibile);
        EXPECT_TRUE(lucchetto().abilitato);
        EXPECT_FALSE(menu().mnucopia.Enabled);
        EXPECT_TRUE(menu().mnuCattura.Checked);
    }
    static void atteso_bloccata() {
        EXPECT_TRUE(frmZoom.immagine_bloccata);
        EXPECT_EQ(lucchetto().icona, ICO_CHIUSO);
        EXPECT_EQ(lucchetto().tooltip, "Sblocca immagine");
        EXPECT_TRUE(lucchetto().visibile);
        EXPECT_TRUE(menu().mnucopia.Enabled);
        EXPECT_TRUE(menu().mnuCattura.Checked);
    }
    // Capture mode locked: choose the item, press space with the pointer outside.
    static void blocca() {
        frmZoom.mnuCattura_Click();
        tick();
        fake::batti(VK_SPACE_);
        tick();
    }
};

}  // namespace

TEST_F(Mouse, CtrlPauseAndBack) {
    tick();
    atteso_live();
    fake::premi(VK_CONTROL_);
    tick();
    atteso_pausa();
    tick();   // still held: the sound plays only on entering
    EXPECT_EQ(suoni(), std::vector<int>{SND_PAUSA});
    fake::rilascia(VK_CONTROL_);
    tick();
    atteso_live();
    EXPECT_FALSE(frmZoom.blocco_temporaneo);
    EXPECT_TRUE(lucchetto().abilitato);
    EXPECT_EQ(suoni().size(), 1u);
}

TEST_F(Mouse, CtrlPauseKeepsThePicture) {
    tick();
    const fake::Immagine prima = fake::picture();
    fake::stato().cursore = {300, 200};
    fake::premi(VK_CONTROL_);
    tick();
    EXPECT_EQ(fake::picture().px, prima.px);
}

TEST_F(Mouse, ClickOnTheGreyedPushPinDoesNothing) {
    fake::premi(VK_CONTROL_);
    tick();
    fake::picture().set(1, 1, 0x42);
    frmZoom.piclock_Click();
    atteso_pausa();
    EXPECT_EQ(fake::picture().at(1, 1), 0x42u);
    EXPECT_EQ(suoni().size(), 1u);
}

TEST_F(Mouse, CaptureLiveLockedAndUnlocked) {
    frmZoom.mnuCattura_Click();
    EXPECT_TRUE(suoni().empty());
    tick();
    atteso_cattura_live();

    fake::batti(VK_SPACE_);
    tick();
    atteso_bloccata();
    EXPECT_EQ(suoni(), std::vector<int>{SND_BLOCCA});

    // Locked: the pointer moves, the picture does not.
    const fake::Immagine bloccata = fake::picture();
    fake::stato().cursore = {700, 20};
    tick();
    EXPECT_EQ(fake::picture().px, bloccata.px);

    frmZoom.lblInfo.setCaption(" X 1   Y 2");
    frmZoom.piclock_Click();
    atteso_cattura_live();
    EXPECT_EQ(suoni().size(), 1u);   // unlocking is silent
    EXPECT_EQ(el(plat::Elem::lblInfo).testo, "");
    for (uint32_t c : fake::picture().px) ASSERT_EQ(c, uint32_t(BIANCO));
}

TEST_F(Mouse, UnlockForcesThePointerInsideForTheNextTick) {
    blocca();
    frmZoom.twip_x = frmZoom.twip_y = 15;
    frmZoom.piclock_Click();
    // 10 pixels right of and below the window's corner.
    EXPECT_EQ(frmZoom.punto_cursore, (Punto{610, 410}));
    fake::stato().cursore = {100, 100};   // really outside
    fake::picture().set(5, 5, 0x77);
    tick();
    EXPECT_FALSE(frmZoom.cursore_fuori);
    EXPECT_EQ(fake::picture().at(5, 5), uint32_t(BIANCO));
}

TEST_F(Mouse, SpacePressedBeforeUnlockingDoesNotLockAgain) {
    blocca();
    fake::batti(VK_SPACE_);   // pressed while locked, still "pressed since" afterwards
    frmZoom.piclock_Click();
    tick();
    tick();
    EXPECT_FALSE(frmZoom.immagine_bloccata);
    EXPECT_EQ(suoni(), std::vector<int>{SND_BLOCCA});
}

TEST_F(Mouse, SpaceOverTheMagnifierIsDropped) {
    frmZoom.mnuCattura_Click();
    frmZoom.punto_cursore = {700, 500};   // inside the window
    fake::stato().cursore = {700, 500};
    fake::batti(VK_SPACE_);
    tick();
    fake::stato().cursore = {100, 100};
    frmZoom.punto_cursore = {100, 100};
    tick();
    tick();
    EXPECT_FALSE(frmZoom.immagine_bloccata);
    EXPECT_TRUE(suoni().empty());
}

TEST_F(Mouse, LeavingCaptureModeThroughTheLockButtonPlaysItsSound) {
    frmZoom.mnuCattura_Click();
    tick();
    frmZoom.piclock_Click();
    EXPECT_FALSE(menu().mnuCattura.Checked);
    EXPECT_FALSE(lucchetto().visibile);
    EXPECT_EQ(suoni(), std::vector<int>{SND_ESCI});
    tick();
    atteso_live();
}

TEST_F(Mouse, LeavingCaptureModeThroughTheMenuIsSilent) {
    frmZoom.mnuCattura_Click();
    frmZoom.mnuCattura_Click();
    EXPECT_FALSE(lucchetto().visibile);
    EXPECT_TRUE(suoni().empty());

    blocca();
    scegli({"Cattura Immagine"});
    EXPECT_FALSE(frmZoom.immagine_bloccata);
    EXPECT_FALSE(lucchetto().visibile);
    EXPECT_TRUE(menu().mnucopia.Enabled);   // until the next tick
    tick();
    atteso_live();
    EXPECT_EQ(suoni(), std::vector<int>{SND_BLOCCA});
}

TEST_F(Mouse, CaptureItemIsGreyedDuringTheCtrlPause) {
    fake::premi(VK_CONTROL_);
    tick();
    scegli({"Cattura Immagine"});   // the user cannot choose it
    EXPECT_FALSE(menu().mnuCattura.Checked);
    const plat::VocePopup* v = fake::trova_voce(cmd().popup.back().voci, {"Cattura Immagine"});
    ASSERT_NE(v, nullptr);
    EXPECT_FALSE(v->abilitata);
}

TEST_F(Mouse, CaptureModeCtrlHidesTheDrawnPointer) {
    frmZoom.mnuCattura_Click();
    fake::premi(VK_CONTROL_);
    tick();
    EXPECT_FALSE(frmZoom.mostra_cursore);
    EXPECT_FALSE(frmZoom.blocco_temporaneo);
    fake::rilascia(VK_CONTROL_);
    tick();
    EXPECT_TRUE(frmZoom.mostra_cursore);
}

TEST_F(Mouse, LeftDragMovesTheWindowWithTheTimerStopped) {
    cmd().spostamento = {-40, 25};
    fake::stato().eventi.clear();
    frmZoom.picZoomed_MouseDown(1, 0, 10, 10);
    EXPECT_EQ(cmd().trascinamenti, 1);
    EXPECT_FALSE(cmd().timer_durante_trascinamento);
    EXPECT_EQ(cmd().cursore_durante_trascinamento, CUR_TRASCINA);
    EXPECT_EQ(el(plat::Elem::picZoomed).cursore, 0);
    EXPECT_TRUE(fake::stato().timer_abilitato);
    const std::vector<std::string>& ev = fake::stato().eventi;
    const auto rilascia = std::find(ev.begin(), ev.end(), "ReleaseCapture");
    ASSERT_NE(rilascia, ev.end());
    ASSERT_NE(rilascia + 1, ev.end());
    EXPECT_EQ(*(rilascia + 1), "messaggio 161");
    EXPECT_EQ(fake::stato().finestra.left, 560);
    EXPECT_EQ(fake::stato().finestra.top, 425);
}

TEST_F(Mouse, LeftDragDuringTheCtrlPauseKeepsThePause) {
    fake::premi(VK_CONTROL_);
    tick();
    frmZoom.picZoomed_MouseDown(1, 0, 10, 10);
    EXPECT_EQ(cmd().trascinamenti, 1);
    tick();
    atteso_pausa();
}

TEST_F(Mouse, MeasuringRectangleOnALockedPictureInEveryDirection) {
    frmZoom.mnuDimensioni_Click();
    blocca();
    fake::stato().cursore = {640, 470};
    frmZoom.picZoomed_MouseDown(1, 0, 100.5f, 60.5f);   // half to even: 100, 60
    EXPECT_EQ(cmd().trascinamenti, 0);
    EXPECT_EQ(frmZoom.inizio_x, 100);
    EXPECT_EQ(frmZoom.inizio_y, 60);
    EXPECT_EQ(frmZoom.punto_riferimento, (Punto{640, 470}));
    EXPECT_TRUE(el(plat::Elem::shpRect).visibile);
    EXPECT_EQ(el(plat::Elem::shpRect).r.width, 0);
    EXPECT_EQ(el(plat::Elem::shpRect).r.height, 0);

    const struct {
        float x, y;
        plat::Rettangolo r;
    } casi[] = {
        {130, 80, {100, 60, 30, 20}},   // right and down
        {70, 80, {70, 60, 30, 20}},     // left
        {130, 20, {100, 20, 30, 40}},   // up
        {40, 10, {40, 10, 60, 50}},     // left and up: the corner is the pointer
        {100, 60, {100, 60, 0, 0}},
    };
    for (const auto& c : casi) {
        frmZoom.picZoomed_MouseMove(1, 0, c.x, c.y);
        const plat::Rettangolo& r = el(plat::Elem::shpRect).r;
        EXPECT_EQ(r.left, c.r.left);
        EXPECT_EQ(r.top, c.r.top);
        EXPECT_EQ(r.width, c.r.width);
        EXPECT_EQ(r.height, c.r.height);
    }
    frmZoom.picZoomed_MouseUp(2, 0, 0, 0);   // any button hides it
    EXPECT_FALSE(el(plat::Elem::shpRect).visibile);
}

TEST_F(Mouse, MeasuringOnALivePictureDragsTheWindow) {
    frmZoom.mnuDimensioni_Click();
    frmZoom.mnuCattura_Click();
    frmZoom.picZoomed_MouseDown(1, 0, 10, 10);
    EXPECT_EQ(cmd().trascinamenti, 1);
    EXPECT_FALSE(el(plat::Elem::shpRect).visibile);
    frmZoom.picZoomed_MouseMove(1, 0, 50, 50);   // no rectangle without a lock
    EXPECT_EQ(el(plat::Elem::shpRect).r.width, 0);
}

TEST_F(Mouse, EyedropperReadsTheFrozenPicture) {
    frmZoom.mnuColor_Click();
    frmZoom.picZoomed_MouseMove(0, 0, 20, 20);   // live: default pointer
    EXPECT_EQ(el(plat::Elem::picZoomed).cursore, 0);

    fake::premi(VK_CONTROL_);
    tick();
    fake::picture().set(20, 31, 0x00336699);
    frmZoom.lblBackColor.setVisible(false);
    frmZoom.picZoomed_MouseMove(0, 0, 20.4f, 30.6f);
    EXPECT_EQ(el(plat::Elem::picZoomed).cursore, CUR_CONTAGOCCE);
    EXPECT_TRUE(el(plat::Elem::lblBackColor).visibile);
    EXPECT_EQ(frmZoom.colore_corrente, 0x00336699);   // not the screen's colour there

    fake::rilascia(VK_CONTROL_);
    tick();
    frmZoom.picZoomed_MouseMove(0, 0, 20, 20);
    EXPECT_EQ(el(plat::Elem::picZoomed).cursore, 0);
}

TEST_F(Mouse, RightClickStopsTheTimerWhileTheMenuIsOpen) {
    scegli({});   // dismissed
    ASSERT_EQ(cmd().popup.size(), 1u);
    EXPECT_FALSE(cmd().popup[0].timer_abilitato);
    EXPECT_FALSE(cmd().popup[0].dal_tray);
    EXPECT_TRUE(fake::stato().timer_abilitato);

    scegli({"Zoom", "  8 x"});   // a choice runs before the popup returns
    EXPECT_EQ(frmZoom.fattore_zoom, 8.0f);
    EXPECT_TRUE(fake::stato().timer_abilitato);

    scegli({"Minimizza"});
    EXPECT_FALSE(fake::stato().timer_abilitato);   // in the tray it stays off
    EXPECT_FALSE(finestra_visibile);
}

TEST_F(Mouse, OtherButtonsDoNothing) {
    frmZoom.picZoomed_MouseDown(4, 0, 10, 10);
    EXPECT_TRUE(cmd().popup.empty());
    EXPECT_EQ(cmd().trascinamenti, 0);
    EXPECT_TRUE(fake::stato().timer_abilitato);
}

TEST_F(Mouse, DoubleClickSendsTheWindowToTheTray) {
    frmZoom.picZoomed_DblClick();
    EXPECT_FALSE(finestra_visibile);
    EXPECT_FALSE(fake::stato().visibile);
    EXPECT_TRUE(cmd().icona_presente);
}
