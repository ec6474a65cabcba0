// The window-geometry side of the Win32 platform against real user32 and GDI: the
// extended style and layered alpha of a window, and the text printed on the picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/win32/win32.h"

namespace {

// A frame like the magnifier's: resizable, no caption. Destroyed at the end.
class FinestraStileProva : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VitreloProvaStile";
        RegisterClassW(&wc);  // already registered by an earlier case: fine
        h_ = CreateWindowExW(0, wc.lpszClassName, L"prova", WS_POPUP | WS_THICKFRAME, 10, 10, 300,
                             255, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(h_, nullptr);
    }
    void TearDown() override {
        if (h_) DestroyWindow(h_);
    }
    plat::Handle handle() const { return reinterpret_cast<plat::Handle>(h_); }
    HWND h_ = nullptr;
};

TEST_F(FinestraStileProva, StileEstesoLettoEScritto) {
    const int32_t prima = plat::GetWindowLongA(handle(), plat::GWL_EXSTYLE_);
    EXPECT_EQ(prima, static_cast<int32_t>(GetWindowLongW(h_, GWL_EXSTYLE)));
    EXPECT_EQ(prima & plat::WS_EX_LAYERED_, 0);
    EXPECT_EQ(plat::SetWindowLongA(handle(), plat::GWL_EXSTYLE_, prima | plat::WS_EX_LAYERED_),
              prima);
    EXPECT_EQ(plat::GetWindowLongA(handle(), plat::GWL_EXSTYLE_), prima | plat::WS_EX_LAYERED_);
}

TEST_F(FinestraStileProva, AlphaSoloSuFinestraStratificata) {
    EXPECT_FALSE(plat::SetLayeredWindowAttributes(handle(), 0, 100, plat::LWA_ALPHA_));
    const int32_t s = plat::GetWindowLongA(handle(), plat::GWL_EXSTYLE_);
    plat::SetWindowLongA(handle(), plat::GWL_EXSTYLE_, s | plat::WS_EX_LAYERED_);
    for (int alpha : {0, 3, 128, 255}) {
        ASSERT_TRUE(
            plat::SetLayeredWindowAttributes(handle(), 0, uint8_t(alpha), plat::LWA_ALPHA_));
        BYTE letto = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(h_, nullptr, &letto, &flags));
        EXPECT_EQ(letto, alpha);
        EXPECT_EQ(flags & LWA_ALPHA, DWORD(LWA_ALPHA));
    }
}

TEST_F(FinestraStileProva, DimensioneEsternaComeRichiesta) {
    // The presets are outer sizes: the frame takes its pixels from the client area.
    SetWindowPos(h_, nullptr, 0, 0, 256, 192, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r, c;
    GetWindowRect(h_, &r);
    GetClientRect(h_, &c);
    EXPECT_EQ(r.right - r.left, 256);
    EXPECT_EQ(r.bottom - r.top, 192);
    EXPECT_LT(c.right, 256);
    EXPECT_EQ(256 - c.right, 192 - c.bottom);
}

// ---- text on the picture -----------------------------------------------------

class TestoSulQuadro : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(w32::quadro_dimensiona(W, H));
        PatBlt(w32::picture_hdc(), 0, 0, W, H, WHITENESS);
    }
    static COLORREF punto(int x, int y) { return GetPixel(w32::picture_hdc(), x, y); }
    // The box of the non-white pixels; false when there are none.
    static bool riquadro(RECT& r) {
        r = {W, H, -1, -1};
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (punto(x, y) != RGB(255, 255, 255)) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r.right > 0;
    }
    static constexpr int W = 240, H = 60;
};

TEST_F(TestoSulQuadro, MisuraDiArial10) {
    plat::picture_carattere("Arial", 10, false);
    const float riga = plat::picture_altezza_testo("");
    // 10 points at 96 dpi is a 13-pixel em; the line adds ascent, descent, leading.
    EXPECT_GE(riga, 13.0f);
    EXPECT_LE(riga, 20.0f);
    const float uno = plat::picture_larghezza_testo("Vitrelo");
    const float due = plat::picture_larghezza_testo("VitreloVitrelo");
    EXPECT_GT(uno, 20.0f);
    EXPECT_EQ(due, 2 * uno);
    EXPECT_EQ(plat::picture_larghezza_testo(""), 0.0f);
}

TEST_F(TestoSulQuadro, StampaNelRiquadroMisurato) {
    plat::picture_carattere("Arial", 10, false);
    const std::string riga = "Vitrelo - team";
    const int w = int(plat::picture_larghezza_testo(riga));
    const int h = int(plat::picture_altezza_testo(riga));
    plat::picture_stampa(20, 16, riga);
    RECT r;
    ASSERT_TRUE(riquadro(r));
    EXPECT_GE(r.left, 20);
    EXPECT_GE(r.top, 16);
    EXPECT_LE(r.right, 20 + w + 1);
    EXPECT_LE(r.bottom, 16 + h);
    EXPECT_GT(r.right - r.left, w / 2);  // drawn, not a speck
    // Transparent: what lies around the glyphs stays white.
    EXPECT_EQ(punto(20 + w / 2, 16 + h - 1), RGB(255, 255, 255));
}

TEST_F(TestoSulQuadro, StampaAPosizioneNegativaTagliaIlBordo) {
    // A line started left of the picture is the same line moved: its first 30
    // columns are lost, the rest is pixel for pixel what a print at 0 gives.
    plat::picture_carattere("Arial", 10, true);
    const std::string riga = "(con la collaborazione)";
    plat::picture_stampa(0, 0, riga);
    std::vector<COLORREF> a_zero;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            a_zero.push_back(punto(x, y));
    PatBlt(w32::picture_hdc(), 0, 0, W, H, WHITENESS);
    plat::picture_stampa(-30, 0, riga);
    int diversi = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x + 30 < W; ++x)
            diversi += punto(x, y) != a_zero[size_t(y) * W + x + 30];
    EXPECT_EQ(diversi, 0);
    RECT r;
    ASSERT_TRUE(riquadro(r));
    plat::picture_carattere("Arial", 10, false);
}

}  // namespace
