#pragma once
// A UTF-8 file that breaks off may end inside a character. Read as a whole
// it would no longer be UTF-8 and every accented name before the break would
// be read as Windows-1252; the readers drop the broken character instead.
#include <string_view>

namespace qm {

// text without a multi-byte character its end cuts short; text itself when
// it ends on a whole character.
std::string_view WithoutBrokenLastCharacter(std::string_view text);

}  // namespace qm
