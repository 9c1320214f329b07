#pragma once
// A text of a foreign file inside a warning or refusal: quoted, its line
// breaks, tabs and other control characters turned into blanks, so every
// message stays one line whatever the file holds.
#include <string>
#include <string_view>

namespace qm {

std::string QuotedText(std::string_view text);

}  // namespace qm
