// The file-dialog class OpenSave, and the extension test of the save command.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

class OpenSave {
public:
    void Filter(const std::string& v) { filtro_ = v; }
    void DialogTitle(const std::string& v) { titolo_ = v; }
    void hOwner(plat::Handle v) { owner_ = v; }
    void DefaultExt(const std::string& v) { estensione_ = v; }
    void InitDir(const std::string& v) { cartella_ = v; }
    int32_t FilterIndex() const { return indice_filtro_; }
    void FilterIndex(int32_t v) { indice_filtro_ = v; }
    const std::string& filename() const { return nome_; }
    void filename(const std::string& v) { nome_ = v; }

    // Show the dialog; afterwards filename() is the chosen path or "" (cancelled).
    int32_t ShowOpen();
    int32_t ShowSave();

    // The dialog record as these fields describe it.
    plat::DialogoFile PrepareOFN() const;

private:
    int32_t mostra(int32_t (*chiamata)(plat::DialogoFile&));

    std::string titolo_, filtro_, cartella_, estensione_, nome_;
    int32_t indice_filtro_ = 0;
    plat::Handle owner_ = 0;
    int32_t risultato_ = 0;
};

constexpr uint32_t OFN_FLAGS_VITRELO = 0x1804;  // HIDEREADONLY | PATHMUSTEXIST | FILEMUSTEXIST
constexpr uint32_t OFN_BUFFER = 255;

// Its last three characters when the name holds a dot, else "".
std::string estensione_file(const std::string& nome);

enum class RamoSalvataggio { BMP, JPG, Rifiutato };
// What the save command does with a chosen name (the extension in any letter case).
RamoSalvataggio ramo_salvataggio(const std::string& nome);
