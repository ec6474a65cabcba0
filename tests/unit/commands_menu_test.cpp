// The option commands: radio submenus, toggles, the two info-strip modes, help,
// the information box and closing.
#include "commands/about.h"
#include "unit/commands_fixture.h"

using Comandi = SuComandi;

TEST_F(Comandi, ZoomItemsSetFactorCheckAndGridAvailability) {
    struct Caso {
        int16_t indice;
        float fattore;
        int spuntato;
        bool griglia;
    };
    // The factors and the 6x grid threshold of the zoom table; out-of-range
    // indexes, past the end or negative, fall back to item 2.
    const Caso casi[] = {{0, 0.5f, 0, false}, {1, 1, 1, false},   {2, 2, 2, false},
                         {3, 3, 3, false},    {4, 4, 4, false},   {5, 6, 5, true},
                         {6, 8, 6, true},     {7, 10, 7, true},   {8, 12, 8, true},
                         {9, 2, 2, false},    {32767, 2, 2, false}, {-1, 2, 2, false},
                         {-32768, 2, 2, false}};
    for (const Caso& c : casi) {
        frmZoom.mnuZ_Click(8);
        frmZoom.cursore_fuori = true;
        frmZoom.mnuZ_Click(c.indice);
        SCOPED_TRACE(c.indice);
        EXPECT_EQ(frmZoom.fattore_zoom, c.fattore);
        EXPECT_EQ(spuntato(menu().mnuZ), c.spuntato);
        EXPECT_EQ(menu().mnuGriglia.Enabled, c.griglia);
        EXPECT_FALSE(frmZoom.cursore_fuori);
    }
}

TEST_F(Comandi, ZoomRepaintBlanksTheLivePictureButKeepsALockedOne) {
    fake::picture().set(3, 3, 0x123456);
    frmZoom.mnuZ_Click(4);
    EXPECT_EQ(fake::picture().at(3, 3), uint32_t(BIANCO));   // pointer counted as inside

    fake::picture().set(3, 3, 0x123456);
    frmZoom.immagine_bloccata = true;
    frmZoom.mnuZ_Click(5);
    EXPECT_EQ(fake::picture().at(3, 3), 0x123456u);
    EXPECT_EQ(frmZoom.fattore_zoom, 6.0f);
}

TEST_F(Comandi, GridCheckSurvivesSmallFactors) {
    frmZoom.mnuZ_Click(6);
    frmZoom.mnuGriglia_Click();
    EXPECT_TRUE(frmZoom.griglia_attiva);
    frmZoom.mnuZ_Click(4);   // "  4 x": greyed, still checked
    EXPECT_FALSE(menu().mnuGriglia.Enabled);
    EXPECT_TRUE(menu().mnuGriglia.Checked);
    EXPECT_TRUE(frmZoom.griglia_attiva);
    frmZoom.mnuZ_Click(6);   // "  8 x": back without touching the item
    EXPECT_TRUE(menu().mnuGriglia.Enabled);
    EXPECT_TRUE(menu().mnuGriglia.Checked);
    frmZoom.mnuGriglia_Click();
    EXPECT_FALSE(frmZoom.griglia_attiva);
    EXPECT_FALSE(menu().mnuGriglia.Checked);
}

TEST_F(Comandi, RefreshItemsSetThePeriodOnly) {
    const struct {
        int16_t indice;
        int periodo;
        int spuntato;
    } casi[] = {{0, 10, 0}, {1, 50, 1}, {2, 100, 2}, {3, 250, 3}, {4, 500, 4},
                {5, 100, 2}, {-1, 100, 2}};
    for (bool acceso : {true, false}) {
        frmZoom.tmrTimer.setEnabled(acceso);
        for (const auto& c : casi) {
            SCOPED_TRACE(c.indice);
            frmZoom.mnuR_Click(0);
            frmZoom.mnuR_Click(c.indice);
            EXPECT_EQ(fake::stato().timer_intervallo, c.periodo);
            EXPECT_EQ(spuntato(menu().mnuR), c.spuntato);
            EXPECT_EQ(fake::stato().timer_abilitato, acceso);   // neither started nor stopped
            EXPECT_FALSE(frmZoom.cursore_fuori);
        }
    }
}

TEST_F(Comandi, InversionTogglesItsCheckMark) {
    frmZoom.mnuInverti_Click();
    EXPECT_TRUE(menu().mnuInverti.Checked);
    frmZoom.mnuInverti_Click();
    EXPECT_FALSE(menu().mnuInverti.Checked);
}

TEST_F(Comandi, ColourAndMeasuringModesExcludeEachOther) {
    frmZoom.mnuColor_Click();
    EXPECT_TRUE(frmZoom.colore_attivo);
    EXPECT_TRUE(menu().mnuColor.Checked);
    EXPECT_FALSE(menu().mnuDimensioni.Enabled);
    EXPECT_TRUE(el(plat::Elem::picLabel).visibile);
    EXPECT_TRUE(el(plat::Elem::lblBackColor).visibile);
    EXPECT_TRUE(el(plat::Elem::imgWorkIcon).visibile);
    EXPECT_EQ(el(plat::Elem::imgWorkIcon).icona, ICO_COLORI);
    EXPECT_TRUE(frmZoom.cursore_fuori);

    frmZoom.mnuColor_Click();
    EXPECT_FALSE(menu().mnuColor.Checked);
    EXPECT_TRUE(menu().mnuDimensioni.Enabled);
    EXPECT_FALSE(el(plat::Elem::picLabel).visibile);
    EXPECT_FALSE(el(plat::Elem::lblBackColor).visibile);
    EXPECT_FALSE(el(plat::Elem::imgWorkIcon).visibile);

    frmZoom.mnuDimensioni_Click();
    EXPECT_TRUE(frmZoom.misura_attiva);
    EXPECT_TRUE(menu().mnuDimensioni.Checked);
    EXPECT_FALSE(menu().mnuColor.Enabled);
    EXPECT_TRUE(el(plat::Elem::picLabel).visibile);
    EXPECT_FALSE(el(plat::Elem::lblBackColor).visibile);   // strip shown, swatch hidden
    EXPECT_EQ(el(plat::Elem::imgWorkIcon).icona, ICO_MISURA);
    EXPECT_TRUE(el(plat::Elem::imgWorkIcon).visibile);

    frmZoom.mnuDimensioni_Click();
    EXPECT_TRUE(menu().mnuColor.Enabled);
    EXPECT_FALSE(el(plat::Elem::picLabel).visibile);
    EXPECT_FALSE(el(plat::Elem::imgWorkIcon).visibile);
}

TEST_F(Comandi, ColourModeShowsTheReadoutAtOnceOnALivePicture) {
    frmZoom.cursore_fuori = false;
    fake::stato().cursore = {500, 400};
    frmZoom.mnuColor_Click();
    EXPECT_EQ(frmZoom.colore_corrente, Colore(fake::colore_schema(500, 400)));
}

TEST_F(Comandi, CloseButtonOfTheStripEndsTheActiveMode) {
    frmZoom.mnuColor_Click();
    frmZoom.imgClose_Click();
    EXPECT_FALSE(frmZoom.colore_attivo);
    frmZoom.mnuDimensioni_Click();
    frmZoom.imgClose_Click();
    EXPECT_FALSE(frmZoom.misura_attiva);
    EXPECT_FALSE(el(plat::Elem::picLabel).visibile);
    frmZoom.imgClose_Click();   // nothing on: nothing happens
    EXPECT_FALSE(frmZoom.colore_attivo);
    EXPECT_FALSE(frmZoom.misura_attiva);
}

TEST_F(Comandi, HelpWithoutTheFileShowsTheMessageOnly) {
    frmZoom.mnuH_Click(0);
    ASSERT_EQ(fake::stato().messaggi.size(), 1u);
    EXPECT_NE(fake::stato().messaggi[0].find("Impossibile trovare il file della guida: Vitrelo.chm"),
              std::string::npos);
    EXPECT_TRUE(cmd().guide.empty());
}

TEST_F(Comandi, HelpOpensTheFileBesideTheProgramAtItsDefaultTopic) {
    fake::stato().file_system["C:\\Programmi\\Vitrelo\\Vitrelo.chm"] = 0x20;
    cmd().risultato_guida = 0;   // whatever the help answers, nothing is shown
    frmZoom.mnuH_Click(0);
    ASSERT_EQ(cmd().guide.size(), 1u);
    EXPECT_EQ(cmd().guide[0].file, "C:\\Programmi\\Vitrelo\\Vitrelo.chm");
    EXPECT_EQ(cmd().guide[0].finestra, plat::finestra_handle());
    EXPECT_EQ(cmd().guide[0].comando, 0u);
    EXPECT_EQ(cmd().guide[0].dati, 0u);
    EXPECT_TRUE(fake::stato().messaggi.empty());
}

TEST_F(Comandi, HelpFolderNamedLikeTheFileIsNotAHelpFile) {
    fake::stato().file_system["C:\\Programmi\\Vitrelo\\Vitrelo.chm"] = 0x10;
    frmZoom.mnuH_Click(0);
    EXPECT_TRUE(cmd().guide.empty());
    EXPECT_EQ(fake::stato().messaggi.size(), 1u);
}

TEST_F(Comandi, InformationBoxStopsTheTimerWhileOpen) {
    frmZoom.mnuH_Click(1);
    EXPECT_EQ(cmd().about_mostrati, 1);
    EXPECT_FALSE(cmd().timer_durante_about);
    EXPECT_TRUE(fake::stato().timer_abilitato);
    EXPECT_TRUE(cmd().about_in_primo_piano);
    EXPECT_EQ(cmd().about_chiusure, 1);
}

TEST_F(Comandi, InformationBoxTextsComeFromTheVersionRecord) {
    cmd().versione[0] = 3;
    cmd().versione[1] = 10;
    cmd().versione[2] = 7;
    frmZoom.mnuH_Click(1);
    ASSERT_EQ(cmd().testi_about.size(), 3u);
    EXPECT_EQ(cmd().testi_about[0], "Vitrelo");
    EXPECT_EQ(cmd().testi_about[1], "  Versione 3.10.7");
    EXPECT_EQ(cmd().testi_about[2],
              "Programma realizzato con la\r\ncollaborazione di " + about::COLLABORATORE);
}

TEST_F(Comandi, InformationBoxLinksOpenAndClose) {
    const struct {
        void (FrmZoomAbout::*clic)();
        std::string atteso;
    } casi[] = {
        // Subject appended as it is: three blanks between the dash and "Versione".
        {&FrmZoomAbout::lblEmail_Click,
         "mailto:" + about::EMAIL_AUTORE + "?Subject=Vitrelo -   Versione 3.0.0"},
        {&FrmZoomAbout::lblSitoInternet_Click,
         "mailto:" + about::EMAIL_COLLABORATORE + "?Subject=Vitrelo -   Versione 3.0.0"},
        {&FrmZoomAbout::imgLogo_Click, about::SITO_COLLABORATORE},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.atteso);
        fake::reset_esporta();
        const int chiusure = cmd().about_chiusure;
        cmd().utente_about = [&](FrmZoomAbout& box) { (box.*c.clic)(); };
        frmZoom.mnuH_Click(1);
        ASSERT_EQ(fake::esporta().shell.size(), 1u);
        EXPECT_EQ(fake::esporta().shell[0].file, c.atteso);
        EXPECT_EQ(fake::esporta().shell[0].owner, plat::Handle(0x88));   // the box's own handle
        EXPECT_EQ(fake::esporta().shell[0].modo, 1);
        EXPECT_EQ(cmd().about_chiusure, chiusure + 1);
        EXPECT_TRUE(fake::stato().timer_abilitato);
    }
}

TEST_F(Comandi, CloseWritesTheSettingsThenEnds) {
    frmZoom.mnuC_Click();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini], golden("commands_vitrelo_nuovo.ini"));
    EXPECT_TRUE(fake::stato().terminato);
    EXPECT_TRUE(cmd().notifiche.empty());   // no icon shown, none deleted
}

TEST_F(Comandi, CloseFromTheTrayRemovesTheIcon) {
    frmZoom.minimizza_ripristina();
    ASSERT_TRUE(cmd().icona_presente);
    frmZoom.mnuC_Click();
    EXPECT_FALSE(cmd().icona_presente);
    EXPECT_EQ(cmd().notifiche.back().first, plat::NIM_DELETE_);
    EXPECT_EQ(cmd().notifiche.back().second.uID, 1u);
    EXPECT_TRUE(fake::stato().terminato);
}

TEST_F(Comandi, CloseWithAReadOnlySettingsFileStillEnds) {
    cmd().profili[frmZoom.file_ini] = "[Opzioni]\r\nZoom=5\r\n";
    fake::stato().file_system[frmZoom.file_ini] = 0x01;
    frmZoom.mnuZ_Click(7);
    frmZoom.mnuC_Click();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini], "[Opzioni]\r\nZoom=5\r\n");
    EXPECT_TRUE(fake::stato().terminato);
}
