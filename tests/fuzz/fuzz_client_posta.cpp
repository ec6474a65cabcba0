// The registry's mail-client value is outside input: any bytes, with or without NULs.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "export/mailverify.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string c = client_da_valore(dati, n);
    if (c.size() > n || c.find('\0') != std::string::npos) std::abort();
    if (std::memcmp(c.data(), dati, c.size()) != 0) std::abort();  // a prefix of the value
    if (c.size() < n && dati[c.size()] != 0) std::abort();         // cut exactly at the NUL
    const RottaPosta r = rotta_posta(c);
    const bool nota = c == "Outlook Express" || c == "Windows Mail" || c == "Microsoft Outlook";
    if (nota == (r == RottaPosta::NonCompatibile)) std::abort();
    return 0;
}
