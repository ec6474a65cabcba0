// The information box, driven by the messages a user's clicks and keys send it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "win32/about_box.h"

namespace {

std::vector<std::string> opened;  // what the box handed to the system
const wchar_t* clicked;           // the part's text; null for the Escape key
HWND acted_on;
bool no_part, stayed_open;

// A thread timer's tick inside the box's own message loop: the first acts on the box, a later
// one finds it still open and closes it.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    const HWND box = FindWindowW(L"#32770", L"Vitrelo");
    if (!box) return;
    if (box == acted_on) {
        stayed_open = true;
        EndDialog(box, IDOK);
        return;
    }
    acted_on = box;
    const HWND part = clicked ? FindWindowExW(box, nullptr, nullptr, clicked) : nullptr;
    no_part = clicked && !part;
    if (!clicked)
        PostMessageW(GetDlgItem(box, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    else if (GetDlgCtrlID(part) == IDOK)
        SendMessageW(part, BM_CLICK, 0, 0);
    else
        SendMessageW(part, WM_LBUTTONDOWN, MK_LBUTTON, 0), SendMessageW(part, WM_LBUTTONUP, 0, 0);
}

TEST(AboutBox, ALinkOpensItsAddressAndClosesTheBoxOkAndEscapeOnlyClose) {
    const std::string subject = "?Subject=Vitrelo -   Versione 3.0.0";
    const std::tuple<const wchar_t*, std::vector<std::string>, bool> cases[] = {
        {L"autore@example.org", {"mailto:autore@example.org" + subject}, true},
        {L"studio@example.org", {"mailto:studio@example.org" + subject}, true},
        {L"www.example.org/", {"http://www.example.org/"}, true},  // the logo
        {L"OK", {}, true},
        {nullptr, {}, true},  // Escape
        {L"  Versione 3.0.0", {}, false}};
    for (const auto& c : cases) {
        const auto& [part, links, closed] = c;
        opened.clear(), clicked = part, acted_on = nullptr, stayed_open = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 30, tick);
        vitrelo::win32::show_about_box(
            nullptr, [](HWND, const std::string& target) { opened.push_back(target); });
        KillTimer(nullptr, timer);
        ASSERT_TRUE(acted_on && !no_part) << "case " << &c - cases << ": no box, or no such part";
        EXPECT_EQ(std::tuple(opened, !stayed_open), std::tuple(links, closed))
            << "case " << &c - cases;
    }
}

}  // namespace
