// Base64 (MIME alphabet) in the line layout of the mail attachment: lines of 17
// groups (68 characters); a final 1- or 2-byte remainder is added to the last
// line without a length check, so that line can reach 72 characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vitrelo {

// Characters that append_base64_lines appends for n input bytes, CR LF included.
size_t base64_lines_length(size_t n);

// Appends the lines, each ending in CR LF.
void append_base64_lines(const uint8_t* data, size_t n, std::string& out);

}  // namespace vitrelo
