// The attachment encoder: decoded back it gives the input, and the line rule holds.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/base64_reference.h"
#include "export/base64.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    using namespace vitrelo;
    std::string out;
    append_base64_lines(data, n, out);
    if (out.size() != base64_lines_length(n)) std::abort();

    // Lines: every one but the last holds 68 characters, the last 4 to 72; the
    // remainder never opens a line of its own after a full one.
    std::vector<std::string> lines;
    if (!base64_reference::lines(out, lines)) std::abort();  // every line ends in CR LF
    if (n == 0 && !lines.empty()) std::abort();
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].size() != 68) std::abort();
    if (!lines.empty() && (lines.back().size() < 4 || lines.back().size() > 72)) std::abort();
    const size_t groups = n / 3;
    if (n && lines.size() != (groups ? (groups + 16) / 17 : 1)) std::abort();

    // Decoded back, independently of the encoder, with zero fill bits.
    std::string all;
    for (const std::string& l : lines)
        all += l;
    std::vector<uint8_t> decoded;
    if (!base64_reference::decode(all, decoded)) std::abort();
    if (decoded.size() != n || (n && std::memcmp(decoded.data(), data, n) != 0)) std::abort();
    return 0;
}
