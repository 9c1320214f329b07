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
  // Returns nullopt with the reason in error ("unknown option --jsn", "--mode
  // needs a value") for a word the command does not take.
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

// Checks the positional words against the names the usage line gives them;
// with lastRepeats the last name may stand for several words. The reason is
// "missing CODE" for the first absent word, "too many arguments: WORD" for the
// first one past the names.
bool ExpectPositionals(const Args& args, std::vector<std::string_view> names, std::string& error,
                       bool lastRepeats = false);

// Parses a whole decimal number in [min, max]; nullopt otherwise.
std::optional<long long> ParseInteger(std::string_view text, long long min, long long max);

// ParseInteger for the argument or option called what ("CODE", "--mode"); the
// reason says what it takes and what it got: "--mode needs a number 0-3, got x".
std::optional<long long> ParseNumberArgument(std::string_view what, std::string_view text,
                                             long long min, long long max, std::string& error);

// A valued option's number when given: false with the reason for a bad one,
// true (value untouched) when the option is absent.
bool ReadNumberOption(const Args& args, std::string_view name, long long min, long long max,
                      std::optional<long long>& value, std::string& error);

// The reason for an option's value that is none of the accepted ones:
// "--content needs all, materials, names or stats, got x".
std::string BadValueReason(std::string_view what, std::string_view accepted, std::string_view got);

// A realm by number (0 Albion, 1 Hibernia, 2 Midgard) or by name ("Albion",
// "Hib", ...), letter case ignored.
std::optional<int> ParseRealm(std::string_view text);
inline constexpr std::string_view kRealmAccepted = "a realm 0-2 or its name";

// The reason for an --out given an empty file name.
inline constexpr std::string_view kEmptyOutReason = "--out needs a file name";

}  // namespace qm::cli
