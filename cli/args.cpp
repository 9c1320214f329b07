#include "cli/args.h"

#include <algorithm>
#include <charconv>

#include "core/text.h"

namespace qm::cli {
namespace {

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
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
    if (Contains(flagNames, name) && !inlineValue) {
      args.options_.emplace_back(name, "");
    } else if (Contains(valueNames, name)) {
      if (!inlineValue) {
        if (i + 1 >= words.size()) {
          error = "option --" + name + " needs a value";
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

std::optional<long long> ParseInteger(std::string_view text, long long min, long long max) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || value < min || value > max)
    return std::nullopt;
  return value;
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
