// The three stored options: read once at start-up, written once by "Chiudi".
#include "core/impostazioni.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/frmzoom.h"

std::optional<double> numero_decimale(const std::string& testo) {
    size_t i = 0, fine = testo.size();
    while (i < fine && testo[i] == ' ') ++i;
    while (fine > i && testo[fine - 1] == ' ') --fine;
    const size_t inizio = i;
    if (i < fine && (testo[i] == '+' || testo[i] == '-')) ++i;
    size_t cifre = 0;
    bool punto = false;
    for (; i < fine; ++i) {
        const unsigned char c = static_cast<unsigned char>(testo[i]);
        if (std::isdigit(c))
            ++cifre;
        else if (c == '.' && !punto)
            punto = true;
        else
            return std::nullopt;
    }
    if (cifre == 0) return std::nullopt;
    // strtod reads the same syntax; the program never changes the C locale, so
    // the decimal point is always '.'.
    return std::strtod(testo.substr(inizio, fine - inizio).c_str(), nullptr);
}

int16_t indice_salvato(const std::string& testo, int16_t predefinito) {
    const std::optional<double> v = numero_decimale(testo);
    if (!v) return predefinito;
    const double arrotondato = std::nearbyint(*v);   // half to even
    if (arrotondato < INT16_MIN || arrotondato > INT16_MAX) return predefinito;
    return static_cast<int16_t>(arrotondato);
}

void FrmZoom::leggi_impostazioni() {
    mnuZ_Click(indice_salvato(leggi_ini("Opzioni", "Zoom", file_ini, "2"), 2));
    mnuR_Click(indice_salvato(leggi_ini("Opzioni", "Refresh", file_ini, "2"), 2));
    if (const auto inverti = numero_decimale(leggi_ini("Opzioni", "InvertiColori", file_ini, "0")))
        menubar.mnuInverti.Checked = *inverti != 0;
    mnuD_Click(1);
}

namespace {

// Index of the first checked item, or -1 when none is.
int primo_spuntato(const ArrayMenu& voci) {
    for (size_t i = 0; i < voci.size(); ++i)
        if (voci[i].Checked) return static_cast<int>(i);
    return -1;
}

}  // namespace

void FrmZoom::salva_impostazioni() {
    const int refresh = primo_spuntato(menubar.mnuR);
    if (refresh >= 0) scrivi_ini("Opzioni", "Refresh", std::to_string(refresh), file_ini);
    const int zoom = primo_spuntato(menubar.mnuZ);
    if (zoom >= 0) scrivi_ini("Opzioni", "Zoom", std::to_string(zoom), file_ini);
    scrivi_ini("Opzioni", "InvertiColori", menubar.mnuInverti.Checked ? "-1" : "0", file_ini);
}
