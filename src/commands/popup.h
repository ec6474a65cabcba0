// The command menu shown as a popup: built from the menu model on every opening,
// so captions, check marks, enabled and visible states are always the current ones.
#pragma once

#include <vector>

#include "platform/platform.h"

// Command ids of the popup's items: an item array's base plus the item's Index.
enum IdComando : int {
    ID_MNUZ = 100,
    ID_MNUD = 200,
    ID_MNUR = 300,
    ID_MNUC_S = 400,
    ID_MNUH = 500,
    ID_MNUCOLOR = 601,
    ID_MNUCATTURA,
    ID_MNUINVERTI,
    ID_MNUGRIGLIA,
    ID_MNUDIMENSIONI,
    ID_MNUM,
    ID_MNUC,
};

// The visible tree in display order, mnuM as the default item.
std::vector<plat::VocePopup> costruisci_popup();
// Runs the handler of a chosen item; unknown ids (0 = dismissed) do nothing.
void esegui_comando(int id);
// Opens menubar at the pointer and runs the chosen item's handler before returning.
void apri_menubar(bool dal_tray);
