// The base64 lines of the mail attachment: layout, fill bits, and round trips
// through a decoder written here from RFC 2045's definition.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "comune/base64_riferimento.h"
#include "export/base64.h"

namespace {

std::vector<std::string> righe(const std::string& s) {
    std::vector<std::string> out;
    EXPECT_TRUE(base64_riferimento::righe(s, out)) << "a line without CR LF";
    return out;
}

// Decodes the concatenated lines; fails the test on any character outside the
// alphabet, padding that is not at the very end, or fill bits that are not zero.
std::vector<uint8_t> decodifica(const std::string& testo) {
    std::string s;
    for (const auto& r : righe(testo)) s += r;
    std::vector<uint8_t> out;
    EXPECT_TRUE(base64_riferimento::decodifica(s, out)) << "not strict base64";
    return out;
}

std::string codifica(const std::vector<uint8_t>& d, int* chiuse = nullptr) {
    std::string out;
    codifica_base64_righe(d.data(), d.size(), out,
                          [](void* ctx) {
                              if (ctx) ++*static_cast<int*>(ctx);
                          },
                          chiuse);
    return out;
}

std::vector<uint8_t> sequenza(size_t n) {
    std::vector<uint8_t> d(n);
    for (size_t i = 0; i < n; ++i) d[i] = uint8_t(i * 7 + 3);
    return d;
}

}  // namespace

struct CasoRighe {
    size_t byte;
    std::vector<size_t> lunghezze;  // characters of each line, CR LF excluded
    int chiuse;                     // lines closed because more groups followed
};

class Base64Righe : public ::testing::TestWithParam<CasoRighe> {};

TEST_P(Base64Righe, LineLengthsFollowTheGroupRule) {
    const CasoRighe& c = GetParam();
    int chiuse = 0;
    const auto d = sequenza(c.byte);
    const std::string s = codifica(d, &chiuse);
    std::vector<size_t> got;
    for (const auto& r : righe(s)) got.push_back(r.size());
    EXPECT_EQ(got, c.lunghezze);
    EXPECT_EQ(chiuse, c.chiuse);
    EXPECT_EQ(s.size(), lunghezza_base64_righe(c.byte));
    EXPECT_EQ(decodifica(s), d);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Base64Righe,
    ::testing::Values(CasoRighe{0, {}, 0}, CasoRighe{1, {4}, 0}, CasoRighe{2, {4}, 0},
                      CasoRighe{3, {4}, 0}, CasoRighe{50, {68}, 0}, CasoRighe{51, {68}, 0},
                      CasoRighe{52, {72}, 0}, CasoRighe{53, {72}, 0}, CasoRighe{54, {68, 4}, 1},
                      CasoRighe{102, {68, 68}, 1}, CasoRighe{103, {68, 72}, 1},
                      CasoRighe{105, {68, 68, 4}, 2}));

TEST(Base64, KnownTextsFromTheRfc) {
    struct {
        std::string in, out;
    } casi[] = {{"f", "Zg=="},     {"fo", "Zm8="},      {"foo", "Zm9v"},
                {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
    for (const auto& c : casi) {
        const std::vector<uint8_t> d(c.in.begin(), c.in.end());
        EXPECT_EQ(codifica(d), c.out + "\r\n") << c.in;
    }
}

TEST(Base64, FillBitsAreZeroWhateverCameBefore) {
    // Every bit set: the characters carrying fill bits must still end in zeros.
    EXPECT_EQ(codifica({0xFF}), "/w==\r\n");
    EXPECT_EQ(codifica({0xFF, 0xFF}), "//8=\r\n");
    EXPECT_EQ(codifica({0xFF, 0xFF, 0xFF, 0xFF}), "/////w==\r\n");
    EXPECT_EQ(codifica({0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "//////8=\r\n");
}

TEST(Base64, FullAlphabetInOrder) {
    // 0x00 0x10 0x83 ... encodes indices 0,1,2,...,63 in turn.
    std::vector<uint8_t> d;
    for (int i = 0; i < 64; i += 4) {
        const uint32_t n = (uint32_t(i) << 18) | (uint32_t(i + 1) << 12) | (uint32_t(i + 2) << 6) | (i + 3);
        d.push_back(uint8_t(n >> 16));
        d.push_back(uint8_t(n >> 8));
        d.push_back(uint8_t(n));
    }
    EXPECT_EQ(codifica(d),
              "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/\r\n");
}

TEST(Base64, RandomDataRoundTrips) {
    std::mt19937 rng(20240611);
    for (size_t n : {4u, 97u, 255u, 1000u, 4097u, 65536u + 1}) {
        std::vector<uint8_t> d(n);
        for (auto& b : d) b = uint8_t(rng());
        const std::string s = codifica(d);
        EXPECT_EQ(decodifica(s), d) << n;
        const auto r = righe(s);
        for (size_t i = 0; i + 1 < r.size(); ++i) ASSERT_EQ(r[i].size(), 68u) << n;
        ASSERT_FALSE(r.empty());
        EXPECT_LE(r.back().size(), 72u);
    }
}

TEST(Base64, AppendsAfterWhatTheStringHolds) {
    std::string out = "head\r\n";
    const std::vector<uint8_t> d{'M', 'a', 'n'};
    codifica_base64_righe(d.data(), d.size(), out);
    EXPECT_EQ(out, "head\r\nTWFu\r\n");
}
