// Common set-up of the native tests: a fresh fake platform and frmZoom, a
// window placed on the screen and the magnifier in its live state.
#pragma once

#include <gtest/gtest.h>

#include "core/frmzoom.h"
#include "platform/fake/fake.h"

class SuFake : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(1024, 768); }

    // The state start-up leaves: metrics read, zoom z, live, window at a place
    // of its own, picture of w x h pixels.
    static void avvia(float z = 2, int w = 300, int h = 255, int left = 0, int top = 0) {
        FrmZoom& f = frmZoom;
        f.twip_x = f.twip_y = 15;
        f.larghezza_schermo = fake::stato().schermo.w;
        f.altezza_schermo = fake::stato().schermo.h;
        f.fattore_zoom = z;
        fake::stato().finestra = {left, top, w, h};
        f.picZoomed.Move(0, 0, w, h);
        finestra_visibile = true;
    }

    static const fake::StatoElemento& el(plat::Elem e) {
        return fake::stato().elementi[size_t(e)];
    }
};
