#pragma once
// Whole-file reads and crash-safe writes. A save goes to a temporary file in
// the target's folder and is renamed over the target only when complete, so a
// failed or interrupted save never destroys the previous file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

// Reads the whole file; fails with a one-line message for a missing path,
// a directory or a read error.
Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
// Reads at most maxBytes from the start of the file.
Result<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes);
// Writes bytes to path through a temporary file and a rename.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// The runtime's message for a file shorter than the record it must hold.
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

}  // namespace qm
