// A 24-bit Windows BMP file from a picture.
#pragma once

#include <cstdint>
#include <vector>

#include "magnifier/picture.h"

namespace vitrelo {

// BITMAPFILEHEADER, BITMAPINFOHEADER (40 bytes), rows bottom-up padded to 4 bytes.
// Throws std::invalid_argument for an empty or inconsistent picture and
// std::length_error when the file would pass 4 GB.
std::vector<uint8_t> encode_bmp(const Image& image);

}  // namespace vitrelo
