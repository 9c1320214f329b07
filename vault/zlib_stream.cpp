#include "vault/zlib_stream.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace qm {

void TextBuffer::Free::operator()(char* block) const {
  std::free(block);
}

Result<TextBuffer> InflateStreamBuffer(std::span<const std::uint8_t> packed) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return Result<TextBuffer>::Failure("cannot start inflating");
  TextBuffer text;
  // Level-1 vault text packs about four to one; start a little above that.
  std::size_t capacity = std::max<std::size_t>(packed.size() * 5, 4096);
  text.data_.reset(static_cast<char*>(std::malloc(capacity)));
  std::size_t produced = 0;
  std::size_t consumed = 0;
  const char* failure = text.data_ ? nullptr : "out of memory";
  while (failure == nullptr) {
    if (produced == capacity) {
      // realloc moves large blocks by remapping pages, not by copying them.
      char* grown = static_cast<char*>(std::realloc(text.data_.get(), capacity * 2));
      if (grown == nullptr) {
        failure = "out of memory";
        break;
      }
      text.data_.release();
      text.data_.reset(grown);
      capacity *= 2;
    }
    // zlib counts in 32-bit units; feed and drain at most 1 GiB per call.
    constexpr std::size_t kChunk = std::size_t{1} << 30;
    const std::size_t inChunk = std::min(packed.size() - consumed, kChunk);
    const std::size_t outChunk = std::min(capacity - produced, kChunk);
    stream.next_in = const_cast<Bytef*>(packed.data() + consumed);
    stream.avail_in = static_cast<uInt>(inChunk);
    stream.next_out = reinterpret_cast<Bytef*>(text.data_.get() + produced);
    stream.avail_out = static_cast<uInt>(outChunk);
    const int status = inflate(&stream, Z_NO_FLUSH);
    consumed += inChunk - stream.avail_in;
    produced += outChunk - stream.avail_out;
    if (status == Z_STREAM_END) break;
    if (status == Z_OK) continue;
    if (status == Z_BUF_ERROR && stream.avail_out == 0) continue;  // output full: grow
    failure = status == Z_BUF_ERROR ? "the packed data ends before its stream does"
                                    : "the packed data is not a valid zlib stream";
  }
  inflateEnd(&stream);
  if (failure != nullptr) return Result<TextBuffer>::Failure(failure);
  if (consumed != packed.size()) {
    return Result<TextBuffer>::Failure("the packed data has bytes after its stream");
  }
  text.size_ = produced;
  return text;
}

Result<std::string> InflateStream(std::span<const std::uint8_t> packed) {
  auto buffer = InflateStreamBuffer(packed);
  if (!buffer.Ok()) return Result<std::string>::Failure(buffer.Error());
  return std::string(buffer.Value().View());
}

Result<std::vector<std::uint8_t>> DeflateStream(std::string_view text, int level) {
  if (text.size() > std::numeric_limits<uLong>::max() / 2) {
    return Result<std::vector<std::uint8_t>>::Failure("the text is too large to pack");
  }
  uLongf size = compressBound(static_cast<uLong>(text.size()));
  std::vector<std::uint8_t> packed(size);
  const int status = compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(text.data()),
                               static_cast<uLong>(text.size()), level);
  if (status != Z_OK) return Result<std::vector<std::uint8_t>>::Failure("packing failed");
  packed.resize(size);
  return packed;
}

}  // namespace qm
