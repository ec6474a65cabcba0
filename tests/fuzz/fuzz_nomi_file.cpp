// File names given to the extension test and the save branch.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "export/opensave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string nome(reinterpret_cast<const char*>(dati), n);
    const std::string e = estensione_file(nome);
    if (nome.find('.') == std::string::npos) {
        if (!e.empty()) std::abort();
    } else {
        // The last three characters; names are UTF-8, so a character may take
        // several bytes, and a pure ASCII name gives exactly three bytes.
        if (e.size() > nome.size() || nome.compare(nome.size() - e.size(), e.size(), e) != 0)
            std::abort();
        size_t caratteri = 0;
        bool ascii = true;
        for (unsigned char c : nome) ascii = ascii && c < 0x80;
        for (unsigned char c : e) caratteri += (c & 0xC0) != 0x80;
        if (caratteri > 3 || e.empty()) std::abort();
        if (ascii && e.size() != std::min<size_t>(3, nome.size())) std::abort();
    }
    std::string su = e;
    for (char& c : su) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const RamoSalvataggio r = ramo_salvataggio(nome);
    const RamoSalvataggio atteso = su == "BMP"   ? RamoSalvataggio::BMP
                                   : su == "JPG" ? RamoSalvataggio::JPG
                                                 : RamoSalvataggio::Rifiutato;
    if (r != atteso) std::abort();
    return 0;
}
