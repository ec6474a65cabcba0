// The unsent mail message with the picture attached, and the choice of how the
// picture reaches the user's mail program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vitrelo {

// The whole unsent message file: the headers with `subject`, an empty text part and
// `attachment` as a base64 part named by the last component of `attachment_path`.
std::string mail_message_text(const std::string& subject, const std::string& attachment_path,
                              const std::vector<uint8_t>& attachment);

enum class MailRoute { MessageFile, Mailto, Unsupported };
// From the name of the default mail program as the registry gives it.
MailRoute mail_route(const std::string& client);
// The mailto: address handed to the shell, every field percent-encoded (RFC 6068):
// the mail program's command line takes it as one argument whatever blanks, "&", "#"
// or "%" the temporary folder's name holds. Subject and path in UTF-8.
std::string mailto_address(const std::string& subject, const std::string& jpeg_path);
// The client name from the raw bytes of the registry value: text up to the first
// NUL, or all of it when there is none.
std::string client_from_value(const uint8_t* data, size_t n);

}  // namespace vitrelo
