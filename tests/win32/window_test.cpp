// The window side under Wine: what only the real Win32 calls show. One Application
// for the suite (its start-up show takes two seconds), driven the way the timer and
// the window procedures drive it.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>

#include "win32/application.h"
#include "win32/gdi_objects.h"
#include "win32/text.h"

namespace {

using namespace vitrelo;
using win32::Application;

// The tray icon's NOTIFYICONDATA message (NIM_MODIFY: does it exist?) to the shell.
bool tray_icon(HWND window, DWORD message) {
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = 1;
    return Shell_NotifyIconW(message, &data) != FALSE;
}

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        app_ = std::make_unique<Application>(GetModuleHandleW(nullptr));
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, look_at_logo);
        ASSERT_TRUE(app_->start());
        KillTimer(nullptr, timer);
    }
    // On a tick of the start-up show: is the logo shown, where in the main window's client
    // area, and is it its topmost child?
    static void CALLBACK look_at_logo(HWND, UINT, UINT_PTR, DWORD) {
        const win32::Windows& w = app_->windows();
        RECT r = {};
        GetWindowRect(w.logo, &r);
        MapWindowPoints(nullptr, w.main, reinterpret_cast<POINT*>(&r), 2);
        if (app_->controller().state().startup != Startup::Over)
            logo_seen_.insert({IsWindowVisible(w.logo) != FALSE, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, GetWindow(w.main, GW_CHILD) == w.logo});
    }
    static void TearDownTestSuite() {
        app_.reset();
        // The main window's end posted WM_QUIT: not for the suites that follow.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    void SetUp() override { ASSERT_EQ(app_->controller().state().startup, Startup::Over); }

    // One timer tick with the pointer away from the window, then what it queued
    // (the strip's and the lock's repaints) handled.
    static void pass(int i) {
        SetCursorPos(10 + i % 200, 10 + i % 90);
        app_->controller().tick();
        InvalidateRect(app_->windows().strip, nullptr, FALSE);
        InvalidateRect(app_->windows().lock, nullptr, FALSE);
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&msg);
    }
    static void toggle(CommandKind kind) { app_->controller().run(Command{kind}); }

    inline static std::unique_ptr<Application> app_;
    inline static std::set<std::tuple<bool, LONG, LONG, LONG, LONG, bool>> logo_seen_;
};

// Through the start-up show the logo lies over the middle of the picture (250 x 186), above
// it; it is gone once the magnifier runs, and so is the layered style of the fade.
TEST_F(WindowTest, TheLogoCoversThePicturesMiddleDuringTheStartUpShowOnly) {
    EXPECT_EQ(logo_seen_, (decltype(logo_seen_){{true, 53, 46, 144, 95, true}}));
    EXPECT_FALSE(IsWindowVisible(app_->windows().logo));
    EXPECT_FALSE(GetWindowLongW(app_->windows().main, GWL_EXSTYLE) & WS_EX_LAYERED);
}

// At 6x with the grid, the colour readout, inversion and the pointer drawn in capture mode.
TEST_F(WindowTest, GdiObjectsStayFlatOverThousandsOfPasses) {
    using enum CommandKind;
    app_->controller().run(Command{Zoom, 5});
    for (CommandKind kind : {Grid, PickColor, Invert, Capture})
        toggle(kind);
    int settled = 0;
    for (int i = 0; i < 3020; ++i) {
        if (i % 100 == 0)  // the screen's DC is made anew
            SendMessageW(app_->windows().main, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
        pass(i);
        if (i == 19) settled = live_gdi_objects();
    }
    EXPECT_GT(settled, 0) << "the probe must see at least the stock objects";
    EXPECT_EQ(live_gdi_objects(), settled);
    for (CommandKind kind : {Grid, PickColor, Invert, Capture})
        toggle(kind);
    app_->controller().run(Command{Zoom, 2});
}

// A frozen picture must survive a resize of the window: the picture grows or shrinks in place,
// the area it gains is white.
TEST_F(WindowTest, LockedPictureKeepsItsPixelsThroughAResize) {
    toggle(CommandKind::Capture);
    pass(0);
    keybd_event(VK_SPACE, 0, 0, 0);
    pass(1);
    keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_EQ(app_->controller().state().freeze, Freeze::Locked) << "the space bar did not lock";
    const PixelView before = app_->view().picture();
    for (int32_t i = 0; i < before.width * before.height; ++i)  // every pixel its own colour
        before.pixels[i] = uint32_t(i);
    const Rect window = app_->view().window_rect();
    app_->view().set_window_rect({window.left, window.top, window.width + 40, window.height - 30});
    const PixelView after = app_->view().picture();
    ASSERT_EQ(std::tuple(after.width, after.height),
              std::tuple(before.width + 40, before.height - 30));
    int wrong = 0;
    for (int32_t i = 0; i < after.width * after.height; ++i) {
        const int32_t x = i % after.width, y = i / after.width;
        wrong += after.pixels[i] != (x < before.width ? uint32_t(y * before.width + x) : kWhite);
    }
    EXPECT_EQ(wrong, 0);
    app_->view().set_window_rect(window);
    app_->controller().lock_clicked();  // unlocks
    app_->controller().lock_clicked();  // leaves capture mode
}

// What escapes a call from the system is caught there, and the magnifier runs on: a command
// that failed with the timer stopped (a popup, a drag) does not leave it stopped.
TEST_F(WindowTest, AFailureCaughtAtTheBoundaryStartsTheTimerAgain) {
    KillTimer(app_->windows().main, win32::kTimerId);
    EXPECT_FALSE(app_->guarded([] { throw std::runtime_error("a failing command"); }));
    EXPECT_TRUE(KillTimer(app_->windows().main, win32::kTimerId)) << "no timer to stop";
    app_->controller().recover();  // and the timer runs again
}

// GDI refuses a picture that large, as it refuses a huge window's in the 32-bit build: the old
// picture stays, and the size the controller lays out and draws by is still its size.
TEST_F(WindowTest, APictureTooLargeForGdiLeavesTheOldOneWithItsSize) {
    const Size before = app_->view().client_size();
    EXPECT_FALSE(app_->view().client_resized({70000, 70000}));
    const PixelView picture = app_->view().picture();
    EXPECT_EQ(std::tuple(app_->view().client_size(), picture.width, picture.height),
              std::tuple(before, before.width, before.height));
}

// Moved to a monitor at 150 %, the window takes the system's rectangle and draws its
// parts, the strip's font included, half as large again; back at 100 % they return.
TEST_F(WindowTest, ADpiChangeResizesTheWindowsParts) {
    const auto font_height = [] {
        LOGFONTW f = {};
        GetObjectW(app_->view().resources().strip_font(), sizeof(f), &f);
        return f.lfHeight;
    };
    const Rect before = app_->view().window_rect();
    const LONG font = font_height();
    toggle(CommandKind::PickColor);
    const std::tuple<int, Rect, LONG, LONG> changes[] = {
        {144, {50, 40, 300, 240}, 26, MulDiv(font, 3, 2)}, {96, before, 17, font}};
    for (const auto& [dpi, r, strip_height, font_then] : changes) {
        RECT suggested = {r.left, r.top, r.right(), r.bottom()}, strip = {};
        SendMessageW(app_->windows().main, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        pass(0);
        GetClientRect(app_->windows().strip, &strip);
        EXPECT_EQ(std::tuple(app_->view().window_rect(), strip.bottom, font_height()),
                  std::tuple(r, strip_height, font_then))
            << dpi;
    }
    toggle(CommandKind::PickColor);
}

// Hidden in the tray, the program must stay reachable when the shell restarts and forgets every
// icon: it puts its icon back on the shell's broadcast. The broadcast comes also with the icon
// still there (a display change): the window stays hidden, and hides again once restored.
TEST_F(WindowTest, TrayIconComesBackWhenTheShellRestarts) {
    const HWND main = app_->windows().main;
    for (const bool restarted : {true, false}) {
        toggle(CommandKind::MinimizeRestore);
        ASSERT_FALSE(app_->controller().state().view.shown);
        if (restarted) tray_icon(main, NIM_DELETE);  // what a shell restart does to it
        ASSERT_NE(tray_icon(main, NIM_MODIFY), restarted);
        SendMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        EXPECT_TRUE(tray_icon(main, NIM_MODIFY) && !app_->controller().state().view.shown);
        toggle(CommandKind::MinimizeRestore);
        EXPECT_TRUE(app_->controller().state().view.shown);
    }
}

// The end of the Windows session saves the options beside the program, as "Chiudi"
// would; an end that was called off saves nothing.
TEST_F(WindowTest, TheSessionsEndSavesTheOptions) {
    const std::wstring ini = win32::wide(win32::beside_program("Vitrelo.ini"));
    DeleteFileW(ini.c_str());
    const HWND main = app_->windows().main;
    EXPECT_TRUE(SendMessageW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    for (const BOOL ends : {FALSE, TRUE}) {
        SendMessageW(main, WM_ENDSESSION, ends, ENDSESSION_LOGOFF);
        EXPECT_EQ(GetFileAttributesW(ini.c_str()) != INVALID_FILE_ATTRIBUTES, ends) << ends;
    }
    DeleteFileW(ini.c_str());
}

}  // namespace
