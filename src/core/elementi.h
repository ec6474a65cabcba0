// Window elements as the logic sees them: each keeps its own properties and pushes
// every change to the platform, which only draws it.
#pragma once

#include <string>

#include "core/tipi.h"
#include "platform/platform.h"

struct Elemento {
    explicit Elemento(plat::Elem id, int l = 0, int t = 0, int w = 0, int h = 0, bool vis = true)
        : id(id), Left(l), Top(t), Width(w), Height(h), Visible(vis) {}

    plat::Elem id;
    int Left, Top, Width, Height;
    bool Visible;
    bool Enabled = true;
    std::string Caption;
    std::string ToolTipText;
    Colore BackColor = BIANCO;
    int Picture = 0;      // resource number of the icon shown, 0 = none
    int MousePointer = 0; // 0 default, else cursor resource 101-103

    // Setters push only real changes: the tick restates the freeze state on every
    // pass, and the platform need not redraw what did not change.
    void Move(int l, int t, int w, int h) {
        if (l == Left && t == Top && w == Width && h == Height) return;
        Left = l;
        Top = t;
        Width = w;
        Height = h;
        plat::elemento_posiziona(id, l, t, w, h);
    }
    void setLeft(int v) { Move(v, Top, Width, Height); }
    void setTop(int v) { Move(Left, v, Width, Height); }
    void setWidth(int v) { Move(Left, Top, v, Height); }
    void setHeight(int v) { Move(Left, Top, Width, v); }
    void setVisible(bool v) {
        if (v == Visible) return;
        Visible = v;
        plat::elemento_visibile(id, v);
    }
    void setEnabled(bool v) {
        if (v == Enabled) return;
        Enabled = v;
        plat::elemento_abilitato(id, v);
    }
    void setCaption(const std::string& s) {
        if (s == Caption) return;  // unchanged text: nothing to repaint
        Caption = s;
        plat::elemento_testo(id, s);
    }
    void setToolTip(const std::string& s) {
        if (s == ToolTipText) return;
        ToolTipText = s;
        plat::elemento_tooltip(id, s);
    }
    void setBackColor(Colore c) {
        if (c == BackColor) return;
        BackColor = c;
        plat::elemento_colore(id, c);
    }
    void setPicture(int risorsa) {
        if (risorsa == Picture) return;
        Picture = risorsa;
        plat::elemento_icona(id, risorsa);
    }
    void setMousePointer(int cursore) {
        if (cursore == MousePointer) return;
        MousePointer = cursore;
        plat::elemento_cursore(id, cursore);
    }
};

// Resource numbers.
enum Risorsa : int {
    CUR_MANO = 101,
    CUR_TRASCINA = 102,
    CUR_CONTAGOCCE = 103,
    ICO_APERTO = 201,
    ICO_CHIUSO = 202,
    ICO_PUNTINA = 203,
    SND_BLOCCA = 301,
    SND_PAUSA = 302,
    SND_ESCI = 303,
    ICO_COLORI = 1001,   // imgColori
    ICO_MISURA = 1002,   // imgMisura
    ICO_TRAY = 1003,     // imgIconTray
    ICO_CHIUDI = 1004,   // imgClose
    BMP_LOGO = 2001,     // picLogo
};
