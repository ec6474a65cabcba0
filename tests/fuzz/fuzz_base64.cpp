// The attachment encoder on any bytes: its lines read back to them.
#include <cstdlib>

#include "common/base64_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    if (!base64_reference::checked_lines(data, n)) std::abort();
    return 0;
}
