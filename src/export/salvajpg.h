// SalvaJPG: JPEG through the system's GDI+ (flat API, bound at run time), and the
// file replacement that every image save goes through.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

constexpr const char* CLSID_ENCODER_JPEG = "{557CF401-1A04-11D3-9A73-0000F81EF32E}";
constexpr const char* GUID_ENCODER_QUALITY = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
constexpr uint32_t VALORE_TIPO_LONG = 4;

// True when GDI+ is there and exports GdipCreateBitmapFromHBITMAP.
bool verifica_gdiplus();

// The encoder parameters of a save: exactly one, the quality.
std::vector<plat::ParametroEncoder> parametri_jpeg(uint8_t qualita);

// Encodes img as a JPEG file. Throws Errore 5 "Non posso salvare l'immagine. Errore
// GDI+:<status>" when GDI+ fails; an existing file of that name is kept on failure.
void salva_jpg(const plat::Immagine& img, const std::string& percorso, uint8_t qualita);

// Writes a 24-bit BMP; an existing file of that name is kept on failure.
void salva_bmp(const plat::Immagine& img, const std::string& percorso);

// Runs scrivi(temporaneo) for a name beside percorso and, once it has written
// the whole file, renames it over percorso. A failure leaves percorso as it was
// and removes the partial temporary file; the exception goes on to the caller.
void salva_sostituendo(const std::string& percorso,
                       const std::function<void(const std::string&)>& scrivi);
std::string nome_temporaneo_accanto(const std::string& percorso);
