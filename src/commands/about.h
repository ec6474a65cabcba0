// The information box frmZoomAbout: version, credits and links. The platform shows
// it modally and calls these handlers; the texts are the box's state.
#pragma once

#include <string>

// The project's own addresses. example.org is reserved for documentation: these
// stand until the project has real ones.
namespace about {
inline const std::string AUTORE = "Redazione Vitrelo";
inline const std::string EMAIL_AUTORE = "autore@example.org";
inline const std::string COLLABORATORE = "Esempio Studio";
inline const std::string EMAIL_COLLABORATORE = "studio@example.org";
inline const std::string SITO_COLLABORATORE = "http://www.example.org/";
}  // namespace about

struct FrmZoomAbout {
    std::string Caption = "Vitrelo";
    std::string lblProductVersion;
    std::string Label3 = "Copyright (C) 2004-2026 " + about::AUTORE;
    std::string lblEmail = about::EMAIL_AUTORE;
    std::string lblEmail_ToolTip = "e-mail";
    std::string lblCredito;
    std::string imgLogo_ToolTip = "Sito Internet " + about::SITO_COLLABORATORE;
    std::string lblSitoInternet = about::EMAIL_COLLABORATORE;
    std::string lblSitoInternet_ToolTip = "e-mail";
    std::string cmdOK = "OK";
    std::string cmdOK_ToolTip = "Chiude la finestra informazioni";

    void Form_Load();
    void cmdOK_Click();
    void imgLogo_Click();
    void lblEmail_Click();
    void lblSitoInternet_Click();

    // "mailto:" link with the subject appended as it is, blanks included.
    std::string collegamento_posta(const std::string& indirizzo) const;
};
