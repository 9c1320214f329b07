#pragma once
// Texts inside records are Windows-1252. These helpers compare them the way
// every lookup of the program does (letter case ignored) and convert them at
// the boundaries (JSON, XML, windows).
#include <string>
#include <string_view>

namespace qm {

// Upper-case form of one Windows-1252 character (ASCII and the Latin letters).
char FoldCase(char c);
// True when both texts are equal ignoring letter case; blanks count.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// True when part occurs in text, letter case ignored.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);
// Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view text);
// UTF-8 to Windows-1252; characters Windows-1252 lacks, and malformed
// sequences, become "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace qm
