// The settings file: number syntax, reading at start-up, writing at close, and
// the in-memory profile files of the fake that every other test relies on.
#include "core/impostazioni.h"
#include "unit/commands_fixture.h"

using Impostazioni = SuComandi;

TEST(NumeroDecimale, PlainDecimalsOnly) {
    const struct {
        const char* testo;
        bool numerico;
        double valore;
    } casi[] = {
        {"0", true, 0},      {"7", true, 7},        {"-1", true, -1},    {"+4", true, 4},
        {"2.5", true, 2.5},  {".5", true, 0.5},     {"5.", true, 5},     {"  3  ", true, 3},
        {"-0", true, 0},     {"", false, 0},        {"   ", false, 0},   {"abc", false, 0},
        {"3a", false, 0},    {"1e3", false, 0},     {"0x10", false, 0},  {"1.2.3", false, 0},
        {"- 1", false, 0},   {"+", false, 0},       {".", false, 0},     {"2,5", false, 0},
        {"\t3", false, 0},   {"1 2", false, 0},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        const auto v = numero_decimale(c.testo);
        ASSERT_EQ(v.has_value(), c.numerico);
        if (c.numerico) {
            EXPECT_EQ(*v, c.valore);
        }
    }
}

TEST(IndiceSalvato, HalvesToEvenAndSixteenBitRange) {
    const struct {
        const char* testo;
        int atteso;
    } casi[] = {
        {"2.5", 2},       {"3.5", 4},      {"0.5", 0},       {"1.5", 2},      {"-2.5", -2},
        {"2.4999", 2},    {"2.5001", 3},   {"-0.6", -1},     {"32767", 32767}, {"32767.4", 32767},
        {"32767.5", 2},   {"32768", 2},    {"-32768", -32768}, {"-32768.5", -32768},
        {"-32769", 2},    {"99999999999999999999", 2},       {"x", 2},        {"", 2},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        EXPECT_EQ(indice_salvato(c.testo, 2), c.atteso);
    }
}

TEST_F(Impostazioni, FirstRunWithoutAFileUsesTheDefaults) {
    frmZoom.mnuZ_Click(7);
    frmZoom.mnuR_Click(4);
    frmZoom.leggi_impostazioni();
    EXPECT_EQ(frmZoom.fattore_zoom, 2.0f);
    EXPECT_EQ(spuntato(menu().mnuZ), 2);
    EXPECT_EQ(fake::stato().timer_intervallo, 100);
    EXPECT_EQ(spuntato(menu().mnuR), 2);
    EXPECT_FALSE(menu().mnuInverti.Checked);
    EXPECT_TRUE(cmd().profili.empty());   // reading creates nothing

    frmZoom.salva_impostazioni();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini], golden("commands_vitrelo_nuovo.ini"));
}

TEST_F(Impostazioni, StoredValuesAreReplayedThroughTheCommands) {
    const struct {
        const char* file;
        float zoom;
        int refresh_ms;
        bool inverti;
    } casi[] = {
        {"[Opzioni]\r\nZoom=4\r\nRefresh=0\r\nInvertiColori=1\r\n", 4, 10, true},
        {"[Opzioni]\r\nZoom=2.5\r\nRefresh=3.5\r\nInvertiColori=-1\r\n", 2, 500, true},
        {"[Opzioni]\r\nZoom=3.5\r\n", 4, 100, false},
        {"[Opzioni]\r\nZoom=9\r\nRefresh=5\r\n", 2, 100, false},
        {"[Opzioni]\r\nZoom=-1\r\nRefresh=-3\r\n", 2, 100, false},
        {"[Opzioni]\r\nZoom =   8   \r\nRefresh=\t1\r\nInvertiColori=  0  \r\n", 12, 50, false},
        {"[Opzioni]\r\nZoom=otto\r\nRefresh=\r\nInvertiColori=si\r\n", 2, 100, false},
        {"[opzioni]\r\nzoom=0\r\n", 0.5f, 100, false},
        {"[Altro]\r\nZoom=6\r\n", 2, 100, false},
        {"[Opzioni]\nZoom=\"5\"\nInvertiColori=0.4\n", 6, 100, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.file);
        cmd().profili[frmZoom.file_ini] = c.file;
        frmZoom.menubar.mnuInverti.Checked = false;
        frmZoom.leggi_impostazioni();
        EXPECT_EQ(frmZoom.fattore_zoom, c.zoom);
        EXPECT_EQ(fake::stato().timer_intervallo, c.refresh_ms);
        EXPECT_EQ(menu().mnuInverti.Checked, c.inverti);
        EXPECT_EQ(spuntato(menu().mnuZ) >= 0, true);
    }
}

TEST_F(Impostazioni, InversionOneIsSavedAsMinusOne) {
    cmd().profili[frmZoom.file_ini] = "[Opzioni]\r\nRefresh=1\r\nZoom=5\r\nInvertiColori=1\r\n";
    frmZoom.leggi_impostazioni();
    frmZoom.salva_impostazioni();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini],
              "[Opzioni]\r\nRefresh=1\r\nZoom=5\r\nInvertiColori=-1\r\n");
}

TEST_F(Impostazioni, ABadIndexIsRewrittenAtTheNextSave) {
    cmd().profili[frmZoom.file_ini] = "[Opzioni]\r\nRefresh=-4\r\nZoom=9\r\nInvertiColori=0\r\n";
    frmZoom.leggi_impostazioni();
    frmZoom.salva_impostazioni();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini], golden("commands_vitrelo_nuovo.ini"));
}

TEST_F(Impostazioni, SaveKeepsOtherContentAndAddsMissingKeysToTheSection) {
    cmd().profili[frmZoom.file_ini] =
        "; commento\r\n[Altro]\r\nA=1\r\n[Opzioni]\r\nZoom=7\r\n\r\n[Fine]\r\nB=2\r\n";
    frmZoom.mnuR_Click(3);
    frmZoom.mnuZ_Click(1);
    frmZoom.salva_impostazioni();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini],
              "; commento\r\n[Altro]\r\nA=1\r\n[Opzioni]\r\nZoom=1\r\nRefresh=3\r\n"
              "InvertiColori=0\r\n\r\n[Fine]\r\nB=2\r\n");
}

TEST_F(Impostazioni, SaveSkipsAnArrayWithNothingChecked) {
    deseleziona_menu(frmZoom.menubar.mnuR);
    frmZoom.salva_impostazioni();
    EXPECT_EQ(cmd().profili[frmZoom.file_ini], "[Opzioni]\r\nZoom=2\r\nInvertiColori=0\r\n");
}

TEST_F(Impostazioni, LeggiIniDefaultsAndTrimming) {
    const std::string f = frmZoom.file_ini;
    cmd().profili[f] = "[S]\r\nK=  valore  \r\nV=\r\n";
    EXPECT_EQ(leggi_ini("S", "K", f, "x"), "valore");
    EXPECT_EQ(leggi_ini("S", "V", f, "x"), "");        // present but empty: no default
    EXPECT_EQ(leggi_ini("S", "Manca", f, " 7 "), "7");
    EXPECT_EQ(leggi_ini("S", "Manca", f, "   "), "");  // blank default: none passed
    EXPECT_EQ(leggi_ini("S", "Manca", "C:\\nessuno.ini", "2"), "2");
}

TEST_F(Impostazioni, LongValuesAreCutToTheBuffer) {
    const std::string lungo(400, '9');
    cmd().profili[frmZoom.file_ini] = "[S]\r\nK=" + lungo + "\r\n";
    EXPECT_EQ(leggi_ini("S", "K", frmZoom.file_ini, ""), std::string(254, '9'));
}

TEST_F(Impostazioni, FakeProfileWritesLikeTheSystem) {
    const std::string f = "C:\\x.ini";
    scrivi_ini("Opzioni", "Refresh", "2", f);
    EXPECT_EQ(cmd().profili[f], "[Opzioni]\r\nRefresh=2\r\n");
    EXPECT_EQ(fake::stato().file_system[f], 0x20u);
    scrivi_ini("opzioni", "REFRESH", "4", f);   // same key: replaced in place, spelling kept
    EXPECT_EQ(cmd().profili[f], "[Opzioni]\r\nRefresh=4\r\n");
    scrivi_ini("Altra", "K", "v", f);
    EXPECT_EQ(cmd().profili[f], "[Opzioni]\r\nRefresh=4\r\n[Altra]\r\nK=v\r\n");
    cmd().sola_lettura.insert(f);
    scrivi_ini("Opzioni", "Zoom", "1", f);
    EXPECT_EQ(cmd().profili[f], "[Opzioni]\r\nRefresh=4\r\n[Altra]\r\nK=v\r\n");
}
