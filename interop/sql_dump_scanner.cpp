#include "interop/sql_dump_scanner.h"

#include <charconv>

#include "core/text.h"

namespace qm {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool IsWordChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$';
}

bool IsKeyword(std::string_view word, std::string_view keyword) {
  return SameTextIgnoringCase(word, keyword);
}

// What a backslash escape of MySQL stands for; \% and \_ keep their backslash.
std::string_view Unescaped(char c) {
  switch (c) {
    case '0':
      return std::string_view("\0", 1);
    case 'b':
      return "\b";
    case 'n':
      return "\n";
    case 'r':
      return "\r";
    case 't':
      return "\t";
    case 'Z':
      return "\x1a";
    case '%':
      return "\\%";
    case '_':
      return "\\_";
    default:
      return {};
  }
}

}  // namespace

bool SqlValue::IsNull() const {
  return Quote == 0 && IsKeyword(Raw, "NULL");
}

std::string SqlText(const SqlValue& value) {
  if (value.IsNull()) return {};
  if (!value.Escaped) return std::string(value.Raw);
  std::string out;
  out.reserve(value.Raw.size());
  const std::string_view raw = value.Raw;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      const std::string_view special = Unescaped(raw[++i]);
      if (special.empty()) {
        out += raw[i];
      } else {
        out += special;
      }
    } else if (c == value.Quote && i + 1 < raw.size() && raw[i + 1] == c) {
      out += c;
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

long long SqlNumber(const SqlValue& value) {
  std::string_view raw = value.Raw;
  while (!raw.empty() && IsBlank(raw.front())) raw.remove_prefix(1);
  if (!raw.empty() && raw.front() == '+') raw.remove_prefix(1);
  long long number = 0;
  // "12.5" reads as 12: the columns read as numbers are whole numbers.
  const auto [ptr, ec] = std::from_chars(raw.data(), raw.data() + raw.size(), number);
  return ec == std::errc() ? number : 0;
}

SqlDumpScanner::SqlDumpScanner(std::string_view text, std::size_t maxRowBytes,
                               std::size_t maxValues)
    : text_(text), maxRowBytes_(maxRowBytes), maxValues_(maxValues) {}

void SqlDumpScanner::SkipBlanksAndComments() {
  const std::size_t n = text_.size();
  while (pos_ < n) {
    const char c = text_[pos_];
    if (IsBlank(c)) {
      ++pos_;
    } else if (c == '#' || (c == '-' && text_.substr(pos_, 2) == "--" &&
                            (pos_ + 2 >= n || IsBlank(text_[pos_ + 2])))) {
      const std::size_t end = text_.find('\n', pos_);
      pos_ = end == std::string_view::npos ? n : end + 1;
    } else if (c == '/' && text_.substr(pos_, 2) == "/*") {
      const std::size_t end = text_.find("*/", pos_ + 2);
      pos_ = end == std::string_view::npos ? n : end + 2;
    } else {
      return;
    }
  }
}

void SqlDumpScanner::SkipQuoted() {
  const char quote = text_[pos_++];
  const std::size_t n = text_.size();
  while (pos_ < n) {
    const char c = text_[pos_];
    if (c == '\\' && quote != '`') {
      pos_ += 2;
    } else if (c == quote) {
      ++pos_;
      if (pos_ < n && text_[pos_] == quote) {
        ++pos_;
      } else {
        return;
      }
    } else {
      ++pos_;
    }
  }
  pos_ = n;
}

void SqlDumpScanner::SkipStatement() {
  const std::size_t n = text_.size();
  while (pos_ < n) {
    SkipBlanksAndComments();
    if (pos_ >= n) return;
    const char c = text_[pos_];
    if (c == ';') {
      ++pos_;
      return;
    }
    if (c == '\'' || c == '"' || c == '`') {
      SkipQuoted();
    } else {
      ++pos_;
    }
  }
}

std::string_view SqlDumpScanner::Word() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && IsWordChar(text_[pos_])) ++pos_;
  return text_.substr(start, pos_ - start);
}

std::string_view SqlDumpScanner::Identifier() {
  SkipBlanksAndComments();
  if (AtEnd()) return {};
  const char c = text_[pos_];
  if (c == '`' || c == '"') {
    const std::size_t start = pos_ + 1;
    SkipQuoted();
    if (pos_ <= start) return {};
    return text_.substr(start, pos_ - start - 1);
  }
  return Word();
}

// After INSERT or REPLACE: [modifiers] [INTO] table [(columns)] VALUES.
bool SqlDumpScanner::ReadInsertHead() {
  columns_.clear();
  std::string_view word;
  for (;;) {
    SkipBlanksAndComments();
    const std::size_t before = pos_;
    word = Word();
    if (IsKeyword(word, "LOW_PRIORITY") || IsKeyword(word, "DELAYED") ||
        IsKeyword(word, "HIGH_PRIORITY") || IsKeyword(word, "IGNORE") || IsKeyword(word, "INTO")) {
      continue;
    }
    pos_ = before;
    break;
  }
  table_ = Identifier();
  if (!AtEnd() && text_[pos_] == '.') {
    ++pos_;
    table_ = Identifier();
  }
  if (table_.empty()) return false;
  SkipBlanksAndComments();
  if (!AtEnd() && text_[pos_] == '(') {
    ++pos_;
    for (;;) {
      const std::string_view column = Identifier();
      if (column.empty()) return false;
      if (columns_.size() < maxValues_) columns_.push_back(column);
      SkipBlanksAndComments();
      if (AtEnd()) return false;
      const char c = text_[pos_++];
      if (c == ')') break;
      if (c != ',') return false;
    }
  }
  SkipBlanksAndComments();
  word = Word();
  return IsKeyword(word, "VALUES") || IsKeyword(word, "VALUE");
}

SqlStep SqlDumpScanner::Next() {
  for (;;) {
    SkipBlanksAndComments();
    if (inValues_) {
      if (AtEnd()) {
        inValues_ = false;
        return SqlStep::kBrokenOff;  // a statement without its closing ";"
      }
      if (text_[pos_] == '(') return ReadRow();
      rowStart_ = pos_;
      inValues_ = false;
      SkipStatement();
      return SqlStep::kUnreadable;
    }
    if (AtEnd()) return SqlStep::kEnd;
    const std::string_view word = Word();
    if (IsKeyword(word, "INSERT") || IsKeyword(word, "REPLACE")) {
      ++statement_;
      if (ReadInsertHead()) {
        inValues_ = true;
        continue;
      }
    }
    SkipStatement();
  }
}

SqlStep SqlDumpScanner::ReadRow() {
  const char* s = text_.data();
  const std::size_t n = text_.size();
  rowStart_ = pos_++;
  values_.clear();
  valueCount_ = 0;
  bool oversized = false;
  const auto unreadable = [&] {
    values_.clear();
    inValues_ = false;
    SkipStatement();
    return SqlStep::kUnreadable;
  };
  for (;;) {
    while (pos_ < n && IsBlank(s[pos_])) ++pos_;
    if (pos_ >= n) return SqlStep::kBrokenOff;
    const char c = s[pos_];
    SqlValue value;
    if (c == '\'' || c == '"') {
      std::size_t p = pos_ + 1;
      for (;;) {
        if (p >= n) {
          pos_ = n;
          return SqlStep::kBrokenOff;
        }
        const char ch = s[p];
        if (ch == '\\') {
          value.Escaped = true;
          p += 2;
        } else if (ch == c) {
          if (p + 1 < n && s[p + 1] == c) {
            value.Escaped = true;
            p += 2;
          } else {
            break;
          }
        } else {
          ++p;
        }
      }
      value.Raw = text_.substr(pos_ + 1, p - pos_ - 1);
      value.Quote = c;
      pos_ = p + 1;
    } else if (c == ')' && valueCount_ == 0) {
      ++pos_;
      break;
    } else {
      std::size_t p = pos_;
      while (p < n && s[p] != ',' && s[p] != ')' && !IsBlank(s[p])) ++p;
      if (p == pos_) return unreadable();
      value.Raw = text_.substr(pos_, p - pos_);
      pos_ = p;
    }
    ++valueCount_;
    if (pos_ - rowStart_ > maxRowBytes_) oversized = true;
    if (!oversized && values_.size() < maxValues_) values_.push_back(value);
    while (pos_ < n && IsBlank(s[pos_])) ++pos_;
    if (pos_ >= n) return SqlStep::kBrokenOff;
    if (s[pos_] == ',') {
      ++pos_;
    } else if (s[pos_] == ')') {
      ++pos_;
      break;
    } else {
      return unreadable();
    }
  }
  // What follows the row: another row, the statement's end, or a clause we
  // do not read (ON DUPLICATE KEY UPDATE ...), passed over with its statement.
  SkipBlanksAndComments();
  if (!AtEnd()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else if (text_[pos_] == ';') {
      ++pos_;
      inValues_ = false;
    } else {
      inValues_ = false;
      SkipStatement();
    }
  }
  if (oversized || pos_ - rowStart_ > maxRowBytes_) {
    values_.clear();
    return SqlStep::kOversized;
  }
  return SqlStep::kRow;
}

}  // namespace qm
