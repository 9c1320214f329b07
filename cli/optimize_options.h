#pragma once
// The words the optimize command takes apart: slot lists ("9-14", "1,2,5-8"),
// a figure with a number ("Strength=2.5"), a list of figures and the owned
// items' names file. Each parser returns the value or the reason, worded for
// the usage line ("--lock needs slots 1-19 such as 1,2,5-8, got 0-3").
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm::cli {

// Slot numbers 1..19, in the order given; a range "A-B" with A <= B stands for
// every slot from A to B. what names the option in the reason.
Result<std::vector<int>> ParseSlotList(std::string_view what, std::string_view text);

// A decimal number ("2", "0.25", "1e3"), finite; nullopt for anything else.
std::optional<double> ParseDecimal(std::string_view text);

struct FigureNumber {
  std::string Figure;
  double Number = 0;
};
// FIGURE=NUMBER with a number of at least 0; wholeNumber asks for an integer.
Result<FigureNumber> ParseFigureNumber(std::string_view what, std::string_view text,
                                       bool wholeNumber);

// FIGURE,FIGURE,...; no figure empty.
Result<std::vector<std::string>> ParseFigureList(std::string_view what, std::string_view text);

// One item name per line in UTF-8, turned into the vault's Windows-1252;
// blank lines and the blanks around a name are ignored, as are a byte order
// mark and the carriage returns of a Windows file.
std::set<std::string> ParseOwnedNames(std::string_view text);

}  // namespace qm::cli
