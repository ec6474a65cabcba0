// Modulo1: small system utilities shared by the whole program.
#include "core/frmzoom.h"

std::string percorso_app() {
    std::string p = plat::cartella_programma();
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

bool esiste_file(const std::string& percorso) {
    uint32_t attributi = 0;
    if (!plat::attributi_file(percorso, attributi)) return false;
    return (attributi & 0x10) == 0;
}

void suona(int16_t numero) { plat::suona_risorsa(numero); }

void sempre_in_primo_piano(bool attiva) { plat::finestra_primo_piano(attiva); }

std::string cartella_temporanea() {
    // The system may need more than 260 characters: ask again with the size it
    // reports rather than returning a truncated path.
    unsigned richiesta = 0;
    std::string p = plat::GetTempPath(260, richiesta);
    if (richiesta > 260) p = plat::GetTempPath(richiesta, richiesta);
    return p;
}

bool versione_nt5() {
    uint32_t maggiore = 0, minore = 0;
    if (!plat::GetVersionEx(maggiore, minore)) return false;
    return maggiore >= 5;
}
