#pragma once
// The vault file is one zlib stream (RFC 1950) around the vault text.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

// The shipped vault is packed at the fastest level.
inline constexpr int kVaultPackLevel = 1;

// Inflates one complete zlib stream. Fails for data that is not a zlib
// stream, a damaged or cut-off stream, or bytes after the stream's end.
Result<std::string> InflateStream(std::span<const std::uint8_t> packed);
Result<std::vector<std::uint8_t>> DeflateStream(std::string_view text, int level = kVaultPackLevel);

}  // namespace qm
