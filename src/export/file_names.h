// What the save command does with the name the user chose.
#pragma once

#include <string>

namespace vitrelo {

// The name's last three characters (UTF-8 characters, not bytes) when it holds a
// dot anywhere, else "".
std::string extension_of(const std::string& name);

enum class SaveFormat { Bmp, Jpeg, Rejected };
// By the extension, in any letter case: "bmp", "jpg"; anything else is rejected.
SaveFormat save_format(const std::string& name);

}  // namespace vitrelo
