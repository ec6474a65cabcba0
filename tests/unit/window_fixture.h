// Set-up shared by the window-geometry tests: a fresh fake of a given screen, with
// the metrics start-up reads, and helpers to read the window back.
#pragma once

#include <gtest/gtest.h>

#include "core/frmzoom.h"
#include "platform/fake/fake.h"
#include "platform/fake/fake_window.h"

class SuSchermo : public ::testing::Test {
protected:
    void SetUp() override { schermo(1024, 768); }

    // A screen of w x h pixels at the given dots per inch, the live state after
    // start-up at zoom 2x (or 0.5x), and the window at r with a frame of bordo px.
    static void schermo(int w, int h, int dpi = 96, bool mezzo = false,
                        plat::Rettangolo r = {100, 100, 300, 255}, int bordo = 3) {
        fake::reset(w, h);
        fake::reset_geometria();
        fake::stato().dpi = dpi;
        fake::stato().bordo = bordo;
        fake::stato().finestra = r;
        FrmZoom& f = frmZoom;
        f.twip_x = f.twip_y = 1440 / dpi;
        f.larghezza_schermo = w;
        f.altezza_schermo = h;
        f.fattore_zoom = mezzo ? 0.5f : 2.0f;
        f.menubar.mnuZ[mezzo ? 0 : 2].Checked = true;
        finestra_visibile = true;
    }

    static plat::Rettangolo finestra() { return fake::stato().finestra; }
    static const fake::StatoElemento& el(plat::Elem e) { return fake::stato().elementi[size_t(e)]; }
    // The index of the checked size preset, -1 when none is checked.
    static int preset_spuntato() {
        int trovato = -1;
        for (size_t i = 0; i < frmZoom.menubar.mnuD.size(); ++i) {
            if (!frmZoom.menubar.mnuD[i].Checked) continue;
            if (trovato != -1) return -2;  // more than one: always wrong
            trovato = int(i);
        }
        return trovato;
    }
};
