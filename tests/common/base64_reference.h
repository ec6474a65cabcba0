// An independent base64 reader for the tests of the attachment encoder, written from
// RFC 2045's definition: splits the text into CR LF lines and decodes them strictly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace base64_reference {

// The lines of the text; false when the text does not end in CR LF.
inline bool lines(const std::string& s, std::vector<std::string>& out) {
    size_t i = 0;
    while (i < s.size()) {
        const size_t j = s.find("\r\n", i);
        if (j == std::string::npos) return false;
        out.push_back(s.substr(i, j - i));
        i = j + 2;
    }
    return true;
}

inline int value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

// Decodes base64 without line breaks. False on a length that is not a multiple of
// 4, a character outside the alphabet, padding anywhere but at the very end, or
// fill bits that are not zero.
inline bool decode(const std::string& s, std::vector<uint8_t>& out) {
    if (s.size() % 4) return false;
    for (size_t i = 0; i < s.size(); i += 4) {
        const bool last = i + 4 == s.size();
        int v[4];
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            if (s[i + k] == '=') {
                if (!last || k < 2) return false;
                v[k] = 0;
                ++pad;
            } else {
                v[k] = value(s[i + k]);
                if (v[k] < 0 || pad) return false;
            }
        }
        if ((pad == 2 && (v[1] & 15)) || (pad == 1 && (v[2] & 3))) return false;
        const uint32_t n = uint32_t(v[0]) << 18 | uint32_t(v[1]) << 12 | uint32_t(v[2]) << 6 |
                           uint32_t(v[3]);
        out.push_back(uint8_t(n >> 16));
        if (pad < 2) out.push_back(uint8_t(n >> 8));
        if (pad < 1) out.push_back(uint8_t(n));
    }
    return true;
}

}  // namespace base64_reference
