#include "cli/args.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/text.h"

namespace qm::cli {
namespace {

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// How a range reads in a reason: "0-3", "from -1 to 65535", "from 0 up".
std::string RangeText(long long min, long long max) {
  constexpr long long kIntMax = std::numeric_limits<int>::max();
  constexpr long long kIntMin = std::numeric_limits<int>::min();
  if (min <= kIntMin && max >= kIntMax) return "a whole number";
  if (max >= kIntMax) return "a whole number from " + std::to_string(min) + " up";
  if (min < 0) return "a number from " + std::to_string(min) + " to " + std::to_string(max);
  return "a number " + std::to_string(min) + "-" + std::to_string(max);
}

}  // namespace

std::optional<Args> Args::Parse(const std::vector<std::string>& words,
                                std::vector<std::string_view> flagNames,
                                std::vector<std::string_view> valueNames, std::string& error) {
  Args args;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
      args.positional_.push_back(word);
      continue;
    }
    std::string name = word.substr(2);
    std::string value;
    bool inlineValue = false;
    if (const auto eq = name.find('='); eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
      inlineValue = true;
    }
    if (Contains(flagNames, name)) {
      if (inlineValue) {
        error = "--" + name + " takes no value";
        return std::nullopt;
      }
      args.options_.emplace_back(name, "");
    } else if (Contains(valueNames, name)) {
      if (!inlineValue) {
        if (i + 1 >= words.size()) {
          error = "--" + name + " needs a value";
          return std::nullopt;
        }
        value = words[++i];
      }
      args.options_.emplace_back(name, value);
    } else {
      error = "unknown option " + word;
      return std::nullopt;
    }
  }
  return args;
}

bool Args::Has(std::string_view name) const {
  return std::any_of(options_.begin(), options_.end(),
                     [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> Args::Value(std::string_view name) const {
  std::optional<std::string> found;
  for (const auto& option : options_)
    if (option.first == name) found = option.second;
  return found;
}

std::vector<std::string> Args::Values(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& option : options_)
    if (option.first == name) values.push_back(option.second);
  return values;
}

bool ExpectPositionals(const Args& args, std::vector<std::string_view> names, std::string& error,
                       bool lastRepeats) {
  const std::vector<std::string>& words = args.Positional();
  if (words.size() < names.size()) {
    error = "missing " + std::string(names[words.size()]);
    return false;
  }
  if (words.size() > names.size() && !(lastRepeats && !names.empty())) {
    error = "too many arguments: " + words[names.size()];
    return false;
  }
  return true;
}

std::optional<long long> ParseInteger(std::string_view text, long long min, long long max) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
    return std::nullopt;
  return value;
}

std::optional<long long> ParseNumberArgument(std::string_view what, std::string_view text,
                                             long long min, long long max, std::string& error) {
  const auto value = ParseInteger(text, min, max);
  if (!value) error = BadValueReason(what, RangeText(min, max), text);
  return value;
}

bool ReadNumberOption(const Args& args, std::string_view name, long long min, long long max,
                      std::optional<long long>& value, std::string& error) {
  const auto text = args.Value(name);
  if (!text) return true;
  value = ParseNumberArgument("--" + std::string(name), *text, min, max, error);
  return value.has_value();
}

std::string BadValueReason(std::string_view what, std::string_view accepted, std::string_view got) {
  return std::string(what) + " needs " + std::string(accepted) + ", got " +
         (got.empty() ? std::string("nothing") : std::string(got));
}

std::optional<int> ParseRealm(std::string_view text) {
  if (auto number = ParseInteger(text, 0, 2)) return static_cast<int>(*number);
  constexpr std::string_view kNames[3][2] = {
      {"Albion", "Alb"}, {"Hibernia", "Hib"}, {"Midgard", "Mid"}};
  for (int realm = 0; realm < 3; ++realm)
    for (std::string_view name : kNames[realm])
      if (SameTextIgnoringCase(text, name)) return realm;
  return std::nullopt;
}

}  // namespace qm::cli
