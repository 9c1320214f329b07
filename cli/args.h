#pragma once
// A small option reader shared by the commands: positional words, flags
// ("--json") and valued options ("--mode 2", repeatable ones collected in order).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::cli {

class Args {
 public:
  // flagNames: options without a value; valueNames: options taking one value.
  // Returns nullopt (with a message in error) for an unknown option or a missing value.
  static std::optional<Args> Parse(const std::vector<std::string>& words,
                                   std::vector<std::string_view> flagNames,
                                   std::vector<std::string_view> valueNames, std::string& error);

  const std::vector<std::string>& Positional() const { return positional_; }
  bool Has(std::string_view name) const;
  // The last value given for a valued option.
  std::optional<std::string> Value(std::string_view name) const;
  // Every value given for a repeatable option, in order.
  std::vector<std::string> Values(std::string_view name) const;

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> options_;  // name -> value ("" for flags)
};

// Parses a whole decimal number in [min, max]; nullopt otherwise.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

// A realm by number (0 Albion, 1 Hibernia, 2 Midgard) or by name ("Albion",
// "Hib", ...), letter case ignored.
std::optional<int> ParseRealm(std::string_view text);

}  // namespace qm::cli
