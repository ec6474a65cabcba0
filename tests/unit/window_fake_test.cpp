// The fake platform's window: its resize semantics, which every geometry test
// relies on, and its records of the layered style and the printed text.
#include "window_fixture.h"

namespace {

TEST_F(SuSchermo, FakeDimensionaEseguiFormResizePrimaDiTornare) {
    schermo(1024, 768, 96, false, {0, 0, 300, 255});
    const int prima = fake::stato().stretch_chiamate;
    plat::finestra_dimensiona(400, 300);
    // Laid out for the new size by the time the call returns.
    EXPECT_EQ(frmZoom.picZoomed.Width, 394);
    EXPECT_EQ(frmZoom.picZoomed.Height, 294);
    EXPECT_GT(fake::stato().stretch_chiamate, prima);
}

TEST_F(SuSchermo, FakeStessaDimensioneNonRidispone) {
    schermo(1024, 768, 96, false, {0, 0, 300, 255});
    frmZoom.picZoomed.Move(0, 0, 1, 1);
    const int prima = fake::stato().stretch_chiamate;
    plat::finestra_dimensiona(300, 255);
    plat::finestra_sposta(20, 30);  // a move is never a resize
    EXPECT_EQ(frmZoom.picZoomed.Width, 1);
    EXPECT_EQ(fake::stato().stretch_chiamate, prima);
    EXPECT_EQ(fake::stato().finestra.left, 20);
}

TEST_F(SuSchermo, FakeAreaClientTolgeLaCornice) {
    schermo(1024, 768, 96, false, {0, 0, 256, 192}, 3);
    EXPECT_EQ(plat::finestra_client_larghezza(), 250);
    EXPECT_EQ(plat::finestra_client_altezza(), 186);
}

TEST_F(SuSchermo, FakeStileEstesoELivelloAlpha) {
    const plat::Handle f = plat::finestra_handle();
    // Not layered yet: the alpha call fails, as on Windows.
    EXPECT_FALSE(plat::SetLayeredWindowAttributes(f, 0, 128, plat::LWA_ALPHA_));
    EXPECT_EQ(fake::geometria().alpha, -1);
    EXPECT_EQ(plat::SetWindowLongA(f, plat::GWL_EXSTYLE_, 0x80 | plat::WS_EX_LAYERED_), 0);
    EXPECT_EQ(plat::GetWindowLongA(f, plat::GWL_EXSTYLE_), 0x80 | plat::WS_EX_LAYERED_);
    EXPECT_TRUE(plat::SetLayeredWindowAttributes(f, 0, 128, plat::LWA_ALPHA_));
    EXPECT_EQ(fake::geometria().alpha, 128);
    // Another window or another index is not the main window's extended style.
    EXPECT_EQ(plat::GetWindowLongA(f + 1, plat::GWL_EXSTYLE_), 0);
    EXPECT_EQ(plat::GetWindowLongA(f, -16), 0);
}

TEST_F(SuSchermo, FakeMisureEStampaDelTesto) {
    plat::picture_carattere("Arial", 10, false);
    EXPECT_EQ(plat::picture_larghezza_testo("abcd"), 40.0f);
    EXPECT_EQ(plat::picture_altezza_testo("abcd"), 20.0f);
    plat::picture_carattere("Arial", 10, true);
    EXPECT_EQ(plat::picture_larghezza_testo("abcd"), 44.0f);
    fake::picture() = fake::Immagine(100, 50, BIANCO);
    plat::picture_stampa(-5, 40, "ab");  // cut at the left and bottom edges
    EXPECT_EQ(fake::picture().at(0, 40), 0u);
    EXPECT_EQ(fake::picture().at(16, 49), 0u);
    EXPECT_EQ(fake::picture().at(17, 40), uint32_t(BIANCO));
    EXPECT_EQ(fake::picture().at(0, 39), uint32_t(BIANCO));
}

}  // namespace
