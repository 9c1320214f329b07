#include "mainwin/optimize_settings.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "optimizer/figures.h"
#include "optimizer/utility_goals.h"

namespace qm {
namespace {

constexpr std::string_view kModeLetters = "KVSE";  // in SlotMode's order
constexpr char kNoChoice = '-';
constexpr char kListSeparator = '|';

// The store keeps texts in the file system's encoding, which cannot hold
// every Windows-1252 byte; anything beyond plain ASCII and the separators
// goes as %XX, so each name comes back byte for byte.
std::string Escaped(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || c == '%' || c == kListSeparator || c == '=' || c == '/') {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
        HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (!text.empty()) {
    const std::size_t cut = std::min(text.find(separator), text.size());
    parts.push_back(text.substr(0, cut));
    text.remove_prefix(std::min(cut + 1, text.size()));
  }
  return parts;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string NumberText(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

// An integer value within [low, high], or fallback.
int ReadRanged(SettingsStorePort& store, std::string_view name, int low, int high, int fallback) {
  if (!store.ValueExists(name)) return fallback;
  const int value = store.ReadInteger(name);
  return value < low || value > high ? fallback : value;
}

std::string GoalKey(int classIndex) {
  return "OptimizeGoal" + std::to_string(classIndex);
}

}  // namespace

OptimizeSettings LoadOptimizeSettings(SettingsStorePort& store) {
  OptimizeSettings settings;
  if (!store.OpenKey(false)) return settings;
  if (store.ValueExists("OptimizeSlots")) {
    const std::string letters = store.ReadString("OptimizeSlots");
    for (std::size_t s = 0; s < letters.size() && s < settings.SlotChoices.size(); ++s) {
      const std::size_t mode = kModeLetters.find(letters[s]);
      if (mode != std::string_view::npos) settings.SlotChoices[s] = static_cast<SlotMode>(mode);
    }
  }
  settings.Vault = static_cast<VaultChoice>(ReadRanged(store, "OptimizeVault", 0, 2, 0));
  if (store.ValueExists("OptimizeOwned")) {
    const std::string names = store.ReadString("OptimizeOwned");
    for (std::string_view name : Split(names, kListSeparator))
      if (!name.empty()) settings.Owned.insert(Unescaped(name));  // no item goes without a name
  }
  settings.ItemLevel = ReadRanged(store, "OptimizeItemLevel", 1, 51, settings.ItemLevel);
  settings.Quality = ReadRanged(store, "OptimizeQuality", 94, 100, settings.Quality);
  settings.Overcharge =
      static_cast<OverchargeLimit>(ReadRanged(store, "OptimizeOvercharge", 0, 1, 0));
  settings.OverchargePoints = ReadRanged(store, "OptimizePoints", 0, 5, settings.OverchargePoints);
  settings.SuccessPercent = ReadRanged(store, "OptimizeSuccess", 0, 100, settings.SuccessPercent);
  if (store.ValueExists("OptimizeSkillGems"))
    settings.SkillGems = store.ReadBool("OptimizeSkillGems");
  settings.TimeLimitSeconds =
      ReadRanged(store, "OptimizeTimeLimit", 0, 3600, settings.TimeLimitSeconds);
  return settings;
}

void SaveOptimizeSettings(SettingsStorePort& store, const OptimizeSettings& settings,
                          unsigned keys) {
  if (!store.OpenKey(true)) return;
  if (keys & kSlotKeys) {
    std::string letters;
    for (const auto& choice : settings.SlotChoices)
      letters += choice ? kModeLetters[static_cast<std::size_t>(*choice)] : kNoChoice;
    store.WriteString("OptimizeSlots", letters);
  }
  if (keys & kVaultKeys) store.WriteInteger("OptimizeVault", static_cast<int>(settings.Vault));
  if (keys & kOwnedKeys) {
    std::string names;
    for (const std::string& name : settings.Owned) {
      if (!names.empty()) names += kListSeparator;
      names += Escaped(name);
    }
    store.WriteString("OptimizeOwned", names);
  }
  if (keys & kSpellcraftKeys) {
    store.WriteInteger("OptimizeItemLevel", settings.ItemLevel);
    store.WriteInteger("OptimizeQuality", settings.Quality);
    store.WriteInteger("OptimizeOvercharge", static_cast<int>(settings.Overcharge));
    store.WriteInteger("OptimizePoints", settings.OverchargePoints);
    store.WriteInteger("OptimizeSuccess", settings.SuccessPercent);
    store.WriteBool("OptimizeSkillGems", settings.SkillGems);
  }
  if (keys & kTimeKeys) store.WriteInteger("OptimizeTimeLimit", settings.TimeLimitSeconds);
}

std::vector<GoalRow> DefaultGoalRows(int classIndex) {
  const std::vector<FigureGoal> weights = UtilityGoals(classIndex);
  std::vector<GoalRow> rows;
  for (std::string& figure : FigureNames(classIndex)) {
    const auto weighted = std::find_if(weights.begin(), weights.end(), [&](const FigureGoal& goal) {
      return goal.Figure == figure;
    });
    rows.push_back(
        {std::move(figure), weighted == weights.end() ? 0 : weighted->Weight, std::nullopt, 0});
  }
  return rows;
}

// Stored as "Figure=weight/minimum/order|...", an empty minimum for none.
std::vector<GoalRow> LoadGoalRows(SettingsStorePort& store, int classIndex) {
  std::vector<GoalRow> rows = DefaultGoalRows(classIndex);
  const std::string key = GoalKey(classIndex);
  if (!store.OpenKey(false) || !store.ValueExists(key)) return rows;
  const std::string stored = store.ReadString(key);
  for (std::string_view entry : Split(stored, kListSeparator)) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string figure = Unescaped(entry.substr(0, equals));
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const GoalRow& r) { return r.Figure == figure; });
    const std::vector<std::string_view> fields = Split(entry.substr(equals + 1), '/');
    if (row == rows.end() || fields.empty()) continue;
    if (const auto weight = ParseNumber<double>(fields[0]); weight && *weight >= 0)
      row->Weight = *weight;
    row->Minimum = fields.size() > 1 ? ParseNumber<int>(fields[1]) : std::nullopt;
    if (fields.size() > 2) row->Order = std::max(0, ParseNumber<int>(fields[2]).value_or(0));
  }
  return rows;
}

void SaveGoalRows(SettingsStorePort& store, int classIndex, const std::vector<GoalRow>& rows) {
  if (!store.OpenKey(true)) return;
  std::string text;
  for (const GoalRow& row : rows) {
    if (!text.empty()) text += kListSeparator;
    text += Escaped(row.Figure) + "=" + NumberText(row.Weight) + "/" +
            (row.Minimum ? std::to_string(*row.Minimum) : "") + "/" + std::to_string(row.Order);
  }
  store.WriteString(GoalKey(classIndex), text);
}

}  // namespace qm
