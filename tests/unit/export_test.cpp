// Export: BMP and mail bytes against the golden files, base64 lines, names, mailto addresses.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "export/base64.h"
#include "export/bmp.h"
#include "export/file_names.h"
#include "export/mail.h"
#include "magnifier/texts.h"
#include "unit/support.h"

namespace vitrelo {
namespace {

TEST(Bmp, BytesMatchTheGoldenFileBadPicturesAreRejected) {
    // Top row red, green, blue; bottom row white, black, 0x123456 (0x00RRGGBB).
    const std::vector<uint8_t> bmp =
        encode_bmp({3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x123456}});
    EXPECT_EQ(std::string(bmp.begin(), bmp.end()), golden("export_3x2.bmp"));  // rows padded
    EXPECT_EQ(encode_bmp({1, 1, {7}}).size(), 54u + 4);
    EXPECT_EQ(encode_bmp({4, 1, std::vector<uint32_t>(4)}).size(), 54u + 12) << "no padding";
    for (const Image& bad :
         {Image{}, Image{2, 2, {1, 2, 3}}, Image{-1, 2, {1, 2}}, Image{2, -1, {1, 2}}})
        EXPECT_THROW(encode_bmp(bad), std::invalid_argument);
}

// The attachment's text for the bytes.
std::string base64(std::string_view bytes) {
    std::string out = "x";  // appended to what is there
    append_base64_lines(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), out);
    return out.substr(1);
}

TEST(Base64, AlphabetPaddingAndLinesOf68WithTheRemainderOnTheLast) {
    // The sextets 0 to 63 in order spell the alphabet; all ones reach the encoder's last entry.
    std::string sextets = "\xFF\xFF\xFF";
    for (uint32_t i = 0; i < 64; i += 4)
        for (const int shift : {16, 8, 0})
            sextets += char((i << 18 | (i + 1) << 12 | (i + 2) << 6 | (i + 3)) >> shift);
    EXPECT_EQ(V({base64(""), base64("f"), base64("fo"), base64("foobar"), base64(sextets)}),
              (V{"", "Zg==\r\n", "Zm8=\r\n", "Zm9vYmFy\r\n",  // RFC 4648's vectors
                 "////ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/\r\n"}));
    // 51 bytes fill one line; 53 add their remainder to it (72), 54 start a new one. The
    // remainder "fo" ends the last line.
    const std::pair<size_t, std::vector<size_t>> lines[] = {
        {1, {4}}, {51, {68}}, {53, {72}}, {54, {68, 4}}, {104, {68, 72}}};
    for (const auto& [n, lengths] : lines) {
        const std::string text = base64(std::string(n - n % 3, '\xA5') + std::string("fo", n % 3));
        std::vector<size_t> got;
        for (size_t i = 0, j; (j = text.find("\r\n", i)) != std::string::npos; i = j + 2)
            got.push_back(j - i);
        EXPECT_EQ(got, lengths) << n;
        EXPECT_TRUE(text.ends_with(n % 3 == 2 ? "Zm8=\r\n" : n % 3 ? "Zg==\r\n" : "paWl\r\n")) << n;
    }
}

TEST(Mail, TheMessageMatchesTheGoldenFile) {
    const std::vector<uint8_t> hello = {'H', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(mail_message_text(text::kMailSubject.in(Language::Italian),
                                "C:\\Temp\\SnapShotVitrelo.jpg", hello),
              golden("export_mail_image.eml"));
}

// Blanks, "&", "#" and "%" in the temporary folder's name must not split the address on the mail
// program's command line: every byte but the unreserved ones is encoded, UTF-8 by its bytes.
TEST(Mail, MailtoAddressesEncodeEveryByteButTheUnreservedOnes) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Invio SnapShot Vitrelo", "C:\\T\\S.jpg",
         "mailto:%20%20?subject=Invio%20SnapShot%20Vitrelo&body=%20%22C%3A%5CT%5CS.jpg%22"},
        {"a-b.c_d~e=f?g", "C:\\T & 1%#/x",
         "mailto:%20%20?subject=a-b.c_d~e%3Df%3Fg&body=%20%22C%3A%5CT%20%26%201%25%23%2Fx%22"},
        {"\xC3\xA8", "\xE2\x82\xAC\x7F",
         "mailto:%20%20?subject=%C3%A8&body=%20%22%E2%82%AC%7F%22"}};
    for (const auto& [subject, path, address] : cases)
        EXPECT_EQ(mailto_address(subject, path), address) << path;
}

TEST(FileNames, ExtensionAndSaveFormat) {
    using enum SaveFormat;
    // The last three characters (UTF-8 ones, not bytes) when there is a dot anywhere in the path.
    const std::string a = "\xC3\xA0";
    const std::tuple<std::string, std::string, SaveFormat> cases[] = {
        {"a.bmp", "bmp", Bmp},         {"x.JpG", "JpG", Jpeg},
        {"abmp", "", Rejected},        {"a.JPEG", "PEG", Jpeg},
        {"a.", "a.", Rejected},        {"C:\\v.1\\bmp", "bmp", Bmp},
        {a + a + ".jpg", "jpg", Jpeg}, {"x.b" + a, ".b" + a, Rejected},
        {"x.Png", "Png", Png},         {"x.apng", "png", Png},
        {"ajpeg", "", Rejected},       {"x.jpeg.bmp", "bmp", Bmp}};
    for (const auto& [name, extension, format] : cases)
        EXPECT_EQ(std::tuple(extension_of(name), save_format(name)), std::tuple(extension, format))
            << name;
}

TEST(FileNames, FolderAsTheSaveDialogTakesIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Vitrelo\\Vitrelo.exe", "C:\\Vitrelo"},
        {"C:\\Vitrelo.exe", "C:\\"},
        {"\\\\p\\V.exe", "\\\\p"},
        {"Vitrelo.exe", ""}};
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(folder_of(path), folder) << path;
}

}  // namespace
}  // namespace vitrelo
