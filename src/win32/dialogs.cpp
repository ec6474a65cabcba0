// Message boxes, the Save As dialog and the information box.
#include "magnifier/texts.h"
#include "win32/about_box.h"
#include "win32/calibration_box.h"
#include "win32/services.h"
#include "win32/text.h"

namespace vitrelo::win32 {

namespace {

// The longest path the system takes, with its NUL: a name that does not fit makes the
// dialog fail.
constexpr size_t kFileCapacity = 32768;

// OFN_FILEMUSTEXIST is left out: Windows documents it for Open dialogs only ("It cannot be
// used with a Save As dialog box"), and where a Save As dialog honours it, it refuses every
// new name. Without OFN_NOCHANGEDIR the chosen folder would stay the process's current one,
// and a USB stick holding it could not be ejected until the program ends.
constexpr DWORD kSaveFlags =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;

const wchar_t* or_null(const std::wstring& s) {
    return s.empty() ? nullptr : s.c_str();
}

// "Name|*.ext|" -> "Name\0*.ext\0\0": the form the dialog reads.
std::wstring filter_of(const std::string& parts) {
    std::wstring filter = wide(parts);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.append(2, L'\0');
    return filter;
}

}  // namespace

void Win32Dialogs::message(const std::string& text, MessageKind kind) {
    const UINT icon = kind == MessageKind::Stop ? MB_ICONSTOP : MB_ICONINFORMATION;
    MessageBoxW(owner_, wide(text).c_str(), wide(text::kTitle).c_str(), MB_OK | icon);
}

std::optional<std::string> Win32Dialogs::save_as(const SaveRequest& request) {
    const std::wstring filter = filter_of(request.filter);
    const std::wstring folder = wide(request.initial_folder);
    const std::wstring title = wide(request.title);
    const std::wstring extension = wide(request.default_extension);
    // The suggested name leaves room for its NUL inside the buffer.
    std::wstring file = wide(request.name).substr(0, kFileCapacity - 1);
    file.resize(kFileCapacity, L'\0');

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(kFileCapacity);
    dialog.lpstrInitialDir = or_null(folder);
    dialog.lpstrTitle = or_null(title);
    dialog.Flags = kSaveFlags;
    dialog.lpstrDefExt = or_null(extension);
    if (!GetSaveFileNameW(&dialog))  // cancelled, unless the dialog reports an error
        return CommDlgExtendedError() == 0 ? std::nullopt : std::optional<std::string>("");
    file.resize(file.find(L'\0'));
    return utf8(file);
}

void Win32Dialogs::about() {
    show_about_box(owner_, language_);
}

std::optional<double> Win32Dialogs::calibrate(const Monitor& monitor, double ppi) {
    return show_calibration_box(owner_, monitor, ppi, language_);
}

}  // namespace vitrelo::win32
