#include "commands/about.h"

#include "platform/platform.h"

namespace {

constexpr int SW_SHOWNORMAL_ = 1;

}  // namespace

void FrmZoomAbout::Form_Load() {
    plat::about_primo_piano();
    int maggiore = 0, minore = 0, revisione = 0;
    plat::versione_programma(maggiore, minore, revisione);
    lblProductVersion = "  Versione " + std::to_string(maggiore) + "." + std::to_string(minore) +
                        "." + std::to_string(revisione);
    lblCredito = "Programma realizzato con la\r\ncollaborazione di " + about::COLLABORATORE;
}

std::string FrmZoomAbout::collegamento_posta(const std::string& indirizzo) const {
    return "mailto:" + indirizzo + "?Subject=" + "Vitrelo" + " - " + lblProductVersion;
}

// A link that cannot be opened is not reported: the box closes in any case.
void FrmZoomAbout::lblEmail_Click() {
    plat::ShellExecute(plat::about_handle(), "", collegamento_posta(about::EMAIL_AUTORE), "", "",
                       SW_SHOWNORMAL_);
    plat::about_chiudi();
}

void FrmZoomAbout::lblSitoInternet_Click() {
    plat::ShellExecute(plat::about_handle(), "", collegamento_posta(about::EMAIL_COLLABORATORE), "",
                       "", SW_SHOWNORMAL_);
    plat::about_chiudi();
}

void FrmZoomAbout::imgLogo_Click() {
    plat::ShellExecute(plat::about_handle(), "", about::SITO_COLLABORATORE, "", "", SW_SHOWNORMAL_);
    plat::about_chiudi();
}

void FrmZoomAbout::cmdOK_Click() { plat::about_chiudi(); }
