#pragma once
// The vault file is one zlib stream (RFC 1950) around the vault text.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "core/result.h"

namespace qm {

// The shipped vault is packed at the fastest level.
inline constexpr int kVaultPackLevel = 1;
// No inflated text is taken past this, whatever bound its reader sets.
inline constexpr std::size_t kMaxInflatedBytes = std::size_t{1} << 30;

// How far the inflated text may grow, decided from the text so far: a vault's
// bound comes from the count in its header.
struct TextBound {
  std::size_t Bytes = kMaxInflatedBytes;
  // The refusal once the text would pass Bytes. Empty: inflating just stops
  // at Bytes, because the text so far already shows why it will be refused.
  std::string Why;
  bool Final = false;  // the bound no longer depends on more text
};
using TextBounder = std::function<TextBound(std::string_view textSoFar)>;

// Inflated text in one block, filled without being cleared first and grown
// in place: a vault inflates to tens of megabytes, and clearing or copying
// them would cost as much as inflating.
class TextBuffer {
 public:
  std::string_view View() const { return {data_.get(), size_}; }
  std::size_t Size() const { return size_; }

 private:
  friend class Inflater;
  struct Free {
    void operator()(char* block) const;
  };
  std::unique_ptr<char, Free> data_;
  std::size_t size_ = 0;
};

// Inflates one complete zlib stream. Fails for data that is not a zlib
// stream, a damaged or cut-off stream, bytes after the stream's end, and text
// past its bound (checked as it grows, so the excess is never held).
Result<TextBuffer> InflateStreamBuffer(std::span<const std::uint8_t> packed,
                                       const TextBounder& bound = {});
// The same, reading the packed bytes from a file piece by piece, so the file
// is never held whole; packedBytes gets the number of bytes read.
Result<TextBuffer> InflateFile(InputFile& file, const TextBounder& bound,
                               std::uint64_t& packedBytes);
Result<std::string> InflateStream(std::span<const std::uint8_t> packed);
Result<std::vector<std::uint8_t>> DeflateStream(std::string_view text, int level = kVaultPackLevel);

// Packs a text handed over piece by piece into one zlib stream, so a text of
// tens of megabytes never has to be held whole. The bytes do not depend on
// where the pieces end: they equal DeflateStream's of the whole text.
class Deflater {
 public:
  explicit Deflater(int level = kVaultPackLevel);
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  ~Deflater();
  Status Add(std::string_view piece);
  // The whole stream; the deflater takes no more pieces after it.
  Result<std::vector<std::uint8_t>> Finish();

 private:
  struct State;
  Status Run(std::string_view piece, bool last);
  std::unique_ptr<State> state_;
};

// The same bytes, packed piece by piece for a job: keepGoing(text bytes packed
// so far) is asked after each piece, and a false answer gives up with
// kPackingStopped.
Result<std::vector<std::uint8_t>> DeflateStream(
    std::string_view text, int level, const std::function<bool(std::size_t packed)>& keepGoing);
inline constexpr const char* kPackingStopped = "the packing was stopped";

}  // namespace qm
