// What the save command does with the name the user chose.
#pragma once

#include <string>

namespace vitrelo {

// The name's last three characters (UTF-8 characters, not bytes) when it holds a
// dot anywhere, else "".
std::string extension_of(const std::string& name);

// The folder of a file's Windows path as a user writes it (where the Save As dialog
// starts): without the final backslash, except for a root ("C:\\" stays: "C:" alone
// names the drive's current folder). "" when the path names no folder.
std::string folder_of(const std::string& path);

enum class SaveFormat { Bmp, Jpeg, Png, Rejected };
// By the extension, in any letter case: "bmp", "jpg", "png", and a name ending ".jpeg";
// anything else is rejected.
SaveFormat save_format(const std::string& name);

}  // namespace vitrelo
