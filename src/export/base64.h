// Base64 (MIME alphabet) in the line layout of the mail attachment: lines of 17
// groups (68 characters); a final 1- or 2-byte remainder is added to the last
// line without a length check, so that line can reach 72 characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Characters that codifica_base64_righe appends for n input bytes, CR LF included.
size_t lunghezza_base64_righe(size_t n);

// Appends the lines, each ending in CR LF. riga_chiusa(ctx) runs once for every
// line that is closed because another group follows it (not after the last line).
void codifica_base64_righe(const uint8_t* dati, size_t n, std::string& out,
                           void (*riga_chiusa)(void*) = nullptr, void* ctx = nullptr);
