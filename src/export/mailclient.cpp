// Finding the default mail program and handing the picture to it.
#include <algorithm>
#include <vector>

#include "core/frmzoom.h"
#include "export/errore.h"
#include "export/mailverify.h"

RottaPosta rotta_posta(const std::string& client) {
    if (client == "Outlook Express" || client == "Windows Mail") return RottaPosta::MessaggioFile;
    if (client == "Microsoft Outlook") return RottaPosta::Mailto;
    return RottaPosta::NonCompatibile;
}

std::string indirizzo_mailto(const std::string& oggetto, const std::string& percorso_jpg) {
    // Left as the mail program expects it from this program: not percent-encoded.
    return std::string("mailto: ") + " " + "?subject=" + oggetto + "&body=" + " " + "\"" +
           percorso_jpg + "\"";
}

std::string client_da_valore(const uint8_t* dati, size_t n) {
    // Registry data comes from outside: it may be empty, lack its terminating NUL
    // or carry stray bytes after it. Only the text before the first NUL counts.
    const uint8_t* fine = std::find(dati, dati + n, uint8_t(0));
    return std::string(reinterpret_cast<const char*>(dati), size_t(fine - dati));
}

std::string leggi_client_posta() {
    plat::Handle chiave = 0;
    if (plat::RegOpenKeyEx(plat::HKEY_LOCAL_MACHINE_, CHIAVE_CLIENT_POSTA, 0, KEY_READ_, chiave) != 0)
        return "";
    std::string client;
    uint32_t dimensione = 0;
    if (plat::RegQueryValueEx(chiave, "", nullptr, nullptr, dimensione) == 0 && dimensione > 0) {
        std::vector<uint8_t> dati(dimensione);
        uint32_t tipo = 0;
        uint32_t letti = dimensione;
        if (plat::RegQueryValueEx(chiave, "", &tipo, dati.data(), letti) == 0)
            client = plat::testo_da_ansi(client_da_valore(dati.data(), std::min(letti, dimensione)));
    }
    plat::RegCloseKey(chiave);
    return client;
}

void invia_immagine(const std::string& percorso_jpg) {
    const std::string oggetto = OGGETTO_POSTA;
    const std::string client = leggi_client_posta();
    switch (rotta_posta(client)) {
    case RottaPosta::MessaggioFile:
        try {
            componi_messaggio("", "", "", "", oggetto, "", percorso_jpg);
        } catch (const Errore&) {
            // The mail routines skip what fails: the command ends quietly.
        }
        break;
    case RottaPosta::Mailto:
        plat::ShellExecute(0, "", indirizzo_mailto(oggetto, percorso_jpg), "", "", 1);
        break;
    case RottaPosta::NonCompatibile:
        // Shown directly: the window keeps its always-on-top state meanwhile.
        plat::messaggio_errore(
            std::string("Il programma di posta elettronica non è compatibile con ") + "Vitrelo",
            "Vitrelo");
        break;
    }
}
