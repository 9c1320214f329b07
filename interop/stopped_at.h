#pragma once
// The one line a reader gives when a source breaks off or goes wrong midway:
// "stopped at line 1,204: the row breaks off".
#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

// The line of text holding the byte at offset (past the end: the last line).
std::string StoppedAtLine(std::string_view text, std::size_t offset, std::string_view why);

}  // namespace qm
