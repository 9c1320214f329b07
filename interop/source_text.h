#pragma once
// Outside files come as UTF-8 or, from older tools and the game's own logs,
// as Windows-1252. Readers keep texts in UTF-8.
#include <string>
#include <string_view>

namespace qm {

bool IsValidUtf8(std::string_view text);
// The text itself when it is valid UTF-8, otherwise read as Windows-1252.
std::string SourceTextAsUtf8(std::string_view text);

}  // namespace qm
