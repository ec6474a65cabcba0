// The service ports against real Win32 (run under Wine): settings values read back, files
// replaced whole or not at all, the clipboard, the JPEG encoder's parameters and the mail
// client's registry value. (The settings file's bytes and a JPEG's pixels: the scenarios.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "win32/jpeg.h"
#include "win32/services.h"
#include "win32/text.h"

namespace {

using namespace vitrelo;
using namespace vitrelo::win32;
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using V = std::vector<std::string>;

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void put(const fs::path& p, const std::string& s) {
    std::ofstream(p, std::ios::binary) << s;
}

// Every pixel differs, and red differs from blue, so a swap or a shift shows.
Image pattern(int w, int h) {
    Image image{w, h, {}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.pixels.push_back(uint32_t((x * 7) << 16 | (y * 11) << 8 | (x + y)));
    return image;
}

// A fresh folder under the temporary one, with a name outside the ANSI code page.
class Services : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              (L"vitrelo_services_\u03a9_" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const std::wstring& name) const { return utf8((dir / name).wstring()); }
    std::vector<std::wstring> entries() const {  // sorted
        std::vector<std::wstring> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().wstring());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path dir;
    Win32Storage storage;
};

}  // namespace

TEST_F(Services, ReadSettingTrimsBlanksAndStopsAtTheBuffersEnd) {
    put(dir / L"s.ini", "[Opzioni]\r\nZoom=\"  3.5 \"\r\nLong=" + std::string(300, '7') + "\r\n");
    const auto read = [&](const char* key) {
        return storage.read_setting(at(L"s.ini"), "Opzioni", key);
    };
    EXPECT_EQ(V({read("Zoom"), read("Missing"), read("Long")}),
              (V{"3.5", "", std::string(254, '7')}));
}

// A file is replaced whole or not at all, and nothing is left beside it either way.
TEST_F(Services, FilesAreReplacedWholeOrNotAtAll) {
    put(dir / L"a.bmp", "contenuto di prima, più lungo");
    ASSERT_TRUE(storage.write_file(at(L"a.bmp"), Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_EQ(storage.read_file(at(L"a.bmp")), (Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_FALSE(storage.file_exists(utf8(dir.wstring()))) << "a folder is not a file";
    fs::create_directory(dir / L"folder.bmp");
    const HANDLE held =
        CreateFileW((dir / L"a.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (const std::wstring target : {L"missing\\a.bmp", L"folder.bmp", L"a.bmp"}) {
        EXPECT_FALSE(storage.write_file(at(target), Bytes{'x'})) << utf8(target);
        EXPECT_FALSE(storage.write_jpeg(pattern(4, 3), at(target), 80)) << utf8(target);
    }
    CloseHandle(held);
    EXPECT_EQ(contents(dir / L"a.bmp"), "nuovo");
    EXPECT_EQ(entries(), (std::vector<std::wstring>{L"a.bmp", L"folder.bmp"}));
}

TEST(ServicesClipboard, RoundTripKeepsEveryPixel) {
    const HWND no_window = nullptr;
    Win32System system(no_window);
    const Image image = pattern(37, 21);
    ASSERT_EQ(system.copy_to_clipboard(image), ClipboardResult::Copied);
    ASSERT_TRUE(OpenClipboard(nullptr));
    const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 37, -21, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(37 * 21);
    const HDC screen = GetDC(nullptr);
    const int rows =
        bitmap ? GetDIBits(screen, bitmap, 0, 21, pixels.data(), &info, DIB_RGB_COLORS) : 0;
    ReleaseDC(nullptr, screen);
    CloseClipboard();
    ASSERT_EQ(rows, 21);
    for (auto& p : pixels)
        p &= 0xFFFFFF;
    EXPECT_EQ(pixels, image.pixels);
}

TEST(ServicesJpeg, ParameterBlockHoldsTheQualityAsOneLong) {
    // Wine's encoder ignores the quality, so the block is checked instead of the file. GDI+
    // reads the entries right after the count, aligned for the pointer they hold.
    const JpegParameters parameters(80);
    const EncoderParameters& block = parameters.block();
    const EncoderParameter& p = block.parameter[0];
    const GUID quality = {
        0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
    EXPECT_EQ(std::memcmp(&p.guid, &quality, sizeof(GUID)), 0);
    EXPECT_EQ(std::tuple(block.count, p.count, p.type, *static_cast<const ULONG*>(p.value)),
              std::tuple(1u, 1ul, 4ul, 80ul));  // type 4: EncoderParameterValueTypeLong
    EXPECT_EQ(reinterpret_cast<const char*>(&p) - reinterpret_cast<const char*>(&block),
              std::ptrdiff_t(sizeof(void*)));
}

TEST(ServicesRegistry, MailClientIsReadAsStored) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const HWND no_window = nullptr;
    Win32System system(no_window);
    // Stored without its NUL, with bytes after it, in the ANSI code page, empty.
    const std::pair<std::string, const char*> cases[] = {
        {"Windows Mail", "Windows Mail"},
        {{"Outlook\0xyz", 11}, "Outlook"},
        {"Posta \xE8", GetACP() == 1252 ? "Posta \xC3\xA8" : nullptr},
        {"", ""}};
    for (const auto& [data, client] : cases) {
        RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       DWORD(data.size()));
        if (!client) continue;
        EXPECT_EQ(system.mail_client(), client) << client;
    }
    RegDeleteValueA(key, "");  // the scenarios set the value they need
    RegCloseKey(key);
}
