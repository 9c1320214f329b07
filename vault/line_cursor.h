#pragma once
// Walks a text line by line without copying it. A line ends with CR LF, LF or
// a lone CR; the last line needs no line end.
#include <cstddef>
#include <cstring>
#include <string_view>

namespace qm {

class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}

  // The next line, or false at the end of the text.
  bool Next(std::string_view& line) {
    if (pos_ >= text_.size()) return false;
    const char* begin = text_.data() + pos_;
    const std::size_t rest = text_.size() - pos_;
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', rest));
    const std::size_t lfAt = lf != nullptr ? static_cast<std::size_t>(lf - begin) : rest;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', lfAt));
    std::size_t length = lfAt;
    std::size_t skip = lf != nullptr ? 1 : 0;
    if (cr != nullptr) {
      length = static_cast<std::size_t>(cr - begin);
      skip = (length + 1 == lfAt && lf != nullptr) ? 2 : 1;  // CR LF, or a lone CR
    }
    line = std::string_view(begin, length);
    pos_ += length + skip;
    ++number_;
    return true;
  }
  // 1-based number of the line Next gave last.
  std::size_t Number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t number_ = 0;
};

}  // namespace qm
