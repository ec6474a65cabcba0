#include "export/base64.h"

#include <array>
#include <cstring>

namespace vitrelo {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t kGroupsPerLine = 17;

// Two output characters per 12 input bits: one lookup and one 2-byte store per half
// group keeps a 20 MB attachment well under a second.
struct PairTable {
    std::array<char, size_t{4096} * 2> pairs{};
    constexpr PairTable() {
        for (size_t i = 0; i < 4096; ++i) {
            pairs[i * 2] = kAlphabet[i >> 6];
            pairs[i * 2 + 1] = kAlphabet[i & 63];
        }
    }
};
constexpr PairTable kPairs;

inline char* put_group(const uint8_t* s, char* p) {
    const uint32_t v = (uint32_t(s[0]) << 16) | (uint32_t(s[1]) << 8) | s[2];
    std::memcpy(p, &kPairs.pairs[size_t{v >> 12} * 2], 2);
    std::memcpy(p + 2, &kPairs.pairs[size_t{v & 0xFFF} * 2], 2);
    return p + 4;
}

// The remainder of 1 or 2 bytes: the fill bits below the last byte are zero.
inline char* put_tail(const uint8_t* s, size_t rest, char* p) {
    const uint8_t b0 = s[0];
    const uint8_t b1 = rest == 2 ? s[1] : 0;
    p[0] = kAlphabet[b0 >> 2];
    p[1] = kAlphabet[((b0 & 3) << 4) | (b1 >> 4)];
    p[2] = rest == 2 ? kAlphabet[(b1 & 15) << 2] : '=';
    p[3] = '=';
    return p + 4;
}

size_t line_count(size_t groups) {
    if (groups == 0) return 1;  // only the remainder, when there is one
    return (groups + kGroupsPerLine - 1) / kGroupsPerLine;
}

}  // namespace

size_t base64_lines_length(size_t n) {
    if (n == 0) return 0;
    const size_t groups = n / 3;
    return (groups + (n % 3 ? 1 : 0)) * 4 + line_count(groups) * 2;
}

void append_base64_lines(const uint8_t* data, size_t n, std::string& out) {
    if (n == 0) return;
    const size_t start = out.size();
    out.resize(start + base64_lines_length(n));
    char* p = &out[start];

    const size_t groups = n / 3;
    const size_t rest = n % 3;
    const size_t lines = line_count(groups);
    const uint8_t* s = data;
    for (size_t line = 0; line < lines; ++line) {
        const bool last = line + 1 == lines;
        const size_t g = last ? groups - line * kGroupsPerLine : kGroupsPerLine;
        for (size_t i = 0; i < g; ++i, s += 3)
            p = put_group(s, p);
        if (last && rest) p = put_tail(s, rest, p);
        *p++ = '\r';
        *p++ = '\n';
    }
}

}  // namespace vitrelo
