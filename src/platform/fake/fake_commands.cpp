#include "platform/fake/fake_commands.h"

#include <algorithm>
#include <cctype>

#include "commands/about.h"
#include "core/frmzoom.h"
#include "platform/fake/fake.h"

namespace fake {
namespace {

StatoComandi g_comandi;

std::string minuscolo(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string togli_blank(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// A profile file as lines without their line breaks.
std::vector<std::string> righe(const std::string& testo) {
    std::vector<std::string> r;
    size_t i = 0;
    while (i < testo.size()) {
        size_t fine = testo.find('\n', i);
        if (fine == std::string::npos) fine = testo.size();
        std::string riga = testo.substr(i, fine - i);
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        r.push_back(riga);
        i = fine + 1;
    }
    return r;
}

// "[nome]" -> nome, trimmed; not a header -> false.
bool intestazione(const std::string& riga, std::string& nome) {
    const std::string t = togli_blank(riga);
    if (t.size() < 2 || t.front() != '[') return false;
    const size_t chiusa = t.find(']');
    if (chiusa == std::string::npos) return false;
    nome = togli_blank(t.substr(1, chiusa - 1));
    return true;
}

// "chiave = valore" -> trimmed key and value; no '=' -> false.
bool coppia(const std::string& riga, std::string& chiave, std::string& valore) {
    const size_t uguale = riga.find('=');
    if (uguale == std::string::npos) return false;
    chiave = togli_blank(riga.substr(0, uguale));
    valore = togli_blank(riga.substr(uguale + 1));
    return true;
}

// Index range [inizio, fine) of the lines of a section, the header excluded.
bool trova_sezione(const std::vector<std::string>& r, const std::string& sezione, size_t& inizio,
                   size_t& fine) {
    std::string nome;
    for (size_t i = 0; i < r.size(); ++i) {
        if (!intestazione(r[i], nome) || minuscolo(nome) != minuscolo(sezione)) continue;
        inizio = i + 1;
        fine = inizio;
        while (fine < r.size() && !intestazione(r[fine], nome)) ++fine;
        return true;
    }
    return false;
}

}  // namespace

StatoComandi& comandi() { return g_comandi; }
void reset_comandi() { g_comandi = StatoComandi{}; }

const plat::VocePopup* trova_voce(const std::vector<plat::VocePopup>& voci,
                                  const std::vector<std::string>& percorso) {
    const std::vector<plat::VocePopup>* livello = &voci;
    const plat::VocePopup* trovata = nullptr;
    for (const std::string& testo : percorso) {
        auto it = std::find_if(livello->begin(), livello->end(), [&](const plat::VocePopup& v) {
            return !v.separatore && v.testo == testo;
        });
        if (it == livello->end()) return nullptr;
        trovata = &*it;
        livello = &it->sottovoci;
    }
    return trovata;
}

}  // namespace fake

using fake::g_comandi;

namespace plat {

int menu_popup(const std::vector<VocePopup>& voci, bool dal_tray) {
    g_comandi.popup.push_back({voci, dal_tray, fake::stato().timer_abilitato});
    if (g_comandi.durante_popup) g_comandi.durante_popup();
    if (g_comandi.scelte.empty()) return 0;
    const std::vector<std::string> percorso = g_comandi.scelte.front();
    g_comandi.scelte.erase(g_comandi.scelte.begin());
    // A real menu lets the user choose only enabled leaves inside enabled submenus.
    const std::vector<VocePopup>* livello = &voci;
    const VocePopup* voce = nullptr;
    for (const std::string& testo : percorso) {
        voce = fake::trova_voce(*livello, {testo});
        if (!voce || !voce->abilitata) return 0;
        livello = &voce->sottovoci;
    }
    return voce && voce->sottovoci.empty() ? voce->id : 0;
}

bool notifica_icona(uint32_t messaggio, const DatiNotifica& dati) {
    g_comandi.notifiche.emplace_back(messaggio, dati);
    // As the shell does: a second icon with the same id, or deleting none, fails.
    if (messaggio == NIM_ADD_) {
        if (g_comandi.aggiunta_fallisce || g_comandi.icona_presente) return false;
        g_comandi.icona_presente = true;
        return true;
    }
    if (messaggio == NIM_DELETE_) {
        if (!g_comandi.icona_presente) return false;
        g_comandi.icona_presente = false;
        return true;
    }
    return false;
}

void ReleaseCapture() { fake::stato().eventi.push_back("ReleaseCapture"); }

intptr_t invia_messaggio(Handle finestra, uint32_t messaggio, uintptr_t wParam, intptr_t lParam) {
    fake::stato().eventi.push_back("messaggio " + std::to_string(messaggio));
    if (finestra == finestra_handle() && messaggio == WM_NCLBUTTONDOWN_ && wParam == HTCAPTION_ &&
        lParam == 0) {
        // The system's move loop: it runs until the button is released.
        ++g_comandi.trascinamenti;
        g_comandi.timer_durante_trascinamento = fake::stato().timer_abilitato;
        g_comandi.cursore_durante_trascinamento =
            fake::stato().elementi[size_t(Elem::picZoomed)].cursore;
        const Rettangolo r = finestra_rettangolo();
        finestra_sposta(r.left + g_comandi.spostamento.x, r.top + g_comandi.spostamento.y);
    }
    return 0;
}

uint32_t profilo_leggi(const std::string& sezione, const std::string& chiave,
                       const char* predefinito, std::string& risultato, uint32_t dimensione,
                       const std::string& file) {
    // The default loses its trailing blanks, as the system's does.
    std::string valore = predefinito ? predefinito : "";
    valore.erase(valore.find_last_not_of(' ') + 1);
    auto f = g_comandi.profili.find(file);
    if (f != g_comandi.profili.end()) {
        const std::vector<std::string> r = fake::righe(f->second);
        size_t inizio, fine;
        if (fake::trova_sezione(r, sezione, inizio, fine)) {
            std::string k, v;
            for (size_t i = inizio; i < fine; ++i) {
                if (!fake::coppia(r[i], k, v) || fake::minuscolo(k) != fake::minuscolo(chiave))
                    continue;
                // One pair of matching quotes around the value is removed.
                if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                    v = v.substr(1, v.size() - 2);
                valore = v;
                break;
            }
        }
    }
    if (dimensione == 0) {
        risultato.clear();
        return 0;
    }
    if (valore.size() > dimensione - 1) valore.resize(dimensione - 1);
    risultato = valore;
    return static_cast<uint32_t>(valore.size());
}

bool profilo_scrivi(const std::string& sezione, const std::string& chiave,
                    const std::string& valore, const std::string& file) {
    const bool esiste = g_comandi.profili.count(file) > 0;
    const auto attributi = fake::stato().file_system.find(file);
    const bool sola_lettura = attributi != fake::stato().file_system.end() && (attributi->second & 1);
    if (sola_lettura || g_comandi.sola_lettura.count(file)) return false;
    const std::string riga_nuova = chiave + "=" + valore;
    if (!esiste) {
        g_comandi.profili[file] = "[" + sezione + "]\r\n" + riga_nuova + "\r\n";
        fake::stato().file_system[file] = 0x20;
        return true;
    }
    std::vector<std::string> r = fake::righe(g_comandi.profili[file]);
    size_t inizio, fine;
    if (!fake::trova_sezione(r, sezione, inizio, fine)) {
        r.push_back("[" + sezione + "]");
        r.push_back(riga_nuova);
    } else {
        std::string k, v;
        size_t i = inizio, ultima_piena = inizio;
        for (; i < fine; ++i) {
            if (!fake::togli_blank(r[i]).empty()) ultima_piena = i + 1;
            if (fake::coppia(r[i], k, v) && fake::minuscolo(k) == fake::minuscolo(chiave)) break;
        }
        if (i < fine)
            r[i] = k + "=" + valore;   // the key keeps its spelling in the file
        else
            r.insert(r.begin() + static_cast<std::ptrdiff_t>(ultima_piena), riga_nuova);
    }
    std::string testo;
    for (const std::string& riga : r) testo += riga + "\r\n";
    g_comandi.profili[file] = testo;
    return true;
}

Handle apri_guida(Handle finestra, const std::string& file, uint32_t comando, uintptr_t dati) {
    g_comandi.guide.push_back({finestra, file, comando, dati});
    return g_comandi.risultato_guida;
}

bool versione_programma(int& maggiore, int& minore, int& revisione) {
    maggiore = g_comandi.versione[0];
    minore = g_comandi.versione[1];
    revisione = g_comandi.versione[2];
    return true;
}

void about_mostra(FrmZoomAbout& box) {
    ++g_comandi.about_mostrati;
    g_comandi.about_aperto = true;
    g_comandi.timer_durante_about = fake::stato().timer_abilitato;
    box.Form_Load();
    g_comandi.testi_about = {box.Caption, box.lblProductVersion, box.lblCredito};
    if (g_comandi.utente_about)
        g_comandi.utente_about(box);
    else
        box.cmdOK_Click();
    g_comandi.about_aperto = false;
}

void about_chiudi() { ++g_comandi.about_chiusure; }
Handle about_handle() { return g_comandi.about_aperto ? 0x88 : 0; }
void about_primo_piano() { g_comandi.about_in_primo_piano = true; }

}  // namespace plat
