// Small shared types and numeric helpers of the magnifier.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

// A point in screen pixels (or picture pixels where a procedure says so).
struct Punto {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Punto& o) const { return x == o.x && y == o.y; }
};

// A GDI colour, 0x00BBGGRR. The invalid colour 0xFFFFFFFF is negative as signed.
using Colore = int32_t;
constexpr Colore COLORE_NON_VALIDO = -1;
constexpr Colore BIANCO = 0x00FFFFFF;

// Every float-to-integer conversion rounds half to even, as the form toolkit did.
// std::lrint follows the current rounding mode, which is round-to-nearest-even
// unless somebody changes it; nothing in this program does.
inline int32_t cint(double v) { return static_cast<int32_t>(std::lrint(v)); }
inline int16_t cint16(double v) { return static_cast<int16_t>(std::lrint(v)); }

// Raster operations and virtual keys the logic passes to the platform.
constexpr uint32_t ROP_SRCCOPY = 0x00CC0020;
constexpr uint32_t ROP_SRCINVERT = 0x00660046;
constexpr uint32_t ROP_PATCOPY = 0x00F00021;
constexpr int VK_CONTROL_ = 0x11;
constexpr int VK_SPACE_ = 0x20;
constexpr int VK_0_ = 0x30;
constexpr int VK_NUMPAD0_ = 0x60;
constexpr uint32_t DI_NORMAL_ = 3;
