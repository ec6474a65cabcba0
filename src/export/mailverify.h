// MailVerify: the unsent message file with the picture attached, and the hand-off
// of the picture to the user's mail program.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

struct MessaggioPosta {
    std::string destinatario;
    std::string copia;
    std::string copia_nascosta;
    std::string mittente;
    std::string oggetto;
    std::string testo;
    int32_t priorita = 0;
    std::string allegato;  // the whole attachment part, ready to write
};

constexpr const char* OGGETTO_POSTA = "Invio SnapShot Vitrelo";
constexpr const char* CHIAVE_CLIENT_POSTA = "Software\\Clients\\Mail";
constexpr uint32_t KEY_READ_ = 0x20019;

// The message file. Failures throw Errore and reach the caller.
void componi_messaggio(const std::string& mittente, const std::string& destinatario,
                       const std::string& copia, const std::string& copia_nascosta,
                       const std::string& oggetto, const std::string& testo,
                       const std::string& allegato);
bool scrivi_messaggio(plat::Handle file, const MessaggioPosta& m);
std::string codifica_allegato(const std::string& percorso);
std::string estrai_nome_file(const std::string& percorso);
plat::Handle apri_file_scrittura(const std::string& percorso);
void apri_documento(const std::string& verbo, const std::string& file, const std::string& parametri,
                    const std::string& cartella, int modo);

// The message headers and text part, up to the attachment (lines 1-16).
std::string intestazione_messaggio(const MessaggioPosta& m);

// Client detection and hand-off.
enum class RottaPosta { MessaggioFile, Mailto, NonCompatibile };
RottaPosta rotta_posta(const std::string& client);
std::string indirizzo_mailto(const std::string& oggetto, const std::string& percorso_jpg);
std::string leggi_client_posta();
// The client name from the raw bytes of the registry value: text up to the first
// NUL, or all of it when there is none.
std::string client_da_valore(const uint8_t* dati, size_t n);
void invia_immagine(const std::string& percorso_jpg);
