// The fake platform's image-export side: a clipboard, file contents, file dialogs,
// GDI+, the registry and the shell, all recorded so a test can check what the
// export commands asked for and make any step fail.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

struct ChiamataShell {
    plat::Handle owner = 0;
    std::string verbo, file, parametri, cartella;
    int modo = 0;
};

struct StatoEsporta {
    // clipboard
    bool appunti_occupati = false;      // held open by another program
    bool appunti_con_bitmap = false;
    plat::Immagine appunti;             // what the clipboard holds as a bitmap
    int aperture_appunti = 0;

    // file dialogs: every record shown, and the answer of the simulated user
    std::vector<plat::DialogoFile> dialoghi;
    std::function<std::string(const plat::DialogoFile&)> utente;  // "" = Cancel
    std::function<void()> durante_dialogo;   // runs while the dialog is "open"

    // libraries
    std::set<std::string> librerie_assenti;       // lower-case names that fail to load
    std::set<std::string> funzioni_assenti;       // exports that GetProcAddress misses
    int librerie_aperte = 0;

    // GDI+: statuses to return, calls in order, live objects
    uint32_t stato_startup = 0, stato_bitmap = 0, stato_salva = 0;
    std::vector<std::string> chiamate_gdip;
    int gdip_avviati = 0, gdip_bitmap_vive = 0;
    std::string ultimo_encoder;
    std::vector<plat::ParametroEncoder> ultimi_parametri;

    // file contents, by path exactly as given; attributes go to stato().file_system
    std::map<std::string, std::vector<uint8_t>> contenuti;
    std::set<std::string> cartelle_mancanti;      // writes into these folders fail
    bool scrittura_fallisce = false;              // every file_scrivi fails (disk full)
    int file_aperti = 0;

    // registry: HKLM and HKCU sub-keys (lower case) -> default value's raw bytes
    std::map<std::string, std::vector<uint8_t>> hklm, hkcu;
    std::vector<uint32_t> accessi_registro;
    int chiavi_aperte = 0;

    std::vector<ChiamataShell> shell;
};

StatoEsporta& esporta();
void reset_esporta();

// The bytes salva via the fake GDI+ writes for a picture: "JPEG" and its size.
std::vector<uint8_t> jpeg_finto(const plat::Immagine& img);

}  // namespace fake
