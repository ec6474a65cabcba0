// The calibration dialog, driven by the messages typing, a drag and its buttons send it.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "win32/calibration_box.h"

namespace {

enum class Act { Type, Drag, TypeAndCancel };
Act act;
const wchar_t* shown_ppi;  // the text the box must show before the button
enum { NotYet, Acted, NotShown } outcome;

// A thread timer's tick inside the box's own message loop: once the box shows, the act and the
// button; a box still there later is closed.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = FindWindowW(L"#32770", L"Calibra \\\\.\\TEST");
    if (!box || !IsWindowVisible(box)) return;
    if (outcome != NotYet) return void(EndDialog(box, IDABORT));
    outcome = Acted;
    if (act == Act::Drag) {  // the bar's end, from 96 ppi, to 12 + 337 pixels: 100 ppi
        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 90));
        SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(349, 95));
        SendMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(349, 95));
    } else {
        SetWindowTextW(FindWindowExW(box, nullptr, L"Edit", nullptr), L"21,5");
    }
    if (!FindWindowExW(box, nullptr, nullptr, shown_ppi)) outcome = NotShown;
    const HWND button =
        FindWindowExW(box, nullptr, L"Button", act == Act::TypeAndCancel ? L"Annulla" : L"OK");
    SendMessageW(button, BM_CLICK, 0, 0);
}

TEST(CalibrationBox, TheDiagonalOrTheBarGiveThePixelsPerInchShownAndOkKeepsThem) {
    vitrelo::Monitor monitor;
    static_cast<vitrelo::Rect&>(monitor) = {0, 0, 1920, 1080};
    monitor.name = "\\\\.\\TEST";
    // 1920 x 1080 on 21.5 inches: 102.46 ppi.
    const std::tuple<Act, const wchar_t*, std::optional<double>> cases[] = {
        {Act::Type, L"Pixel per pollice: 102,5", 102.46},
        {Act::Drag, L"Pixel per pollice: 100,0", 100.0},
        {Act::TypeAndCancel, L"Pixel per pollice: 102,5", std::nullopt}};
    for (const auto& [what, text, ppi] : cases) {
        act = what, shown_ppi = text, outcome = NotYet;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, tick);
        const std::optional<double> got =
            vitrelo::win32::show_calibration_box(nullptr, monitor, 96, vitrelo::Language::Italian);
        KillTimer(nullptr, timer);
        EXPECT_EQ(outcome, Acted) << text;
        EXPECT_NEAR(got.value_or(-1), ppi.value_or(-1), 0.01) << text;
    }
}

}  // namespace
