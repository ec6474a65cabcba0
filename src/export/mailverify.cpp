#include "export/mailverify.h"

#include <cstring>
#include <vector>

#include "core/frmzoom.h"
#include "export/base64.h"
#include "export/errore.h"

namespace {

const std::string CRLF = "\r\n";
const std::string Q = "\"";
const std::string DELIMITATORE = "------=_NextPart_";

void scrivi(plat::Handle f, const std::string& s) {
    if (!plat::file_scrivi(f, s.data(), s.size()))
        throw Errore(ERR_ACCESSO_FILE, "Errore di accesso al file");
}

// Keeps the window answering while a large attachment is encoded, without paying
// for a trip through the message loop when nothing is waiting.
void servi_coda(void*) {
    if (plat::input_in_attesa()) plat::elabora_messaggi();
}

}  // namespace

std::string estrai_nome_file(const std::string& percorso) {
    const size_t i = percorso.rfind('\\');
    return i == std::string::npos ? percorso : percorso.substr(i + 1);
}

std::string codifica_allegato(const std::string& percorso) {
    std::vector<uint8_t> dati;
    if (!plat::file_leggi(percorso, dati)) throw Errore(ERR_FILE_NON_TROVATO, "File non trovato");
    const std::string nome = estrai_nome_file(percorso);
    std::string out;
    out.reserve(512 + lunghezza_base64_righe(dati.size()));
    out += CRLF;
    out += DELIMITATORE + CRLF;
    out += "Content-Type: application/octet-stream; name=" + Q + nome + Q + CRLF;
    out += "Content-Transfer-Encoding: base64" + CRLF;
    out += "Content-Disposition: attachment; filename=" + Q + nome + Q + CRLF;
    out += CRLF;
    codifica_base64_righe(dati.data(), dati.size(), out, &servi_coda, nullptr);
    out += CRLF + DELIMITATORE + "--" + CRLF;
    out += CRLF + "." + CRLF;
    return out;
}

std::string intestazione_messaggio(const MessaggioPosta& m) {
    std::string s = "From: <" + m.mittente + ">" + CRLF;
    if (!m.destinatario.empty()) s += "To: " + Q + m.destinatario + Q + CRLF;
    if (!m.copia.empty()) s += "CC: " + Q + m.copia + Q + CRLF;
    if (!m.copia_nascosta.empty()) s += "BCC: " + Q + m.copia_nascosta + Q + CRLF;
    s += "Subject: " + m.oggetto + CRLF;
    if (!m.allegato.empty()) {
        s += "MIME-Version: 1.0" + CRLF;
        s += "Content-Type: multipart/mixed;" + CRLF;
        s += "    boundary=" + Q + "----=_NextPart_" + Q + CRLF;
    }
    // A number prints with a blank or a minus sign before it and one blank after.
    const int64_t p = m.priorita;
    s += "X-Priority:" + std::string(p < 0 ? "-" : " ") + std::to_string(p < 0 ? -p : p) + " " + CRLF;
    s += "X-Unsent: 1" + CRLF;
    s += CRLF;
    s += DELIMITATORE + CRLF;
    s += "Content-Type: text/plain;" + CRLF;
    s += "    charset=" + Q + "iso-8859-1" + Q + CRLF;
    s += "Content-Transfer-Encoding: quoted-printable" + CRLF;
    s += CRLF;
    s += m.testo + CRLF;
    s += CRLF;
    return s;
}

bool scrivi_messaggio(plat::Handle file, const MessaggioPosta& m) {
    try {
        scrivi(file, intestazione_messaggio(m));
        if (!m.allegato.empty()) {
            scrivi(file, m.allegato);
            scrivi(file, CRLF);
        }
    } catch (...) {
        plat::file_chiudi(file);  // the file is not left open by a failed write
        throw;
    }
    if (!plat::file_chiudi(file)) throw Errore(ERR_ACCESSO_FILE, "Errore di accesso al file");
    return true;
}

plat::Handle apri_file_scrittura(const std::string& percorso) {
    const plat::Handle f = plat::file_apri_scrittura(percorso);
    if (f == 0) throw Errore(ERR_ACCESSO_FILE, "Errore di accesso al file");
    return f;
}

void apri_documento(const std::string& verbo, const std::string& file, const std::string& parametri,
                    const std::string& cartella, int modo) {
    plat::ShellExecute(plat::GetDesktopWindow(), verbo, file, parametri, cartella, modo);
}

void componi_messaggio(const std::string& mittente, const std::string& destinatario,
                       const std::string& copia, const std::string& copia_nascosta,
                       const std::string& oggetto, const std::string& testo,
                       const std::string& allegato) {
    const std::string percorso = cartella_temporanea() + "Vitrelo" + "Image.eml";
    MessaggioPosta m;
    m.mittente = mittente;
    m.destinatario = destinatario;
    m.copia = copia;
    m.copia_nascosta = copia_nascosta;
    m.oggetto = oggetto;
    m.testo = testo;
    m.priorita = -1;
    m.allegato = codifica_allegato(allegato);
    if (scrivi_messaggio(apri_file_scrittura(percorso), m))
        apri_documento("Open", percorso, "", "", 1);
}
