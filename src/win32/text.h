// UTF-8 (the program's strings) <-> UTF-16 (the wide Win32 API), at the boundary.
#pragma once

#include <string>

namespace vitrelo::win32 {

std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& wide);

}  // namespace vitrelo::win32
