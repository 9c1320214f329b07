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

struct Deflater::State {
  z_stream Stream{};
  bool Started = false;
  std::string Failure;  // once set, every later call gives it
  std::vector<std::uint8_t> Packed;
};

Deflater::Deflater(int level) : state_(std::make_unique<State>()) {
  state_->Started = deflateInit(&state_->Stream, level) == Z_OK;
  if (!state_->Started) state_->Failure = "packing failed";
}

Deflater::~Deflater() {
  if (state_->Started) deflateEnd(&state_->Stream);
}

Status Deflater::Run(std::string_view piece, bool last) {
  State& s = *state_;
  if (!s.Failure.empty()) return Status::Failure(s.Failure);
  for (;;) {
    const std::size_t feed = std::min(piece.size(), kChunk);
    s.Stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
    s.Stream.avail_in = static_cast<uInt>(feed);
    const bool finishing = last && feed == piece.size();
    int status = Z_OK;
    do {
      // The output grows as it fills, opened a piece at a time: a page is
      // touched only shortly before it is written.
      const std::size_t used = s.Packed.size();
      if (s.Packed.capacity() - used < kFileChunk) {
        s.Packed.reserve(std::max(2 * s.Packed.capacity(), kDeflatePiece));
      }
      s.Packed.resize(std::min(s.Packed.capacity(), used + kDeflatePiece));
      s.Stream.next_out = s.Packed.data() + used;
      s.Stream.avail_out = static_cast<uInt>(std::min(s.Packed.size() - used, kChunk));
      const std::size_t room = s.Stream.avail_out;
      status = deflate(&s.Stream, finishing ? Z_FINISH : Z_NO_FLUSH);
      s.Packed.resize(used + room - s.Stream.avail_out);
      if (status == Z_STREAM_ERROR) {
        s.Failure = "packing failed";
        return Status::Failure(s.Failure);
      }
    } while (finishing ? status != Z_STREAM_END : s.Stream.avail_in > 0 || s.Stream.avail_out == 0);
    piece.remove_prefix(feed);
    if (piece.empty()) return Status::Success();
  }
}

Status Deflater::Add(std::string_view piece) {
  return Run(piece, false);
}

Result<std::vector<std::uint8_t>> Deflater::Finish() {
  using Packed = Result<std::vector<std::uint8_t>>;
  if (const Status done = Run({}, true); !done.Ok()) return Packed::Failure(done.error);
  state_->Failure = "the stream is finished";
  return std::move(state_->Packed);
}

Result<std::vector<std::uint8_t>> DeflateStream(
    std::string_view text, int level, const std::function<bool(std::size_t packed)>& keepGoing) {
  using Packed = Result<std::vector<std::uint8_t>>;
  Deflater deflater(level);
  for (std::size_t fed = 0; fed < text.size();) {
    const std::size_t piece = std::min(kDeflatePiece, text.size() - fed);
    if (const Status added = deflater.Add(text.substr(fed, piece)); !added.Ok()) {
      return Packed::Failure(added.error);
    }
    fed += piece;
    if (keepGoing && !keepGoing(fed)) return Packed::Failure(kPackingStopped);
  }
  return deflater.Finish();
}

}  // namespace qm
