// Reading the numbers of the settings file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A plain decimal number: optional sign, digits with an optional decimal point
// (at least one digit), blanks around it ignored. Anything else is not numeric.
std::optional<double> numero_decimale(const std::string& testo);

// The stored index of a radio submenu: the number rounded half to even, or
// `predefinito` when the text is not numeric or the result does not fit 16 bits.
int16_t indice_salvato(const std::string& testo, int16_t predefinito);
