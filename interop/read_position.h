#pragma once
// Where a reader stopped in a source, told the way a player finds it in an
// editor: by line, with thousands grouped ("stopped at line 1,204: ...").
#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// The 1-based line that holds byte offset of text (the last line past its end).
std::size_t LineOfOffset(std::string_view text, std::size_t offset);
// "stopped at line 1,204: the row breaks off".
std::string StoppedAtLine(std::size_t line, std::string_view why);

}  // namespace qm
