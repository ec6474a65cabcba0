// A 24-bit Windows BMP from a pixel buffer: BITMAPFILEHEADER, BITMAPINFOHEADER,
// rows bottom-up, each padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

std::vector<uint8_t> codifica_bmp(const plat::Immagine& img);
