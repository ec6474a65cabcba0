// The error object of the export commands: a number and a description, as the
// command's error trap receives them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

struct Errore : std::runtime_error {
    Errore(int32_t numero, const std::string& descrizione)
        : std::runtime_error(descrizione), Number(numero), Description(descrizione) {}
    int32_t Number;
    std::string Description;
};

// Numbers used by the export procedures.
constexpr int32_t ERR_GDIPLUS = 5;         // salva_jpg: GDI+ reported a status
constexpr int32_t ERR_FILE_NON_TROVATO = 53;
constexpr int32_t ERR_ACCESSO_FILE = 75;
constexpr int32_t ERR_APPUNTI = 521;       // the clipboard could not be opened or written
