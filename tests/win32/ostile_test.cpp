// Settings files that a user, a crash or another program left in a bad state:
// reading them through the real profile API never crashes and always leaves
// exactly one zoom and one refresh item checked, and a save afterwards writes
// values that read back the same.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/frmzoom.h"
#include "platform/win32/win32.h"

namespace {

class IniOstile : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        file_ = std::wstring(temp) + L"vitrelo_ostile_" + std::to_wstring(GetCurrentProcessId()) +
                L".ini";
        deseleziona_menu(frmZoom.menubar.mnuZ);
        deseleziona_menu(frmZoom.menubar.mnuR);
        frmZoom.menubar.mnuInverti.Checked = false;
        frmZoom.fattore_zoom = 0;
        frmZoom.in_caricamento = true;  // as at start-up: no render pass
        frmZoom.file_ini = w32::utf8(file_);
    }
    void TearDown() override { DeleteFileW(file_.c_str()); }

    void scrivi(const std::string& byte) {
        HANDLE h = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        DWORD scritti = 0;
        WriteFile(h, byte.data(), static_cast<DWORD>(byte.size()), &scritti, nullptr);
        CloseHandle(h);
    }

    static int spuntati(const ArrayMenu& voci, int& quale) {
        int n = 0;
        for (size_t i = 0; i < voci.size(); ++i)
            if (voci[i].Checked) {
                ++n;
                quale = static_cast<int>(i);
            }
        return n;
    }

    // One item of each radio group checked, a usable factor, and a save that
    // reads back as the same options.
    void verifica_opzioni_sane() {
        int z = -1, r = -1;
        ASSERT_EQ(spuntati(frmZoom.menubar.mnuZ, z), 1);
        ASSERT_EQ(spuntati(frmZoom.menubar.mnuR, r), 1);
        EXPECT_GT(frmZoom.fattore_zoom, 0.0f);
        const bool inv = frmZoom.menubar.mnuInverti.Checked;
        frmZoom.salva_impostazioni();
        deseleziona_menu(frmZoom.menubar.mnuZ);
        deseleziona_menu(frmZoom.menubar.mnuR);
        frmZoom.menubar.mnuInverti.Checked = !inv;
        frmZoom.leggi_impostazioni();
        int z2 = -1, r2 = -1;
        EXPECT_EQ(spuntati(frmZoom.menubar.mnuZ, z2), 1);
        EXPECT_EQ(spuntati(frmZoom.menubar.mnuR, r2), 1);
        EXPECT_EQ(z2, z);
        EXPECT_EQ(r2, r);
        EXPECT_EQ(frmZoom.menubar.mnuInverti.Checked, inv);
    }

    std::wstring file_;
};

TEST_F(IniOstile, FileBinario) {
    std::mt19937 g(7);
    std::string byte(64 * 1024, '\0');
    for (char& c : byte) c = static_cast<char>(g());
    scrivi(byte);
    frmZoom.leggi_impostazioni();
    verifica_opzioni_sane();
}

TEST_F(IniOstile, FileEnormeConLaSezioneInFondo) {
    std::string byte;
    byte.reserve(6 << 20);
    for (int i = 0; byte.size() < (5u << 20); ++i)
        byte += "[Sezione" + std::to_string(i) + "]\r\nChiave=" + std::string(100, 'x') + "\r\n";
    byte += "[Opzioni]\r\nZoom=4\r\nRefresh=1\r\nInvertiColori=-1\r\n";
    scrivi(byte);
    frmZoom.leggi_impostazioni();
    EXPECT_TRUE(frmZoom.menubar.mnuZ[4].Checked);
    EXPECT_TRUE(frmZoom.menubar.mnuR[1].Checked);
    EXPECT_TRUE(frmZoom.menubar.mnuInverti.Checked);
    verifica_opzioni_sane();
}

TEST_F(IniOstile, SezioniEChiaviDoppie) {
    // The profile API reads the first section of a name and its first key.
    scrivi("[Opzioni]\r\nZoom=3\r\nZoom=8\r\n[Altro]\r\nZoom=1\r\n[Opzioni]\r\nZoom=6\r\n"
           "Refresh=4\r\n");
    frmZoom.leggi_impostazioni();
    EXPECT_TRUE(frmZoom.menubar.mnuZ[3].Checked);
    EXPECT_FLOAT_EQ(frmZoom.fattore_zoom, 3.0f);
    verifica_opzioni_sane();
}

TEST_F(IniOstile, ValoriLunghiENonNumerici) {
    scrivi("[Opzioni]\r\nZoom=" + std::string(5000, '9') + "\r\nRefresh=1e400\r\nInvertiColori=--1\r\n");
    frmZoom.leggi_impostazioni();
    EXPECT_TRUE(frmZoom.menubar.mnuZ[2].Checked) << "a value past 16 bits gives the default";
    EXPECT_TRUE(frmZoom.menubar.mnuR[2].Checked);
    EXPECT_FALSE(frmZoom.menubar.mnuInverti.Checked);
    verifica_opzioni_sane();
}

}  // namespace
