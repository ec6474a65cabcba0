// modINI: one key of a profile (INI) file at a time.
#include "core/frmzoom.h"

namespace {

constexpr uint32_t DIMENSIONE_BUFFER = 255;

std::string senza_spazi(const std::string& s) {
    const size_t primo = s.find_first_not_of(' ');
    if (primo == std::string::npos) return "";
    return s.substr(primo, s.find_last_not_of(' ') - primo + 1);
}

}  // namespace

std::string leggi_ini(const std::string& sezione, const std::string& chiave,
                      const std::string& percorso, const std::string& predefinito) {
    const bool senza_predefinito = senza_spazi(predefinito).empty();
    std::string valore;
    plat::profilo_leggi(sezione, chiave, senza_predefinito ? nullptr : predefinito.c_str(), valore,
                        DIMENSIONE_BUFFER, percorso);
    return senza_spazi(valore);
}

// A file that cannot be written (read-only, no rights) is not an error here.
void scrivi_ini(const std::string& sezione, const std::string& chiave, const std::string& valore,
                const std::string& percorso) {
    plat::profilo_scrivi(sezione, chiave, valore, percorso);
}
