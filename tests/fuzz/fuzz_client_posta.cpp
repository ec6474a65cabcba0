// The registry's mail-client value is outside input: any bytes, with or without NULs.
#include <cstdlib>

#include "export/mail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    const std::string value(reinterpret_cast<const char*>(data), n);
    if (vitrelo::client_from_value(data, n) != value.substr(0, value.find('\0'))) std::abort();
    return 0;
}
