// The attachment encoder: decoded back it gives the input, and the line rule holds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "comune/base64_riferimento.h"
#include "export/base64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    std::string out;
    size_t chiuse = 0;
    codifica_base64_righe(dati, n, out, [](void* c) { ++*static_cast<size_t*>(c); }, &chiuse);
    if (out.size() != lunghezza_base64_righe(n)) std::abort();

    // Lines: every one but the last holds 68 characters, the last 4 to 72.
    std::vector<std::string> righe;
    if (!base64_riferimento::righe(out, righe)) std::abort();  // every line ends in CR LF
    if (n == 0 && !righe.empty()) std::abort();
    for (size_t i = 0; i + 1 < righe.size(); ++i)
        if (righe[i].size() != 68) std::abort();
    if (!righe.empty() && (righe.back().size() < 4 || righe.back().size() > 72)) std::abort();
    if (chiuse + (righe.empty() ? 0 : 1) != righe.size()) std::abort();

    // Decoded back, independently of the encoder, with zero fill bits.
    std::string tutto;
    for (const std::string& r : righe) tutto += r;
    std::vector<uint8_t> dec;
    if (!base64_riferimento::decodifica(tutto, dec)) std::abort();
    if (dec.size() != n || (n && std::memcmp(dec.data(), dati, n) != 0)) std::abort();
    return 0;
}
