// The service ports against real Win32 (run under Wine): files replaced whole or not at all,
// the Save As dialog, the clipboard, the mail client's registry value. (The settings file's
// bytes and a JPEG's pixels: the scenarios.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "win32/raii.h"
#include "win32/services.h"
#include "win32/text.h"

namespace {

using namespace vitrelo;
using namespace vitrelo::win32;
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

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
    fs::path dir;
    Win32Storage storage;
};

}  // namespace

// A file is replaced whole or not at all, and nothing is left beside it either way.
TEST_F(Services, FilesAreReplacedWholeOrNotAtAll) {
    std::ofstream(dir / L"a.bmp", std::ios::binary) << "contenuto di prima, più lungo";
    ASSERT_TRUE(storage.write_file(at(L"a.bmp"), Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_EQ(storage.read_file(at(L"a.bmp")), (Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_FALSE(storage.file_exists(utf8(dir.wstring()))) << "a folder is not a file";
    fs::create_directory(dir / L"folder.bmp");
    const HANDLE held =
        CreateFileW((dir / L"a.bmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (const std::wstring target : {L"missing\\a.bmp", L"folder.bmp", L"a.bmp"}) {
        EXPECT_FALSE(storage.write_file(at(target), Bytes{'x'})) << utf8(target);
        EXPECT_FALSE(storage.write_image(pattern(4, 3), at(target), ImageFormat::Png))
            << utf8(target);
    }
    CloseHandle(held);
    EXPECT_EQ(storage.read_file(at(L"a.bmp")), (Bytes{'n', 'u', 'o', 'v', 'o'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "a file left beside";
}

// From MAX_PATH characters on, Windows takes a path only in its "\\?\" form (Wine takes both).
TEST(ServicesPaths, PathsOfMaxPathCharactersOrMoreTakeTheExtendedForm) {
    const std::wstring n254(254, L'n'), n255(255, L'n');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\d\\" + n254, L"C:\\d\\" + n254},  // 259 characters
        {L"C:\\d\\" + n255, L"\\\\?\\C:\\d\\" + n255},
        {L"C:\\d\\..\\e\\" + n255, L"\\\\?\\C:\\e\\" + n255},
        {L"\\\\server\\share\\" + n255, L"\\\\?\\UNC\\server\\share\\" + n255},
        {L"\\\\?\\C:\\" + n255, L"\\\\?\\C:\\" + n255}};
    for (const auto& [path, form] : cases)
        EXPECT_EQ(extended_path(path), form) << utf8(path.substr(0, 20));
}

// Types `typed` into the Save As dialog and presses OK, from another thread as a user
// would; cancels when OK does not close it.
DWORD WINAPI typist(void* typed) {
    HWND dialog = nullptr;
    for (int i = 0; i < 250 && !dialog; ++i, Sleep(20))
        dialog = FindWindowW(L"#32770", L"Save test");
    for (const int box : {0x47C, 0x480})  // the name's box: Windows', Wine's
        SetDlgItemTextW(dialog, box, static_cast<const wchar_t*>(typed));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 250 && IsWindow(dialog); ++i)
        Sleep(20);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

// What the dialog gives back when `name` is typed into it.
std::optional<std::string> save_as_typed(const std::wstring& name) {
    const Handle thread(
        CreateThread(nullptr, 0, typist, const_cast<wchar_t*>(name.c_str()), 0, nullptr));
    const HWND no_owner = nullptr;
    const vitrelo::Language language = vitrelo::Language::Italian;
    const auto path =
        Win32Dialogs(no_owner, language).save_as({"Save test", "Bitmap|*.bmp|", "", "x", "bmp"});
    WaitForSingleObject(thread.get(), INFINITE);
    return path;
}

TEST_F(Services, SaveAsGivesBackANameOfMoreThan255Characters) {
    const std::wstring folder(258 - dir.wstring().size() - 7, L'c');
    fs::create_directory(dir / folder);
    const std::wstring name = (dir / folder / L"f.bmp").wstring();
    ASSERT_EQ(name.size(), 258u);  // within MAX_PATH, which Wine's dialog does not pass
    EXPECT_EQ(save_as_typed(name), utf8(name));
}

// A folder chosen in the dialog stays free: a USB stick holding it can be ejected.
TEST_F(Services, SaveAsLeavesTheCurrentFolderAsItWas) {
    const fs::path before = fs::current_path();
    ASSERT_EQ(save_as_typed((dir / L"g.bmp").wstring()), utf8((dir / L"g.bmp").wstring()));
    EXPECT_EQ(fs::current_path(), before);
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
