// The information box, driven by the messages a user's clicks and keys send it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "win32/about_box.h"

namespace {

std::vector<std::string> opened;  // what the box handed to the system
const wchar_t* clicked;           // the part's text; null: IDCANCEL (Escape, the close box)
enum { NotYet, Acted, LeftOpen, NoSuchPart } outcome;

// A thread timer's tick inside the box's own message loop: once the box shows, the click or
// IDCANCEL; a box still there at a later tick was left open, and is closed.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = FindWindowW(L"#32770", L"Vitrelo");
    const HWND part = box && clicked ? FindWindowExW(box, nullptr, nullptr, clicked) : nullptr;
    if (!box || (outcome == NotYet && !IsWindowVisible(box))) return;
    if (outcome != NotYet || (clicked && !part)) {
        outcome = outcome == Acted ? LeftOpen : NoSuchPart;
        EndDialog(box, IDOK);
        return;
    }
    outcome = Acted;
    if (!clicked)
        SendMessageW(box, WM_COMMAND, IDCANCEL, 0);
    else if (GetDlgCtrlID(part) == IDOK)
        SendMessageW(part, BM_CLICK, 0, 0);
    else
        SendMessageW(part, WM_LBUTTONDOWN, MK_LBUTTON, 0), SendMessageW(part, WM_LBUTTONUP, 0, 0);
}

TEST(AboutBox, ALinkOpensItsAddressAndClosesTheBoxOkAndCancelOnlyClose) {
    const std::string subject = "?Subject=Vitrelo -   Versione 3.0.0";
    const std::tuple<const wchar_t*, std::vector<std::string>, bool> cases[] = {
        {L"autore@example.org", {"mailto:autore@example.org" + subject}, true},
        {L"studio@example.org", {"mailto:studio@example.org" + subject}, true},
        {L"www.example.org/", {"http://www.example.org/"}, true},  // the logo
        {L"OK", {}, true},
        {nullptr, {}, true},
        {L"  Versione 3.0.0", {}, false}};
    for (const auto& c : cases) {
        const auto& [part, links, closed] = c;
        opened.clear(), clicked = part, outcome = NotYet;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, tick);
        vitrelo::win32::show_about_box(
            nullptr, vitrelo::Language::Italian,
            [](HWND, const std::string& target) { opened.push_back(target); });
        KillTimer(nullptr, timer);
        ASSERT_TRUE(outcome == Acted || outcome == LeftOpen)
            << "case " << &c - cases << ": no box, or no such part";
        EXPECT_EQ(std::tuple(opened, outcome == Acted), std::tuple(links, closed))
            << "case " << &c - cases;
    }
}

}  // namespace
