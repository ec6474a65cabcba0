#include "win32/about_box.h"

#include <cstring>
#include <string>
#include <vector>

#include "magnifier/readout.h"
#include "magnifier/texts.h"
#include "win32/raii.h"
#include "win32/resources.h"
#include "win32/text.h"
#include "win32/window.h"

namespace vitrelo::win32 {

namespace {

enum Part : int {
    kIcon = 100,
    kName,
    kVersion,
    kCopyright,
    kAuthorMail,
    kCredit,
    kLogo,
    kPartnerMail,
    kUpperLine,
    kLowerLine,
};

constexpr int kWidth = 330, kHeight = 262;  // client area, pixels at 96 dpi; all below too
constexpr int kLogoWidth = 164, kLogoHeight = 27;

// What the box needs while it is up; reached through DWLP_USER.
struct AboutBox {
    Language language;
    std::string version;
    LinkOpener open;
    Font bold;
};

AboutBox& state_of(HWND box) {
    return *reinterpret_cast<AboutBox*>(GetWindowLongPtrW(box, DWLP_USER));
}

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

// "  Versione M.m.r" from the program's own version record; 0.0.0 when it has none.
// Read from the resource itself: the version functions live in version.dll, which is
// no known DLL (see libraries.h), and the fixed part of the record is all that is shown.
std::string program_version(Language language) {
    int major = 0, minor = 0, revision = 0;
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(resource::kVersion),
                                      MAKEINTRESOURCEW(16));  // RT_VERSION
    const DWORD size = found ? SizeofResource(nullptr, found) : 0;
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto* record = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    // VS_VERSIONINFO: three WORDs, the key "VS_VERSION_INFO" with its NUL, padding to
    // a DWORD boundary, then VS_FIXEDFILEINFO.
    constexpr size_t kFixedAt = 40;
    VS_FIXEDFILEINFO info = {};
    if (record && size >= kFixedAt + sizeof(info)) {
        std::memcpy(&info, record + kFixedAt, sizeof(info));
        if (info.dwSignature == 0xFEEF04BD) {
            major = HIWORD(info.dwFileVersionMS);
            minor = LOWORD(info.dwFileVersionMS);
            // FILEVERSION major,minor,0,revision: the revision is the fourth field.
            revision = LOWORD(info.dwFileVersionLS);
        }
    }
    return version_text(major, minor, revision, language);
}

void append(std::vector<WORD>& t, const wchar_t* s) {
    for (; *s; ++s)
        t.push_back(static_cast<WORD>(*s));
    t.push_back(0);
}

// An empty DLGTEMPLATE: no menu, the default class, the caption, the dialog font.
// The parts are made in code once the box exists, sized in pixels.
std::vector<WORD> empty_template() {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* d = reinterpret_cast<DLGTEMPLATE*>(t.data());
    d->style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    d->cx = 200;
    d->cy = 150;
    t.push_back(0);  // menu
    t.push_back(0);  // class
    append(t, wide(text::kTitle).c_str());
    t.push_back(8);  // point size
    append(t, L"MS Shell Dlg");
    if (t.size() % 2) t.push_back(0);  // DWORD alignment of what follows
    return t;
}

struct Place {
    int x, y, width, height;
};

// Pixels at 96 dpi to pixels at the box's DPI (its font grows with it).
int scaled(HWND box, int pixels) {
    return MulDiv(pixels, window_dpi(box), 96);
}

HWND add_part(HWND box, const wchar_t* kind, DWORD style, int id, Place p,
              const std::string& caption = {}) {
    HWND part = CreateWindowExW(
        0, kind, wide(caption).c_str(), WS_CHILD | WS_VISIBLE | style, scaled(box, p.x),
        scaled(box, p.y), scaled(box, p.width), scaled(box, p.height), box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
    SendMessageW(part, WM_SETFONT, SendMessageW(box, WM_GETFONT, 0, 0), FALSE);
    return part;
}

// Client area of kWidth x kHeight, centred on the work area.
void size_and_centre(HWND box) {
    RECT r{0, 0, scaled(box, kWidth), scaled(box, kHeight)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)));
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(box, nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void make_bold_name(HWND box, HWND name) {
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    font.lfHeight = font.lfHeight * 3 / 2;
    AboutBox& state = state_of(box);
    state.bold = Font(CreateFontIndirectW(&font));
    if (state.bold)
        SendMessageW(name, WM_SETFONT, reinterpret_cast<WPARAM>(state.bold.get()), FALSE);
}

std::string site_host() {
    const std::string site = text::kPartnerSite;
    const size_t slashes = site.find("//");
    return slashes == std::string::npos ? site : site.substr(slashes + 2);
}

void add_parts(HWND box) {
    const Language language = state_of(box).language;
    constexpr int kLine = kWidth - 24, kText = kWidth - 28;
    HWND icon = add_part(box, L"STATIC", SS_ICON, kIcon, {14, 12, 32, 32});
    SendMessageW(
        icon, STM_SETICON,
        reinterpret_cast<WPARAM>(LoadIconW(instance(), MAKEINTRESOURCEW(resource::kAppIcon))), 0);
    make_bold_name(box, add_part(box, L"STATIC", SS_LEFT, kName, {58, 12, 250, 22}, text::kTitle));
    add_part(box, L"STATIC", SS_LEFT, kVersion, {58, 36, 250, 16}, state_of(box).version);
    add_part(box, L"STATIC", SS_ETCHEDHORZ, kUpperLine, {12, 58, kLine, 2});
    add_part(box, L"STATIC", SS_LEFT, kCopyright, {14, 66, kText, 16}, text::kCopyright);
    add_part(box, L"STATIC", SS_LEFT | SS_NOTIFY, kAuthorMail, {14, 86, kText, 16},
             text::kAuthorMail);
    add_part(box, L"STATIC", SS_ETCHEDHORZ, kLowerLine, {12, 110, kLine, 2});
    add_part(box, L"STATIC", SS_LEFT, kCredit, {14, 118, kText, 32},
             std::string(text::kCreditPrefix.in(language)) + text::kPartner);
    // The partner's logo: a framed name of the site standing for the picture.
    add_part(box, L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_NOTIFY | WS_BORDER, kLogo,
             {(kWidth - kLogoWidth) / 2, 156, kLogoWidth, kLogoHeight}, site_host());
    add_part(box, L"STATIC", SS_LEFT | SS_NOTIFY, kPartnerMail, {14, 192, kText, 16},
             text::kPartnerMail);
    add_part(box, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
             {kWidth - 92, kHeight - 38, 80, 26}, text::kOk.in(language));
}

void add_tip(HWND tips, HWND box, int id, const std::string& tip) {
    std::wstring w = wide(tip);
    TOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V1_SIZE;  // understood by every version of the control
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = box;
    info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(box, id));
    info.lpszText = w.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// Owned by the box, so destroyed with it. Made after the box is topmost: a window
// that already owns a topmost window can no longer be made topmost.
void add_tips(HWND box) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, box,
                                nullptr, instance(), nullptr);
    if (!tips) return;
    const Language language = state_of(box).language;
    add_tip(tips, box, kAuthorMail, text::kMailTip.in(language));
    add_tip(tips, box, kLogo, std::string(text::kSiteTipPrefix.in(language)) + text::kPartnerSite);
    add_tip(tips, box, kPartnerMail, text::kMailTip.in(language));
    add_tip(tips, box, IDOK, text::kOkTip.in(language));
}

// A link that cannot be opened is not reported: the box closes in any case.
void follow(HWND box, const std::string& target) {
    state_of(box).open(box, target);
    EndDialog(box, IDOK);
}

void command(HWND box, int id, int code) {
    const bool clicked = code == STN_CLICKED || code == BN_CLICKED;
    const std::string& version = state_of(box).version;
    if (id == IDCANCEL || (id == IDOK && clicked))
        EndDialog(box, IDOK);  // Esc, the close box
    else if (id == kAuthorMail && clicked)
        follow(box, about_mail_link(text::kAuthorMail, version));
    else if (id == kPartnerMail && clicked)
        follow(box, about_mail_link(text::kPartnerMail, version));
    else if (id == kLogo && clicked)
        follow(box, text::kPartnerSite);
}

bool is_link(int id) {
    return id == kAuthorMail || id == kPartnerMail;
}
bool is_clickable(int id) {
    return is_link(id) || id == kLogo || id == IDOK;
}

INT_PTR CALLBACK about_procedure(HWND box, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(box, DWLP_USER, lp);
            size_and_centre(box);
            SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            add_parts(box);
            add_tips(box);
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            // The two addresses read as links: blue on the box's own face.
            if (!is_link(GetDlgCtrlID(reinterpret_cast<HWND>(lp)))) return FALSE;
            const HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, RGB(0, 0, 255));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_COMMAND:
            command(box, LOWORD(wp), HIWORD(wp));
            return TRUE;
        case WM_SETCURSOR: {
            const HCURSOR hand = LoadCursorW(instance(), MAKEINTRESOURCEW(resource::kHandCursor));
            if (!hand || !is_clickable(GetDlgCtrlID(reinterpret_cast<HWND>(wp)))) return FALSE;
            SetCursor(hand);
            SetWindowLongPtrW(box, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

void open_with_shell(HWND box, const std::string& target) {
    ShellExecuteW(box, nullptr, wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void show_about_box(HWND owner, Language language, LinkOpener open) {
    AboutBox state{language, program_version(language), open, Font()};
    std::vector<WORD> t = empty_template();
    DialogBoxIndirectParamW(instance(), reinterpret_cast<DLGTEMPLATE*>(t.data()), owner,
                            about_procedure, reinterpret_cast<LPARAM>(&state));
}

}  // namespace vitrelo::win32
