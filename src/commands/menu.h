// The command menu as data: the tree, captions, check marks, enabled and visible
// states live here; the platform builds a popup from it when it is opened.
#pragma once

#include <string>
#include <vector>

struct VoceMenu {
    std::string Caption;
    bool Checked = false;
    bool Enabled = true;
    bool Visible = true;
    bool separatore = false;
};

// An item array of the toolkit: items numbered from 0 without gaps, one handler.
using ArrayMenu = std::vector<VoceMenu>;

struct Menubar {
    VoceMenu mnuzoom{"Zoom"};
    ArrayMenu mnuZ{{" .5 x"}, {"  1 x"}, {"  2 x"}, {"  3 x"}, {"  4 x"},
                   {"  6 x"}, {"  8 x"}, {"10 x"},  {"12 x"}};
    VoceMenu mnudimensione{"Dimensione finestra"};
    ArrayMenu mnuD{{"minima"}, {"1/8 schermo"}, {"1/4 schermo"}, {"Barra Alta"}, {"Barra Bassa"}};
    VoceMenu mnuRefresh{"Refresh"};
    ArrayMenu mnuR{{"10 ms"}, {"50 ms"}, {"100 ms"}, {"250 ms"}, {"500 ms"}};
    VoceMenu mnucopia{"Immagine", false, false};
    ArrayMenu mnuC_S{{"Copia"}, {"Salva"}, {"Invia immagine per posta"}};
    VoceMenu mnuColor{"Individua colore"};
    VoceMenu mnuCattura{"Cattura Immagine"};
    VoceMenu mnuInverti{"Inverti colori"};
    VoceMenu mnuGriglia{"Griglia"};
    VoceMenu mnuDimensioni{"Dimensioni X-Y"};
    VoceMenu spazio0{"-", false, true, true, true};
    VoceMenu mnuM{"Minimizza"};
    VoceMenu spazio1{"-", false, true, true, true};
    VoceMenu mnuhelp{"Help"};
    ArrayMenu mnuH{{"Guida in linea"}, {"Informazioni"}};
    VoceMenu spazio2{"-", false, true, true, true};
    VoceMenu mnuC{"Chiudi"};
};

// Removes the check mark from every item of an item array.
inline void deseleziona_menu(ArrayMenu& voci) {
    for (auto& v : voci) v.Checked = false;
}
