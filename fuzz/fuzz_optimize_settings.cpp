// The Optimize Template window's values as the settings file holds them, which
// a player may edit by hand: any texts give settings within their ranges and a
// goal row for each of the class's figures, and what is saved of them reads
// back the same, byte for byte in the item names.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "mainwin/optimize_settings.h"
#include "optimizer/figures.h"

namespace {

// The store as texts; a number is read as the settings file would give it.
class TextStore : public qm::SettingsStorePort {
 public:
  std::map<std::string, std::string, std::less<>> values;

  bool KeyExists() override { return true; }
  bool OpenKey(bool) override { return true; }
  bool ValueExists(std::string_view name) override { return values.contains(name); }
  std::string ReadString(std::string_view name) override { return values.find(name)->second; }
  int ReadInteger(std::string_view name) override {
    const std::string& text = values.find(name)->second;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }
  bool ReadBool(std::string_view name) override { return ReadInteger(name) != 0; }
  void WriteString(std::string_view name, std::string_view value) override {
    values[std::string(name)] = value;
  }
  void WriteInteger(std::string_view name, int value) override {
    values[std::string(name)] = std::to_string(value);
  }
  void WriteBool(std::string_view name, bool value) override { WriteInteger(name, value ? 1 : 0); }
};

constexpr const char* kNames[] = {
    "OptimizeSlots",   "OptimizeOwned",      "OptimizeGoal1",  "OptimizeVault",
    "OptimizeQuality", "OptimizeOvercharge", "OptimizePoints", "OptimizeTimeLimit",
};
constexpr int kClass = 1;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input is the stored texts one after another, each ended by a NUL.
  TextStore stored;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  for (const char* name : kNames) {
    if (rest.empty()) break;
    const std::size_t end = std::min(rest.find('\0'), rest.size());
    stored.values[name] = std::string(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  const qm::OptimizeSettings settings = qm::LoadOptimizeSettings(stored);
  const std::vector<qm::GoalRow> goals = qm::LoadGoalRows(stored, kClass);
  if (settings.ItemLevel < 1 || settings.ItemLevel > 51) std::abort();
  if (settings.Quality < 94 || settings.Quality > 100) std::abort();
  if (settings.OverchargePoints < 0 || settings.OverchargePoints > 5) std::abort();
  if (settings.TimeLimitSeconds < 0 || settings.TimeLimitSeconds > 3600) std::abort();
  if (static_cast<int>(settings.Vault) > 2 || static_cast<int>(settings.Overcharge) > 1)
    std::abort();
  if (goals.size() != qm::FigureNames(kClass).size()) std::abort();
  for (const qm::GoalRow& row : goals)
    if (!(row.Weight >= 0) || row.Order < 0) std::abort();
  for (const std::string& name : settings.Owned)
    if (name.empty()) std::abort();

  TextStore saved;
  qm::SaveOptimizeSettings(saved, settings, qm::kAllOptimizeKeys);
  qm::SaveGoalRows(saved, kClass, goals);
  if (!(qm::LoadOptimizeSettings(saved) == settings)) std::abort();
  if (qm::LoadGoalRows(saved, kClass) != goals) std::abort();
  return 0;
}
