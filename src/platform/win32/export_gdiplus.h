// Image export, Win32: the GDI+ flat API bound at run time, and the encoder
// parameter block built from the logic's description (kept apart so a test can
// read it: Wine's encoder ignores the quality, so the file cannot show it).
#pragma once

#include <memory>
#include <vector>

#include "platform/win32/win32.h"

namespace w32 {

struct ParametroGdip {       // EncoderParameter
    GUID Guid;
    ULONG NumberOfValues;
    ULONG Type;
    void* Value;
};
struct ParametriGdip {       // EncoderParameters with its first entry
    UINT Count;
    ParametroGdip Parameter[1];
};

// Owns an EncoderParameters block and the values it points to. Not copyable: the
// entries point into the object's own storage.
class BloccoEncoder {
public:
    // False when a GUID text is malformed (CLSIDFromString fails).
    bool costruisci(const std::vector<plat::ParametroEncoder>& parametri);
    const ParametriGdip* dati() const { return reinterpret_cast<const ParametriGdip*>(memoria_.get()); }

    BloccoEncoder() = default;
    BloccoEncoder(const BloccoEncoder&) = delete;
    BloccoEncoder& operator=(const BloccoEncoder&) = delete;

private:
    std::unique_ptr<unsigned char[]> memoria_;
    std::vector<ULONG> valori_;
};

}  // namespace w32
