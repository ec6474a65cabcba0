// The attachment encoder: decoded back it gives the input, and the line rule holds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "export/base64.h"

namespace {

int valore(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    std::string out;
    size_t chiuse = 0;
    codifica_base64_righe(dati, n, out, [](void* c) { ++*static_cast<size_t*>(c); }, &chiuse);
    if (out.size() != lunghezza_base64_righe(n)) std::abort();

    // Lines: every one but the last holds 68 characters, the last 4 to 72.
    std::vector<std::string> righe;
    size_t inizio = 0;
    while (inizio < out.size()) {
        const size_t fine = out.find("\r\n", inizio);
        if (fine == std::string::npos) std::abort();  // every line ends in CR LF
        righe.push_back(out.substr(inizio, fine - inizio));
        inizio = fine + 2;
    }
    if (n == 0 && !righe.empty()) std::abort();
    for (size_t i = 0; i + 1 < righe.size(); ++i)
        if (righe[i].size() != 68) std::abort();
    if (!righe.empty() && (righe.back().size() < 4 || righe.back().size() > 72)) std::abort();
    if (chiuse + (righe.empty() ? 0 : 1) != righe.size()) std::abort();

    // Decoded back, independently of the encoder.
    std::vector<uint8_t> dec;
    for (const std::string& r : righe) {
        if (r.size() % 4) std::abort();
        for (size_t i = 0; i < r.size(); i += 4) {
            int v[4];
            int pad = 0;
            for (int k = 0; k < 4; ++k) {
                if (r[i + k] == '=') {
                    v[k] = 0;
                    ++pad;
                } else {
                    if (pad) std::abort();
                    v[k] = valore(r[i + k]);
                    if (v[k] < 0) std::abort();
                }
            }
            const uint32_t g = uint32_t(v[0]) << 18 | uint32_t(v[1]) << 12 | uint32_t(v[2]) << 6 | uint32_t(v[3]);
            dec.push_back(uint8_t(g >> 16));
            if (pad < 2) dec.push_back(uint8_t(g >> 8));
            if (pad < 1) dec.push_back(uint8_t(g));
            if (pad == 2 && (v[1] & 15)) std::abort();  // zero fill bits
            if (pad == 1 && (v[2] & 3)) std::abort();
        }
    }
    if (dec.size() != n || (n && std::memcmp(dec.data(), dati, n) != 0)) std::abort();
    return 0;
}
