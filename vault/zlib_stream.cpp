#include "vault/zlib_stream.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace qm {
namespace {

// zlib counts in 32-bit units; feed and drain at most 1 GiB per call.
constexpr std::size_t kChunk = std::size_t{1} << 30;
constexpr std::size_t kFileChunk = std::size_t{1} << 16;
// A job packs a piece this large between two looks at its cancel token.
constexpr std::size_t kDeflatePiece = std::size_t{1} << 20;

// Where the packed bytes come from: the next piece, empty at the end.
using PackedSource = std::function<Result<std::span<const std::uint8_t>>()>;

TextBound Clamped(TextBound bound) {
  if (bound.Bytes >= kMaxInflatedBytes) {
    bound.Bytes = kMaxInflatedBytes;
    bound.Why = "the text is larger than " + SizeText(kMaxInflatedBytes);
  }
  return bound;
}

}  // namespace

void TextBuffer::Free::operator()(char* block) const {
  std::free(block);
}

// One inflate pass, checking the text's bound whenever it grows.
class Inflater {
 public:
  Inflater(const PackedSource& source, const TextBounder& bounder, std::size_t sizeHint)
      : source_(source), bounder_(bounder), sizeHint_(sizeHint) {}

  Result<TextBuffer> Run(std::uint64_t& consumed);

 private:
  bool Grow(const char*& failure);
  void AskBound() {
    bound_ = Clamped(bounder_ ? bounder_(std::string_view(text_.data_.get(), produced_))
                              : TextBound{kMaxInflatedBytes, "", true});
  }

  const PackedSource& source_;
  const TextBounder& bounder_;
  std::size_t sizeHint_;
  TextBound bound_;
  TextBuffer text_;
  std::size_t capacity_ = 0;
  std::size_t produced_ = 0;
  std::string why_;
};

// Makes room for more text, never beyond one byte past the bound: that byte
// tells a text that passes its bound from one that ends right at it.
bool Inflater::Grow(const char*& failure) {
  // Level-1 vault text packs about four to one; start a little above that.
  const std::size_t guess = std::max<std::size_t>(std::min(sizeHint_, kChunk) * 5, 4096);
  const std::size_t wanted = std::min(std::max(capacity_ * 2, guess), bound_.Bytes + 1);
  if (wanted <= capacity_) return true;
  // realloc moves large blocks by remapping pages, not by copying them.
  char* grown = static_cast<char*>(std::realloc(text_.data_.get(), wanted));
  if (grown == nullptr) {
    failure = "out of memory";
    return false;
  }
  text_.data_.release();
  text_.data_.reset(grown);
  capacity_ = wanted;
  return true;
}

Result<TextBuffer> Inflater::Run(std::uint64_t& consumed) {
  consumed = 0;
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return Result<TextBuffer>::Failure("cannot start inflating");
  AskBound();
  std::span<const std::uint8_t> input;
  bool inputEnded = false;
  bool quietStop = false;
  const char* failure = nullptr;
  int status = Z_OK;
  while (failure == nullptr && why_.empty()) {
    if (produced_ == capacity_ && !Grow(failure)) break;
    if (input.empty() && !inputEnded) {
      const auto piece = source_();
      if (!piece.Ok()) {
        why_ = piece.Error();
        break;
      }
      input = piece.Value();
      inputEnded = input.empty();
    }
    const std::size_t inChunk = std::min(input.size(), kChunk);
    const std::size_t outChunk = std::min(capacity_ - produced_, kChunk);
    stream.next_in = const_cast<Bytef*>(input.data());
    stream.avail_in = static_cast<uInt>(inChunk);
    stream.next_out = reinterpret_cast<Bytef*>(text_.data_.get() + produced_);
    stream.avail_out = static_cast<uInt>(outChunk);
    status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t used = inChunk - stream.avail_in;
    input = input.subspan(used);
    consumed += used;
    const std::size_t made = outChunk - stream.avail_out;
    produced_ += made;
    if (made > 0 && !bound_.Final) AskBound();
    if (bound_.Why.empty() && produced_ >= bound_.Bytes) {
      produced_ = bound_.Bytes;
      quietStop = true;
      break;
    }
    if (produced_ > bound_.Bytes) {
      why_ = bound_.Why;
      break;
    }
    if (status == Z_STREAM_END) break;
    if (status == Z_OK) continue;
    if (status == Z_BUF_ERROR && (stream.avail_out == 0 || (input.empty() && !inputEnded))) {
      continue;  // output full: grow; input used up: feed
    }
    failure = status == Z_BUF_ERROR ? "the packed data ends before its stream does"
                                    : "the packed data is not a valid zlib stream";
  }
  inflateEnd(&stream);
  if (failure != nullptr) return Result<TextBuffer>::Failure(failure);
  if (!why_.empty()) return Result<TextBuffer>::Failure(why_);
  if (!quietStop) {
    if (input.empty() && !inputEnded) {
      const auto piece = source_();
      if (!piece.Ok()) return Result<TextBuffer>::Failure(piece.Error());
      input = piece.Value();
    }
    if (!input.empty()) {
      return Result<TextBuffer>::Failure("the packed data has bytes after its stream");
    }
  }
  text_.size_ = produced_;
  return std::move(text_);
}

Result<TextBuffer> InflateStreamBuffer(std::span<const std::uint8_t> packed,
                                       const TextBounder& bound) {
  bool given = false;
  const PackedSource source = [&]() -> Result<std::span<const std::uint8_t>> {
    if (given) return std::span<const std::uint8_t>();
    given = true;
    return packed;
  };
  std::uint64_t consumed = 0;
  return Inflater(source, bound, packed.size()).Run(consumed);
}

Result<TextBuffer> InflateFile(InputFile& file, const TextBounder& bound,
                               std::uint64_t& packedBytes) {
  std::vector<std::uint8_t> buffer(kFileChunk);
  const PackedSource source = [&]() -> Result<std::span<const std::uint8_t>> {
    const auto got = file.Read(buffer);
    if (!got.Ok()) return Result<std::span<const std::uint8_t>>::Failure(got.Error());
    return std::span<const std::uint8_t>(buffer.data(), got.Value());
  };
  return Inflater(source, bound, static_cast<std::size_t>(file.Size())).Run(packedBytes);
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

Result<std::vector<std::uint8_t>> DeflateStream(
    std::string_view text, int level, const std::function<bool(std::size_t packed)>& keepGoing) {
  using Packed = Result<std::vector<std::uint8_t>>;
  if (text.size() > std::numeric_limits<uLong>::max() / 2) {
    return Packed::Failure("the text is too large to pack");
  }
  z_stream stream{};
  if (deflateInit(&stream, level) != Z_OK) return Packed::Failure("packing failed");
  std::vector<std::uint8_t> packed(deflateBound(&stream, static_cast<uLong>(text.size())));
  stream.next_out = packed.data();
  stream.avail_out = static_cast<uInt>(packed.size());
  std::size_t fed = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    const std::size_t piece = std::min(kDeflatePiece, text.size() - fed);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data() + fed));
    stream.avail_in = static_cast<uInt>(piece);
    fed += piece;
    status = deflate(&stream, fed == text.size() ? Z_FINISH : Z_NO_FLUSH);
    if (status == Z_OK && keepGoing && !keepGoing(fed)) {
      deflateEnd(&stream);
      return Packed::Failure(kPackingStopped);
    }
  }
  deflateEnd(&stream);
  if (status != Z_STREAM_END) return Packed::Failure("packing failed");
  packed.resize(stream.total_out);
  return packed;
}

}  // namespace qm
