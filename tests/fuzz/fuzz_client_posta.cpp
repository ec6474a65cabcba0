// The registry's mail-client value is outside input: any bytes, with or without NULs.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "export/mail.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t n) {
    using namespace vitrelo;
    const std::string c = client_from_value(data, n);
    if (c.size() > n || c.find('\0') != std::string::npos) std::abort();
    if (std::memcmp(c.data(), data, c.size()) != 0) std::abort();  // a prefix of the value
    if (c.size() < n && data[c.size()] != 0) std::abort();         // cut exactly at the NUL
    const MailRoute r = mail_route(c);
    const bool known = c == "Outlook Express" || c == "Windows Mail" || c == "Microsoft Outlook";
    if (known == (r == MailRoute::Unsupported)) std::abort();
    return 0;
}
