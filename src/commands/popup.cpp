#include "commands/popup.h"

#include "core/frmzoom.h"

namespace {

plat::VocePopup voce(const VoceMenu& v, int id) {
    plat::VocePopup p;
    p.id = v.separatore ? 0 : id;
    p.testo = v.Caption;
    p.spuntata = v.Checked;
    p.abilitata = v.Enabled;
    p.separatore = v.separatore;
    return p;
}

void aggiungi(std::vector<plat::VocePopup>& voci, const VoceMenu& v, int id) {
    if (v.Visible) voci.push_back(voce(v, id));
}

void aggiungi_sottomenu(std::vector<plat::VocePopup>& voci, const VoceMenu& v,
                        const ArrayMenu& array, int base) {
    if (!v.Visible) return;
    plat::VocePopup sotto = voce(v, 0);
    for (size_t i = 0; i < array.size(); ++i)
        if (array[i].Visible) sotto.sottovoci.push_back(voce(array[i], base + static_cast<int>(i)));
    // A submenu with nothing visible inside would open an empty box: leave it out.
    if (!sotto.sottovoci.empty()) voci.push_back(sotto);
}

}  // namespace

std::vector<plat::VocePopup> costruisci_popup() {
    const Menubar& m = frmZoom.menubar;
    std::vector<plat::VocePopup> voci;
    aggiungi_sottomenu(voci, m.mnuzoom, m.mnuZ, ID_MNUZ);
    aggiungi_sottomenu(voci, m.mnudimensione, m.mnuD, ID_MNUD);
    aggiungi_sottomenu(voci, m.mnuRefresh, m.mnuR, ID_MNUR);
    aggiungi_sottomenu(voci, m.mnucopia, m.mnuC_S, ID_MNUC_S);
    aggiungi(voci, m.mnuColor, ID_MNUCOLOR);
    aggiungi(voci, m.mnuCattura, ID_MNUCATTURA);
    aggiungi(voci, m.mnuInverti, ID_MNUINVERTI);
    aggiungi(voci, m.mnuGriglia, ID_MNUGRIGLIA);
    aggiungi(voci, m.mnuDimensioni, ID_MNUDIMENSIONI);
    aggiungi(voci, m.spazio0, 0);
    if (m.mnuM.Visible) {
        voci.push_back(voce(m.mnuM, ID_MNUM));
        voci.back().predefinita = true;
    }
    aggiungi(voci, m.spazio1, 0);
    aggiungi_sottomenu(voci, m.mnuhelp, m.mnuH, ID_MNUH);
    aggiungi(voci, m.spazio2, 0);
    aggiungi(voci, m.mnuC, ID_MNUC);
    return voci;
}

namespace {

// Index of id inside the array that starts at base, or -1.
int indice(int id, int base, const ArrayMenu& array) {
    const int i = id - base;
    return i >= 0 && i < static_cast<int>(array.size()) ? i : -1;
}

}  // namespace

void esegui_comando(int id) {
    FrmZoom& f = frmZoom;
    const Menubar& m = f.menubar;
    int i;
    if ((i = indice(id, ID_MNUZ, m.mnuZ)) >= 0) return f.mnuZ_Click(static_cast<int16_t>(i));
    if ((i = indice(id, ID_MNUD, m.mnuD)) >= 0) return f.mnuD_Click(static_cast<int16_t>(i));
    if ((i = indice(id, ID_MNUR, m.mnuR)) >= 0) return f.mnuR_Click(static_cast<int16_t>(i));
    if ((i = indice(id, ID_MNUC_S, m.mnuC_S)) >= 0) return f.mnuC_S_Click(static_cast<int16_t>(i));
    if ((i = indice(id, ID_MNUH, m.mnuH)) >= 0) return f.mnuH_Click(static_cast<int16_t>(i));
    switch (id) {
    case ID_MNUCOLOR: return f.mnuColor_Click();
    case ID_MNUCATTURA: return f.mnuCattura_Click();
    case ID_MNUINVERTI: return f.mnuInverti_Click();
    case ID_MNUGRIGLIA: return f.mnuGriglia_Click();
    case ID_MNUDIMENSIONI: return f.mnuDimensioni_Click();
    case ID_MNUM: return f.mnuM_Click();
    case ID_MNUC: return f.mnuC_Click();
    default: return;
    }
}

void apri_menubar(bool dal_tray) { esegui_comando(plat::menu_popup(costruisci_popup(), dal_tray)); }
