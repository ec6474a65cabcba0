#include "export/mail.h"

#include <algorithm>

#include "export/base64.h"

namespace vitrelo {

namespace {

const std::string kCrLf = "\r\n";
const std::string kQuote = "\"";
const std::string kDelimiter = "------=_NextPart_";

// No sender, no recipients, no text: the user fills them in in the mail program.
std::string headers(const std::string& subject) {
    std::string s = "From: <>" + kCrLf;
    s += "Subject: " + subject + kCrLf;
    s += "MIME-Version: 1.0" + kCrLf;
    s += "Content-Type: multipart/mixed;" + kCrLf;
    s += "    boundary=" + kQuote + "----=_NextPart_" + kQuote + kCrLf;
    s += "X-Priority:-1 " + kCrLf;
    s += "X-Unsent: 1" + kCrLf;
    s += kCrLf;
    s += kDelimiter + kCrLf;
    s += "Content-Type: text/plain;" + kCrLf;
    s += "    charset=" + kQuote + "iso-8859-1" + kQuote + kCrLf;
    s += "Content-Transfer-Encoding: quoted-printable" + kCrLf;
    s += kCrLf;
    s += kCrLf;
    s += kCrLf;
    return s;
}

// The last component of a Windows path.
std::string file_name_of(const std::string& path) {
    const size_t i = path.rfind('\\');
    return i == std::string::npos ? path : path.substr(i + 1);
}

void append_attachment(const std::string& name, const std::vector<uint8_t>& bytes,
                       std::string& out) {
    out += kCrLf;
    out += kDelimiter + kCrLf;
    out += "Content-Type: application/octet-stream; name=" + kQuote + name + kQuote + kCrLf;
    out += "Content-Transfer-Encoding: base64" + kCrLf;
    out += "Content-Disposition: attachment; filename=" + kQuote + name + kQuote + kCrLf;
    out += kCrLf;
    append_base64_lines(bytes.data(), bytes.size(), out);
    out += kCrLf + kDelimiter + "--" + kCrLf;
    out += kCrLf + "." + kCrLf;
}

// UTF-8 text with every byte but RFC 3986's unreserved characters as %XX.
std::string percent_encoded(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

}  // namespace

std::string mail_message_text(const std::string& subject, const std::string& attachment_path,
                              const std::vector<uint8_t>& attachment) {
    std::string out = headers(subject);
    out.reserve(out.size() + 512 + base64_lines_length(attachment.size()));
    append_attachment(file_name_of(attachment_path), attachment, out);
    out += kCrLf;
    return out;
}

MailRoute mail_route(const std::string& client) {
    if (client == "Outlook Express" || client == "Windows Mail") return MailRoute::MessageFile;
    if (client == "Microsoft Outlook") return MailRoute::Mailto;
    return MailRoute::Unsupported;
}

std::string mailto_address(const std::string& subject, const std::string& jpeg_path) {
    // The fields the mail program has always been handed: two blanks for the recipient,
    // and a blank before the quoted path as the body.
    return "mailto:" + percent_encoded("  ") + "?subject=" + percent_encoded(subject) +
           "&body=" + percent_encoded(" \"" + jpeg_path + "\"");
}

std::string client_from_value(const uint8_t* data, size_t n) {
    // Registry data comes from outside: it may be empty, lack its terminating NUL or
    // carry stray bytes after it.
    const uint8_t* end = std::find(data, data + n, uint8_t(0));
    return std::string(reinterpret_cast<const char*>(data), size_t(end - data));
}

}  // namespace vitrelo
