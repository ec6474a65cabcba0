#include "export/base64.h"

#include <array>
#include <cstring>

namespace {

constexpr char ALFABETO[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t GRUPPI_PER_RIGA = 17;

// Two output characters per 12 input bits: one lookup and one 2-byte store per
// half group keeps a 20 MB attachment well under a second.
struct Tabella12 {
    std::array<char, 4096 * 2> coppie{};
    Tabella12() {
        for (unsigned i = 0; i < 4096; ++i) {
            coppie[i * 2] = ALFABETO[i >> 6];
            coppie[i * 2 + 1] = ALFABETO[i & 63];
        }
    }
};
const Tabella12 tabella;

inline char* gruppo(const uint8_t* s, char* p) {
    const uint32_t v = (uint32_t(s[0]) << 16) | (uint32_t(s[1]) << 8) | s[2];
    std::memcpy(p, &tabella.coppie[(v >> 12) * 2], 2);
    std::memcpy(p + 2, &tabella.coppie[(v & 0xFFF) * 2], 2);
    return p + 4;
}

// The remainder of 1 or 2 bytes: the fill bits below the last byte are zero.
inline char* coda(const uint8_t* s, size_t resto, char* p) {
    const uint8_t b0 = s[0];
    const uint8_t b1 = resto == 2 ? s[1] : 0;
    p[0] = ALFABETO[b0 >> 2];
    p[1] = ALFABETO[((b0 & 3) << 4) | (b1 >> 4)];
    p[2] = resto == 2 ? ALFABETO[(b1 & 15) << 2] : '=';
    p[3] = '=';
    return p + 4;
}

size_t righe(size_t gruppi) {
    if (gruppi == 0) return 1;  // only the remainder, when there is one
    return (gruppi + GRUPPI_PER_RIGA - 1) / GRUPPI_PER_RIGA;
}

}  // namespace

size_t lunghezza_base64_righe(size_t n) {
    if (n == 0) return 0;
    const size_t gruppi = n / 3;
    return (gruppi + (n % 3 ? 1 : 0)) * 4 + righe(gruppi) * 2;
}

void codifica_base64_righe(const uint8_t* dati, size_t n, std::string& out,
                           void (*riga_chiusa)(void*), void* ctx) {
    if (n == 0) return;
    const size_t inizio = out.size();
    out.resize(inizio + lunghezza_base64_righe(n));
    char* p = &out[inizio];

    const size_t gruppi = n / 3;
    const size_t resto = n % 3;
    const size_t n_righe = righe(gruppi);
    const uint8_t* s = dati;
    for (size_t r = 0; r < n_righe; ++r) {
        const bool ultima = r + 1 == n_righe;
        const size_t g = ultima ? gruppi - r * GRUPPI_PER_RIGA : GRUPPI_PER_RIGA;
        for (size_t i = 0; i < g; ++i, s += 3) p = gruppo(s, p);
        if (ultima && resto) p = coda(s, resto, p);
        *p++ = '\r';
        *p++ = '\n';
        if (!ultima && riga_chiusa) riga_chiusa(ctx);
    }
}
