// Settings values as read from the file: any bytes must give a usable index.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/impostazioni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string s(reinterpret_cast<const char*>(dati), n);
    const auto v = numero_decimale(s);
    const int16_t i = indice_salvato(s, 2);
    if (!v) {
        if (i != 2) std::abort();  // not numeric: the default
    } else if (std::isfinite(*v) && std::fabs(*v) < 32767.0) {
        if (i != static_cast<int16_t>(std::lrint(*v))) std::abort();
    }
    return 0;
}
