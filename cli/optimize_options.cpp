#include "cli/optimize_options.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "cli/args.h"
#include "core/template_record.h"
#include "core/text.h"

namespace qm::cli {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The pieces of a comma-separated list; an empty text has one empty piece.
std::vector<std::string_view> CommaPieces(std::string_view text) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0;;) {
    const auto comma = text.find(',', start);
    pieces.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) return pieces;
    start = comma + 1;
  }
}

}  // namespace

Result<std::vector<int>> ParseSlotList(std::string_view what, std::string_view text) {
  const auto bad = [&] {
    return Result<std::vector<int>>::Failure(
        BadValueReason(what, "slots 1-19 such as 1,2,5-8", text));
  };
  std::vector<int> slots;
  for (std::string_view piece : CommaPieces(text)) {
    const auto dash = piece.find('-');
    const auto first = ParseInteger(piece.substr(0, dash), 1, kSlotCount);
    const auto last = dash == std::string_view::npos
                          ? first
                          : ParseInteger(piece.substr(dash + 1), 1, kSlotCount);
    if (!first || !last || *last < *first) return bad();
    for (long long slot = *first; slot <= *last; ++slot) slots.push_back(static_cast<int>(slot));
  }
  return slots;
}

std::optional<double> ParseDecimal(std::string_view text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

Result<FigureNumber> ParseFigureNumber(std::string_view what, std::string_view text,
                                       bool wholeNumber) {
  const auto eq = text.find('=');
  const std::string_view accepted = wholeNumber ? "FIGURE=N with a whole number N from 0 up"
                                                : "FIGURE=W with a number W from 0 up";
  if (eq == std::string_view::npos || eq == 0)
    return Result<FigureNumber>::Failure(BadValueReason(what, accepted, text));
  const std::string_view number = text.substr(eq + 1);
  std::optional<double> value;
  if (wholeNumber) {
    if (const auto whole = ParseInteger(number, 0, std::numeric_limits<int>::max()))
      value = static_cast<double>(*whole);
  } else {
    value = ParseDecimal(number);
  }
  if (!value || *value < 0)
    return Result<FigureNumber>::Failure(BadValueReason(what, accepted, text));
  return FigureNumber{std::string(text.substr(0, eq)), *value};
}

Result<std::vector<std::string>> ParseFigureList(std::string_view what, std::string_view text) {
  std::vector<std::string> figures;
  for (std::string_view piece : CommaPieces(text)) {
    if (piece.empty())
      return Result<std::vector<std::string>>::Failure(
          BadValueReason(what, "figures separated by commas", text));
    figures.emplace_back(piece);
  }
  return figures;
}

std::set<std::string> ParseOwnedNames(std::string_view text) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::set<std::string> names;
  while (!text.empty()) {
    const auto newline = text.find('\n');
    const std::string_view name = Trimmed(text.substr(0, newline));
    if (!name.empty()) names.insert(Utf8ToCp1252(name));
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
  }
  return names;
}

}  // namespace qm::cli
