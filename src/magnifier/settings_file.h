// The settings file's text, read and rewritten by the rules of the Windows profile
// (INI) functions, so that a file edited by hand or by another program reads the same.
#pragma once

#include <string>

#include "magnifier/settings.h"

namespace vitrelo {

// The file's bytes are UTF-16 (little-endian) when they begin with its mark, else UTF-8
// or ANSI (a UTF-8 mark is skipped); the file is rewritten in the form it had.

// The options in the file's text ([Opzioni], and one key per calibrated monitor in
// [Calibrazione]); the defaults for whatever is missing.
// Section and key names match in any letter case; the first section of the name and
// the first key of the name in it count; blanks around a name or a value, then one
// pair of quotes around a value, are dropped. Lines end with CRLF or LF.
Settings settings_from_text(const std::string& file);

// The file's text with the options stored in it and every other byte kept: a
// value found is replaced where it stands, a key missing is added at the end of the
// section (before the blank lines that close it), a missing section is added at the
// end of the file. A unit, colour format or language at its default and an empty calibration
// are only written over a value the file has. New lines end with CRLF; "" gives the
// whole file of a first start.
std::string updated_settings_text(const std::string& old_text, const Settings& settings);

}  // namespace vitrelo
