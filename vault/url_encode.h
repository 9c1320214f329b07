#pragma once
// Encoding of a search term for a web address. It belongs with the desktop
// shell's services, but the vault browser needs it and sits below the shell,
// so it lives here until the shell library takes it over.
#include <string>
#include <string_view>

namespace qm {

// Letters, digits, "-", "." and "_" are kept; a blank becomes "+" (or "%20"
// when spaceAsPlus is false); every other byte becomes "%" and two upper-case
// hexadecimal digits.
std::string UrlEncode(std::string_view text, bool spaceAsPlus);

}  // namespace qm
