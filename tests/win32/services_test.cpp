// The service ports against real Win32 (run under Wine): the settings file's bytes,
// files replaced whole or not at all, the clipboard, GDI+ JPEG files and the mail
// client's registry value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "magnifier/settings.h"
#include "magnifier/texts.h"
#include "win32/jpeg.h"
#include "win32/services.h"
#include "win32/text.h"

// The GDI+ flat API, linked here: the test decodes what the product wrote.
extern "C" {
int WINAPI GdiplusStartup(ULONG_PTR*, const void*, void*);
void WINAPI GdiplusShutdown(ULONG_PTR);
int WINAPI GdipCreateBitmapFromFile(const WCHAR*, void**);
int WINAPI GdipGetImageWidth(void*, UINT*);
int WINAPI GdipGetImageHeight(void*, UINT*);
int WINAPI GdipBitmapGetPixel(void*, INT, INT, DWORD*);
int WINAPI GdipDisposeImage(void*);
}

namespace {

using namespace vitrelo;
using namespace vitrelo::win32;
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

// A golden file beside this source; a Linux path reaches Wine through drive Z:.
fs::path golden(const char* name) {
    const std::string here = __FILE__;
    return fs::path(here.front() == '/' ? "Z:" + here : here).parent_path() / ".." / "golden" /
           name;
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
              (L"vitrelo_servizi_\u03a9_" + std::to_wstring(GetCurrentProcessId()));
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

TEST_F(Services, FirstSettingsWriteMatchesTheGoldenFile) {
    const std::string file = at(L"Vitrelo.ini");
    for (const StoredValue& v : stored_form(Settings{}))
        ASSERT_TRUE(storage.write_setting(file, text::kSettingsSection, v.key, v.value));
    EXPECT_EQ(contents(dir / L"Vitrelo.ini"), contents(golden("commands_vitrelo_nuovo.ini")));
}

TEST_F(Services, ReadSettingTrimsBlanksAndGivesEmptyForMissing) {
    put(dir / L"s.ini",
        "[Opzioni]\r\nZoom=\"  3.5 \"\r\nVuota=\r\nLunga=" + std::string(300, '7') + "\r\n");
    const struct {
        const char* section;
        const char* key;
        std::string value;
    } cases[] = {{"Opzioni", "Zoom", "3.5"},
                 {"Opzioni", "Vuota", ""},
                 {"Opzioni", "Manca", ""},
                 {"Opzioni", "Lunga", std::string(254, '7')}};
    for (const auto& c : cases)
        EXPECT_EQ(storage.read_setting(at(L"s.ini"), c.section, c.key), c.value) << c.key;
}

// A file is replaced whole or not at all, and nothing is left beside it either way.
TEST_F(Services, FilesAreReplacedWholeOrNotAtAll) {
    put(dir / L"a.bmp", "contenuto di prima, più lungo");
    ASSERT_TRUE(storage.write_file(at(L"a.bmp"), Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_EQ(storage.read_file(at(L"a.bmp")), (Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_FALSE(storage.file_exists(utf8(dir.wstring()))) << "a folder is not a file";
    fs::create_directory(dir / L"cartella.bmp");
    const HANDLE held = CreateFileW((dir / L"a.bmp").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (const std::wstring target : {L"manca\\a.bmp", L"cartella.bmp", L"a.bmp"}) {
        EXPECT_FALSE(storage.write_file(at(target), Bytes{'x'})) << utf8(target);
        EXPECT_FALSE(storage.write_jpeg(pattern(4, 3), at(target), 80)) << utf8(target);
    }
    CloseHandle(held);
    EXPECT_EQ(contents(dir / L"a.bmp"), "nuovo");
    EXPECT_EQ(entries(), (std::vector<std::wstring>{L"a.bmp", L"cartella.bmp"}));
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

TEST_F(Services, JpegDecodesBackToTheImage) {
    ASSERT_TRUE(storage.jpeg_available());
    const Image image{37, 21, std::vector<uint32_t>(37 * 21, 0xFF8000)};  // orange
    ASSERT_TRUE(storage.write_jpeg(image, at(L"foto.jpg"), 80));
    EXPECT_EQ(contents(dir / L"foto.jpg").substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(entries(), std::vector<std::wstring>{L"foto.jpg"});
    ULONG_PTR token = 0;
    const UINT_PTR input[4] = {1};  // GdiplusStartupInput: version 1, the rest zero
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), 0);
    void* decoded = nullptr;
    UINT w = 0, h = 0;
    DWORD argb = 0;
    ASSERT_EQ(GdipCreateBitmapFromFile((dir / L"foto.jpg").c_str(), &decoded), 0);
    GdipGetImageWidth(decoded, &w);
    GdipGetImageHeight(decoded, &h);
    GdipBitmapGetPixel(decoded, 18, 10, &argb);
    GdipDisposeImage(decoded);
    GdiplusShutdown(token);
    EXPECT_EQ(w, 37u);
    EXPECT_EQ(h, 21u);
    for (const int shift : {16, 8, 0})  // JPEG is lossy: each channel within a few levels
        EXPECT_NEAR(int(argb >> shift & 0xFF), int(image.pixels[0] >> shift & 0xFF), 6) << shift;
}

TEST(ServicesJpeg, ParameterBlockHoldsTheQualityAsOneLong) {
    // Wine's encoder ignores the quality, so the block is checked instead of the file.
    const JpegParameters parameters(80);
    const EncoderParameters& block = parameters.block();
    const GUID quality = {
        0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
    ASSERT_EQ(block.count, 1u);
    EXPECT_EQ(std::memcmp(&block.parameter[0].guid, &quality, sizeof(GUID)), 0);
    EXPECT_EQ(block.parameter[0].count, 1u);
    EXPECT_EQ(block.parameter[0].type, 4u);  // EncoderParameterValueTypeLong
    EXPECT_EQ(*static_cast<const ULONG*>(block.parameter[0].value), 80u);
    // GDI+ reads the entries right after the count, aligned for the pointer they hold.
    EXPECT_EQ(
        reinterpret_cast<const char*>(&block.parameter[0]) - reinterpret_cast<const char*>(&block),
        std::ptrdiff_t(sizeof(void*)));
}

TEST(ServicesRegistry, MailClientIsReadAsStored) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Clients\\Mail", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const HWND no_window = nullptr;
    Win32System system(no_window);
    const struct {
        const char* data;
        DWORD size;
        const char* client;
    } cases[] = {{"Windows Mail", 12, "Windows Mail"},  // stored without its NUL
                 {"Microsoft Outlook\0xyz", 22, "Microsoft Outlook"},
                 {"Posta \xE8", 7, GetACP() == 1252 ? "Posta \xC3\xA8" : nullptr},  // ANSI to UTF-8
                 {"", 0, ""}};
    for (const auto& c : cases) {
        RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.data), c.size);
        if (c.client) {
            EXPECT_EQ(system.mail_client(), c.client) << c.client;
        }
    }
    RegDeleteValueA(key, "");  // the scenarios set the value they need
    RegCloseKey(key);
}
