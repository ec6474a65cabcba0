// The commands' platform side against real Win32 (run under Wine): the settings
// file written and read through the profile API, a read-only file, the popup menu
// built from the menu model, the tray icon record, the version record and the help
// call with no help file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/popup.h"
#include "core/frmzoom.h"
#include "platform/win32/commands_menu.h"

namespace {

// A fresh folder under the temporary one; its name is outside the ANSI code page
// so that the wide-character path is what reaches the file.
class Profilo : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        cartella_ = std::wstring(temp) + L"vitrelo_comandi_\u03a9_" +
                    std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(cartella_.c_str(), nullptr);
        file_ = cartella_ + L"\\Vitrelo.ini";
        SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file_.c_str());
    }
    void TearDown() override {
        SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(file_.c_str());
        RemoveDirectoryW(cartella_.c_str());
    }
    std::string file() const { return w32::utf8(file_); }
    std::string contenuto() const {
        std::string s;
        HANDLE h = CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        char buf[4096];
        DWORD letti = 0;
        while (ReadFile(h, buf, sizeof buf, &letti, nullptr) && letti) s.append(buf, letti);
        CloseHandle(h);
        return s;
    }
    void scrivi(const std::string& byte) {
        HANDLE h = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD scritti = 0;
        WriteFile(h, byte.data(), DWORD(byte.size()), &scritti, nullptr);
        CloseHandle(h);
    }
    std::wstring cartella_, file_;
};

// The options as start-up leaves them with no file; render passes do nothing
// here (no window), as during start-up.
void opzioni_predefinite() {
    // Assigning a fresh FrmZoom{} here trips GCC 12's false "may be used
    // uninitialized" on its strings at -O2; resetting the options the test reads
    // is all it needs.
    deseleziona_menu(frmZoom.menubar.mnuZ);
    deseleziona_menu(frmZoom.menubar.mnuR);
    frmZoom.menubar.mnuInverti.Checked = false;
    frmZoom.fattore_zoom = 0;
    frmZoom.in_caricamento = true;
    frmZoom.mnuZ_Click(2);
    frmZoom.mnuR_Click(2);
}

}  // namespace

TEST_F(Profilo, FirstSaveWritesTheSectionAndThreeKeysInOrder) {
    opzioni_predefinite();
    frmZoom.file_ini = file();
    frmZoom.salva_impostazioni();
    // ANSI, no byte-order mark, CR LF, keys in the order they were written.
    EXPECT_EQ(contenuto(), "[Opzioni]\r\nRefresh=2\r\nZoom=2\r\nInvertiColori=0\r\n");
}

TEST_F(Profilo, SavedOptionsReadBack) {
    opzioni_predefinite();
    frmZoom.file_ini = file();
    frmZoom.mnuZ_Click(7);
    frmZoom.mnuR_Click(4);
    frmZoom.menubar.mnuInverti.Checked = true;
    frmZoom.salva_impostazioni();
    EXPECT_EQ(leggi_ini("Opzioni", "Zoom", file(), "2"), "7");
    EXPECT_EQ(leggi_ini("Opzioni", "Refresh", file(), "2"), "4");
    EXPECT_EQ(leggi_ini("Opzioni", "InvertiColori", file(), "0"), "-1");
}

TEST_F(Profilo, ReadingTrimsAndFallsBack) {
    scrivi("[Opzioni]\r\nZoom =   3.5   \r\nVuota=\r\nLunga=" + std::string(300, '7') + "\r\n");
    EXPECT_EQ(leggi_ini("Opzioni", "Zoom", file(), "2"), "3.5");
    EXPECT_EQ(leggi_ini("opzioni", "ZOOM", file(), "2"), "3.5");   // names ignore case
    EXPECT_EQ(leggi_ini("Opzioni", "Vuota", file(), "2"), "");
    EXPECT_EQ(leggi_ini("Opzioni", "Manca", file(), "2"), "2");
    EXPECT_EQ(leggi_ini("Opzioni", "Manca", file(), "  "), "");
    EXPECT_EQ(leggi_ini("Altra", "Zoom", file(), "2"), "2");
    EXPECT_EQ(leggi_ini("Opzioni", "Lunga", file(), ""), std::string(254, '7'));
    DeleteFileW(file_.c_str());
    EXPECT_EQ(leggi_ini("Opzioni", "Zoom", file(), "2"), "2");
}

TEST_F(Profilo, AReadOnlyFileIsLeftAsItIs) {
    const std::string prima = "[Opzioni]\r\nZoom=5\r\n";
    scrivi(prima);
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    // Wine maps the attribute to the Unix write bits, which do not stop root.
    HANDLE prova = CreateFileW(file_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (prova != INVALID_HANDLE_VALUE) {
        CloseHandle(prova);
        GTEST_SKIP() << "read-only files are writable here (Wine run as root)";
    }
    EXPECT_FALSE(plat::profilo_scrivi("Opzioni", "Zoom", "1", file()));
    opzioni_predefinite();
    frmZoom.file_ini = file();
    frmZoom.salva_impostazioni();   // fails quietly
    EXPECT_EQ(contenuto(), prima);
}

TEST_F(Profilo, AFileHeldByAnotherProgramIsLeftAsItIs) {
    const std::string prima = "[Opzioni]\r\nZoom=5\r\n";
    scrivi(prima);
    // Opened without sharing, as an editor or a backup program may hold it.
    HANDLE tenuto = CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(tenuto, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(plat::profilo_scrivi("Opzioni", "Zoom", "1", file()));
    opzioni_predefinite();
    frmZoom.file_ini = file();
    frmZoom.salva_impostazioni();
    CloseHandle(tenuto);
    EXPECT_EQ(contenuto(), prima);
}

TEST_F(Profilo, AMissingFolderIsNotCreated) {
    const std::string altrove = w32::utf8(cartella_) + "\\manca\\Vitrelo.ini";
    EXPECT_FALSE(plat::profilo_scrivi("Opzioni", "Zoom", "1", altrove));
    EXPECT_EQ(leggi_ini("Opzioni", "Zoom", altrove, "2"), "2");
}

TEST_F(Profilo, LaterKeysAreAddedToTheirSection) {
    scrivi("[Opzioni]\r\nZoom=4\r\n");
    opzioni_predefinite();
    frmZoom.file_ini = file();
    frmZoom.mnuZ_Click(5);
    frmZoom.salva_impostazioni();
    EXPECT_EQ(contenuto(), "[Opzioni]\r\nZoom=5\r\nRefresh=2\r\nInvertiColori=0\r\n");
}

TEST(IconaTray, AddAndDeleteWithTheRecordOfTheLogic) {
    HWND h = CreateWindowExW(0, L"STATIC", L"prova", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(h, nullptr);
    plat::DatiNotifica d;
    d.cbSize = 88;
    d.hWnd = reinterpret_cast<plat::Handle>(h);
    d.uID = 1;
    d.uFlags = 7;
    d.uCallbackMessage = 0x200;
    d.hIcon = ICO_TRAY;
    d.szTip = "Vitrelo";
    EXPECT_TRUE(plat::notifica_icona(plat::NIM_ADD_, d));
    EXPECT_TRUE(plat::notifica_icona(plat::NIM_DELETE_, d));
    EXPECT_FALSE(plat::notifica_icona(plat::NIM_DELETE_, d));   // nothing left to delete
    DestroyWindow(h);
}

TEST(Versione, ReadFromTheProgramsOwnRecord) {
    int maggiore = -1, minore = -1, revisione = -1;
    ASSERT_TRUE(plat::versione_programma(maggiore, minore, revisione));
    EXPECT_EQ(maggiore, 3);
    EXPECT_EQ(minore, 0);
    EXPECT_EQ(revisione, 0);
}

TEST(Guida, MissingFileOpensNothing) {
    EXPECT_EQ(plat::apri_guida(0, "C:\\non_esiste\\Vitrelo.chm", plat::HH_DISPLAY_TOPIC_, 0), 0u);
}

namespace {

std::wstring testo_voce(HMENU m, UINT i) {
    wchar_t t[128] = {};
    GetMenuStringW(m, i, t, 128, MF_BYPOSITION);
    return t;
}

}  // namespace

TEST(MenuPopup, TheTreeOfTheLogicBecomesAWin32Menu) {
    // The popup as the logic hands it over after start-up at 6x.
    frmZoom = FrmZoom{};
    frmZoom.in_caricamento = true;
    frmZoom.mnuZ_Click(5);
    frmZoom.mnuR_Click(2);
    HMENU m = w32::crea_menu_popup(costruisci_popup());
    ASSERT_NE(m, nullptr);
    const wchar_t* attese[] = {L"Zoom", L"Dimensione finestra", L"Refresh", L"Immagine",
                               L"Individua colore", L"Cattura Immagine", L"Inverti colori",
                               L"Griglia", L"Dimensioni X-Y", L"", L"Minimizza", L"", L"Help",
                               L"", L"Chiudi"};
    ASSERT_EQ(GetMenuItemCount(m), 15);
    for (UINT i = 0; i < 15; ++i) EXPECT_EQ(testo_voce(m, i), attese[i]) << i;
    for (UINT i : {9u, 11u, 13u}) EXPECT_TRUE(GetMenuState(m, i, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(m, 3, MF_BYPOSITION) & MF_GRAYED);    // "Immagine" while live
    EXPECT_FALSE(GetMenuState(m, 7, MF_BYPOSITION) & MF_GRAYED);   // "Griglia" at 6x
    EXPECT_EQ(GetMenuDefaultItem(m, FALSE, 0), UINT(ID_MNUM));

    HMENU zoom = GetSubMenu(m, 0);
    ASSERT_NE(zoom, nullptr);
    ASSERT_EQ(GetMenuItemCount(zoom), 9);
    EXPECT_EQ(testo_voce(zoom, 0), L" .5 x");   // leading blanks kept
    EXPECT_EQ(testo_voce(zoom, 5), L"  6 x");
    for (UINT i = 0; i < 9; ++i) {
        EXPECT_EQ((GetMenuState(zoom, i, MF_BYPOSITION) & MF_CHECKED) != 0, i == 5) << i;
        EXPECT_EQ(GetMenuItemID(zoom, int(i)), UINT(ID_MNUZ + int(i)));
    }
    EXPECT_EQ(testo_voce(GetSubMenu(m, 12), 1), L"Informazioni");
    EXPECT_TRUE(DestroyMenu(m));
}

TEST(MenuPopup, TrayModeLeavesThreeItems) {
    frmZoom = FrmZoom{};
    frmZoom.in_caricamento = true;
    frmZoom.imposta_visibile(false);
    HMENU m = w32::crea_menu_popup(costruisci_popup());
    ASSERT_EQ(GetMenuItemCount(m), 3);
    EXPECT_EQ(testo_voce(m, 0), L"Ripristina");
    EXPECT_TRUE(GetMenuState(m, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(testo_voce(m, 2), L"Chiudi");
    EXPECT_EQ(GetMenuDefaultItem(m, FALSE, 0), UINT(ID_MNUM));
    DestroyMenu(m);
    finestra_visibile = false;
}
