#pragma once
// The vault file is one zlib stream (RFC 1950) around the vault text.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

// The shipped vault is packed at the fastest level.
inline constexpr int kVaultPackLevel = 1;

// Inflated text in one block, filled without being cleared first and grown
// in place: a vault inflates to tens of megabytes, and clearing or copying
// them would cost as much as inflating.
class TextBuffer {
 public:
  std::string_view View() const { return {data_.get(), size_}; }
  std::size_t Size() const { return size_; }

 private:
  friend Result<TextBuffer> InflateStreamBuffer(std::span<const std::uint8_t> packed);
  struct Free {
    void operator()(char* block) const;
  };
  std::unique_ptr<char, Free> data_;
  std::size_t size_ = 0;
};

// Inflates one complete zlib stream. Fails for data that is not a zlib
// stream, a damaged or cut-off stream, or bytes after the stream's end.
Result<TextBuffer> InflateStreamBuffer(std::span<const std::uint8_t> packed);
Result<std::string> InflateStream(std::span<const std::uint8_t> packed);
Result<std::vector<std::uint8_t>> DeflateStream(std::string_view text, int level = kVaultPackLevel);

}  // namespace qm
