// The check of the attachment encoder against an encoder written from RFC 2045's definition.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "export/base64.h"

namespace base64_reference {

// The base64 of the data in one piece, '=' filling the last group.
inline std::string encoded(const uint8_t* data, size_t n) {
    static const char abc[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < n; i += 3) {
        const size_t k = n - i < 3 ? n - i : 3;  // bytes in this group
        const uint32_t v =
            data[i] << 16 | (k > 1 ? data[i + 1] << 8 : 0) | (k > 2 ? data[i + 2] : 0);
        for (size_t j = 0; j < 4; ++j)
            out += j <= k ? abc[v >> (18 - 6 * j) & 63] : '=';
    }
    return out;
}

// The lengths of the encoder's lines for n bytes; nullopt unless its text is appended, has the
// announced length, lines of 68 characters (the last up to 72) ending in CR LF, and the
// reference's base64.
inline std::optional<std::vector<size_t>> checked_lines(const uint8_t* data, size_t n) {
    std::string out = "x", joined;
    vitrelo::append_base64_lines(data, n, out);
    if (out[0] != 'x' || out.size() != 1 + vitrelo::base64_lines_length(n)) return std::nullopt;
    std::vector<size_t> lengths;
    for (size_t i = 1, j; i < out.size(); i = j + 2) {
        j = out.find("\r\n", i);
        if (j == std::string::npos || j - i > 72 || (!lengths.empty() && lengths.back() != 68))
            return std::nullopt;
        lengths.push_back(j - i);
        joined += out.substr(i, j - i);
    }
    if (joined != encoded(data, n)) return std::nullopt;
    return lengths;
}

}  // namespace base64_reference
