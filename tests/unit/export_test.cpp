// Export: BMP and mail bytes against the golden files, base64 lines, names, mail routes.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "common/base64_reference.h"
#include "export/base64.h"
#include "export/bmp.h"
#include "export/file_names.h"
#include "export/mail.h"
#include "magnifier/texts.h"

namespace vitrelo {
namespace {

std::string golden(const char* name) {
    std::ifstream f(std::string(VITRELO_GOLDEN "/") + name, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Bmp, BytesMatchTheGoldenFile) {
    // Top row red, green, blue; bottom row white, black, 0x123456 (0x00RRGGBB).
    const Image image{3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x123456}};
    const std::vector<uint8_t> bmp = encode_bmp(image);
    EXPECT_EQ(std::string(bmp.begin(), bmp.end()), golden("export_3x2.bmp"));
    // Rows padded to 4 bytes: 3, 6 and 12 bytes of pixels per row.
    for (const auto& [w, file_size] : {std::pair{1, 58}, {2, 62}, {4, 66}}) {
        const std::vector<uint8_t> b = encode_bmp({w, 1, std::vector<uint32_t>(size_t(w), 7)});
        EXPECT_EQ(std::vector<int>({int(b.size()), b[2] | b[3] << 8, b[34] | b[35] << 8}),
                  std::vector<int>({file_size, file_size, file_size - 54})) << w;
    }
}

TEST(Bmp, RejectsAnEmptyOrInconsistentPicture) {
    EXPECT_THROW(encode_bmp(Image{}), std::invalid_argument);
    EXPECT_THROW(encode_bmp(Image{2, 2, {1, 2, 3}}), std::invalid_argument);
    EXPECT_THROW(encode_bmp(Image{-1, 2, {1, 2}}), std::invalid_argument);
    EXPECT_THROW(encode_bmp(Image{2, -1, {1, 2}}), std::invalid_argument);
}

TEST(Base64, DecodesBackWithFullLinesAndTheRemainderOnTheLast) {
    // 51 bytes fill one line; 53 add their remainder to it (72), 54 start a new one.
    const std::map<size_t, std::vector<size_t>> expected_lines = {
        {0, {}}, {1, {4}}, {51, {68}}, {53, {72}}, {54, {68, 4}}, {104, {68, 72}}};
    for (size_t n = 0; n <= 160; ++n) {
        std::vector<uint8_t> data(n);
        for (size_t i = 0; i < n; ++i) data[i] = uint8_t(i * 37 + 11);
        std::string out = "x";  // appended, not replaced
        append_base64_lines(data.data(), n, out);
        ASSERT_EQ(out.substr(0, 1), "x");
        out.erase(0, 1);
        ASSERT_EQ(out.size(), base64_lines_length(n)) << n;
        std::vector<std::string> lines;
        ASSERT_TRUE(base64_reference::lines(out, lines)) << n;
        std::string joined;
        std::vector<size_t> lengths;
        for (const std::string& line : lines) {
            joined += line;
            lengths.push_back(line.size());
        }
        for (size_t i = 0; i + 1 < lengths.size(); ++i) EXPECT_EQ(lengths[i], 68u) << n;
        if (const auto e = expected_lines.find(n); e != expected_lines.end()) {
            EXPECT_EQ(lengths, e->second) << n;
        }
        std::vector<uint8_t> decoded;
        ASSERT_TRUE(base64_reference::decode(joined, decoded)) << n;
        EXPECT_EQ(decoded, data) << n;
    }
}

TEST(Mail, MessagesMatchTheGoldenFiles) {
    MailMessage picture;
    picture.subject = text::kMailSubject;
    const std::string hello = "Hello";
    const std::string with_picture = mail_message_text(
        picture, "C:\\Temp\\SnapShotVitrelo.jpg", std::vector<uint8_t>(hello.begin(), hello.end()));
    EXPECT_EQ(with_picture, golden("export_posta_immagine.eml"));

    // The attachment part alone, for 54 bytes: a full line and one of 4.
    std::vector<uint8_t> bytes(54);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(i);
    const std::string headers =
        with_picture.substr(0, with_picture.find("\r\n------=_NextPart_\r\nContent-Type: appl"));
    EXPECT_EQ(mail_message_text(picture, "D:\\a b\\x.bin", bytes),
              headers + golden("export_allegato_54.txt") + "\r\n");

    const MailMessage addressed{"io@esempio.it", "a@esempio.it", "b@esempio.it", "c@esempio.it",
                                "Prova", "Ciao", 3};
    EXPECT_EQ(mail_message_text(addressed, "", {}), golden("export_posta_indirizzi.eml"));
    const MailMessage zero{"", "", "", "", "", "", 0};
    EXPECT_NE(mail_message_text(zero, "", {}).find("\r\nX-Priority: 0 \r\n"), std::string::npos);
}

TEST(Mail, RouteFromTheClientValue) {
    const struct { const char* client; MailRoute route; } cases[] = {
        {"Outlook Express", MailRoute::MessageFile}, {"Windows Mail", MailRoute::MessageFile},
        {"Microsoft Outlook", MailRoute::Mailto},    {"", MailRoute::Unsupported},
        {"outlook express", MailRoute::Unsupported}, {"Windows Mail ", MailRoute::Unsupported},
        {"Mozilla Thunderbird", MailRoute::Unsupported}};
    for (const auto& c : cases) EXPECT_EQ(mail_route(c.client), c.route) << c.client;
    EXPECT_EQ(mailto_address("Invio SnapShot Vitrelo", "C:\\T\\a b.jpg"),
              "mailto:  ?subject=Invio SnapShot Vitrelo&body= \"C:\\T\\a b.jpg\"");
    // The registry value: the name stops at the first NUL.
    const uint8_t value[] = {'W', 'i', 'n', 0, 'x', 0};
    EXPECT_EQ(client_from_value(value, sizeof value), "Win");
    EXPECT_EQ(client_from_value(value, 3), "Win");  // no NUL at all
    EXPECT_EQ(client_from_value(value + 3, 3), "");
    EXPECT_EQ(client_from_value(value, 0), "");
}

TEST(FileNames, ExtensionAndSaveFormat) {
    const struct { const char* name; const char* ext; SaveFormat format; } cases[] = {
        {"a.bmp", "bmp", SaveFormat::Bmp},         {"A.BMP", "BMP", SaveFormat::Bmp},
        {"x.JpG", "JpG", SaveFormat::Jpeg},        {"abmp", "", SaveFormat::Rejected},
        {"a.jpeg", "peg", SaveFormat::Rejected},   {"a.", "a.", SaveFormat::Rejected},
        {"C:\\v.1\\fotobmp", "bmp", SaveFormat::Bmp},  // a dot anywhere counts
        {"a.bmp ", "mp ", SaveFormat::Rejected},
        {"foto.\xC3\xA0\xC3\xA8\xC3\xAC", "\xC3\xA0\xC3\xA8\xC3\xAC", SaveFormat::Rejected},
        {"\xC3\xA0.jpg", "jpg", SaveFormat::Jpeg},
        {"x.b\xE2\x82\xAC", ".b\xE2\x82\xAC", SaveFormat::Rejected},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(extension_of(c.name), c.ext) << c.name;
        EXPECT_EQ(save_format(c.name), c.format) << c.name;
    }
}

}  // namespace
}  // namespace vitrelo
