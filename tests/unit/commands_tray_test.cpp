// The tray icon, the reduced menu and the popup tree built from the menu model.
#include "unit/commands_fixture.h"

namespace {

class Tray : public SuComandi {
protected:
    void SetUp() override {
        SuComandi::SetUp();
        fake::stato().visibile = true;
    }
    // The captions of one level of a popup, separators as "-".
    static std::vector<std::string> testi(const std::vector<plat::VocePopup>& voci) {
        std::vector<std::string> t;
        for (const plat::VocePopup& v : voci) t.push_back(v.separatore ? "-" : v.testo);
        return t;
    }
};

const std::vector<std::string> MENU_COMPLETO = {
    "Zoom", "Dimensione finestra", "Refresh", "Immagine", "Individua colore", "Cattura Immagine",
    "Inverti colori", "Griglia", "Dimensioni X-Y", "-", "Minimizza", "-", "Help", "-", "Chiudi"};

}  // namespace

TEST_F(Tray, MinimiseFillsTheRecordAndHides) {
    frmZoom.minimizza_ripristina();
    ASSERT_EQ(cmd().notifiche.size(), 1u);
    const auto& [messaggio, d] = cmd().notifiche[0];
    EXPECT_EQ(messaggio, plat::NIM_ADD_);
    EXPECT_EQ(d.cbSize, 88u);
    EXPECT_EQ(d.hWnd, plat::finestra_handle());
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uFlags, 7u);
    EXPECT_EQ(d.uCallbackMessage, 0x200u);
    EXPECT_EQ(d.hIcon, ICO_TRAY);
    EXPECT_EQ(d.szTip, "Vitrelo");
    EXPECT_FALSE(finestra_visibile);
    EXPECT_FALSE(fake::stato().visibile);
    EXPECT_FALSE(fake::stato().timer_abilitato);
    EXPECT_EQ(menu().mnuM.Caption, "Ripristina");
}

TEST_F(Tray, RestoreShowsDeletesTheIconAndRestartsTheTimer) {
    frmZoom.minimizza_ripristina();
    frmZoom.minimizza_ripristina();
    EXPECT_TRUE(finestra_visibile);
    EXPECT_TRUE(fake::stato().visibile);
    EXPECT_TRUE(fake::stato().timer_abilitato);
    EXPECT_FALSE(cmd().icona_presente);
    EXPECT_EQ(cmd().notifiche.back().first, plat::NIM_DELETE_);
    EXPECT_EQ(cmd().notifiche.back().second.uID, 1u);
    EXPECT_EQ(menu().mnuM.Caption, "Minimizza");
}

TEST_F(Tray, WithoutAnIconTheWindowStaysShown) {
    cmd().aggiunta_fallisce = true;
    frmZoom.minimizza_ripristina();
    EXPECT_TRUE(finestra_visibile);
    EXPECT_TRUE(fake::stato().visibile);
    EXPECT_TRUE(fake::stato().timer_abilitato);
    EXPECT_EQ(menu().mnuM.Caption, "Minimizza");
    EXPECT_EQ(testi(costruisci_popup()), MENU_COMPLETO);
}

TEST_F(Tray, IconNotificationsByCode) {
    frmZoom.minimizza_ripristina();
    // Single clicks, moves, right press and other codes do nothing.
    for (float codice : {512.0f, 513.0f, 514.0f, 516.0f, 518.0f, 519.0f, 0.0f, 514.4f}) {
        frmZoom.Form_MouseMove(0, 0, codice, 0);
        EXPECT_FALSE(finestra_visibile) << codice;
        EXPECT_TRUE(cmd().popup.empty()) << codice;
    }
    frmZoom.Form_MouseMove(0, 0, 515, 0);   // double-click: back
    EXPECT_TRUE(finestra_visibile);
    EXPECT_TRUE(fake::stato().visibile);
    EXPECT_FALSE(cmd().icona_presente);
    EXPECT_TRUE(fake::stato().timer_abilitato);
}

TEST_F(Tray, RightClickOnTheIconShowsTheReducedMenu) {
    frmZoom.minimizza_ripristina();
    frmZoom.Form_MouseMove(0, 0, 517, 0);
    ASSERT_EQ(cmd().popup.size(), 1u);
    const fake::AperturaPopup& p = cmd().popup[0];
    EXPECT_TRUE(p.dal_tray);
    EXPECT_EQ(testi(p.voci), (std::vector<std::string>{"Ripristina", "-", "Chiudi"}));
    EXPECT_TRUE(p.voci[0].predefinita);
    EXPECT_FALSE(fake::stato().timer_abilitato);   // the tray menu leaves the timer alone

    cmd().scelte.push_back({"Ripristina"});
    frmZoom.Form_MouseMove(0, 0, 516.6f, 0);   // rounds to 517
    EXPECT_TRUE(finestra_visibile);
    EXPECT_EQ(testi(costruisci_popup()), MENU_COMPLETO);
    EXPECT_EQ(menu().mnuM.Caption, "Minimizza");
}

TEST_F(Tray, ChiudiFromTheIconMenuEnds) {
    frmZoom.minimizza_ripristina();
    cmd().scelte.push_back({"Chiudi"});
    frmZoom.Form_MouseMove(0, 0, 517, 0);
    EXPECT_TRUE(fake::stato().terminato);
    EXPECT_FALSE(cmd().icona_presente);
    EXPECT_TRUE(cmd().profili.count(frmZoom.file_ini));
}

TEST_F(Tray, PopupTreeCaptionsChecksAndStates) {
    frmZoom.mnuZ_Click(5);
    frmZoom.mnuR_Click(0);
    const std::vector<plat::VocePopup> voci = costruisci_popup();
    EXPECT_EQ(testi(voci), MENU_COMPLETO);
    EXPECT_EQ(testi(voci[0].sottovoci),
              (std::vector<std::string>{" .5 x", "  1 x", "  2 x", "  3 x", "  4 x", "  6 x",
                                        "  8 x", "10 x", "12 x"}));
    EXPECT_EQ(testi(voci[1].sottovoci), (std::vector<std::string>{"minima", "1/8 schermo",
                                                                  "1/4 schermo", "Barra Alta",
                                                                  "Barra Bassa"}));
    EXPECT_EQ(testi(voci[2].sottovoci),
              (std::vector<std::string>{"10 ms", "50 ms", "100 ms", "250 ms", "500 ms"}));
    EXPECT_EQ(testi(voci[3].sottovoci),
              (std::vector<std::string>{"Copia", "Salva", "Invia immagine per posta"}));
    EXPECT_EQ(testi(voci[12].sottovoci),
              (std::vector<std::string>{"Guida in linea", "Informazioni"}));
    EXPECT_TRUE(voci[0].sottovoci[5].spuntata);
    EXPECT_FALSE(voci[0].sottovoci[2].spuntata);
    EXPECT_TRUE(voci[2].sottovoci[0].spuntata);
    EXPECT_FALSE(voci[3].abilitata);   // "Immagine" greyed while live
    EXPECT_TRUE(voci[7].abilitata);    // "Griglia" at 6x
    for (size_t i = 0; i < voci.size(); ++i) EXPECT_EQ(voci[i].predefinita, i == 10) << i;
}

TEST_F(Tray, EveryItemReachesItsHandler) {
    // Each path, chosen through the popup, must run the handler of that item.
    scegli({"Zoom", "12 x"});
    EXPECT_EQ(frmZoom.fattore_zoom, 12.0f);
    scegli({"Refresh", "250 ms"});
    EXPECT_EQ(fake::stato().timer_intervallo, 250);
    scegli({"Individua colore"});
    EXPECT_TRUE(frmZoom.colore_attivo);
    scegli({"Individua colore"});
    scegli({"Dimensioni X-Y"});
    EXPECT_TRUE(frmZoom.misura_attiva);
    scegli({"Inverti colori"});
    EXPECT_TRUE(menu().mnuInverti.Checked);
    scegli({"Griglia"});
    EXPECT_TRUE(frmZoom.griglia_attiva);
    scegli({"Cattura Immagine"});
    EXPECT_TRUE(menu().mnuCattura.Checked);
    scegli({"Dimensione finestra", "minima"});
    EXPECT_EQ(spuntato(menu().mnuD), 0);
    scegli({"Help", "Informazioni"});
    EXPECT_EQ(cmd().about_mostrati, 1);
    scegli({"Help", "Guida in linea"});
    EXPECT_EQ(fake::stato().messaggi.size(), 1u);
    scegli({"Immagine", "Copia"});   // greyed: nothing runs
    EXPECT_TRUE(fake::esporta().chiamate_gdip.empty());
    EXPECT_EQ(fake::esporta().aperture_appunti, 0);
    scegli({"Chiudi"});
    EXPECT_TRUE(fake::stato().terminato);
}

TEST_F(Tray, HiddenItemsAreLeftOutOfThePopup) {
    frmZoom.menubar.mnuH[0].Visible = false;
    frmZoom.menubar.mnuInverti.Visible = false;
    const auto voci = costruisci_popup();
    EXPECT_EQ(fake::trova_voce(voci, {"Inverti colori"}), nullptr);
    EXPECT_EQ(fake::trova_voce(voci, {"Help", "Guida in linea"}), nullptr);
    EXPECT_NE(fake::trova_voce(voci, {"Help", "Informazioni"}), nullptr);
    frmZoom.menubar.mnuH[1].Visible = false;   // nothing left inside: no empty submenu
    EXPECT_EQ(fake::trova_voce(costruisci_popup(), {"Help"}), nullptr);
}

TEST(EseguiComando, UnknownIdsDoNothing) {
    fake::reset();
    fake::reset_comandi();
    for (int id : {0, -1, 99, 109, 205, 305, 403, 502, 600, 608, 9999}) esegui_comando(id);
    EXPECT_FALSE(fake::stato().terminato);
    EXPECT_EQ(frmZoom.fattore_zoom, 0.0f);
    EXPECT_TRUE(fake::stato().suoni.empty());
}
