#include "interop/quickbar_export.h"

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "core/file_io.h"
#include "spellcraft/gem_names.h"

namespace qm {
namespace {

constexpr std::string_view kBackupMark = ".bak-";
constexpr std::string_view kNoIcon = "-1";
constexpr std::array<std::string_view, 3> kRealmNames{"Albion", "Hibernia", "Midgard"};
constexpr std::array<std::string_view, 3> kRealmWords{"alb", "hib", "mid"};

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lowered;
}

// The icon of the character's own spellcraft button ("44,13,LABEL,ICON"), so
// the gem buttons look like it; the game's default icon without one.
std::string SpellcraftIcon(const GameIni& ini) {
  for (int bar = 1; bar <= kQuickbarBars; ++bar) {
    for (const IniEntry& entry : ini.Entries(QuickbarSection(bar))) {
      if (entry.Value.rfind("44,13,", 0) != 0) continue;
      const std::size_t cut = entry.Value.find(',', 6);
      if (cut != std::string::npos && cut + 1 < entry.Value.size())
        return entry.Value.substr(cut + 1);
    }
  }
  return std::string(kNoIcon);
}

std::string GemCaption(const QuickbarGem& gem, int realm, const RecipeEntry* entry) {
  std::string caption = GemName(gem.Code, gem.Tier, realm);
  if (caption.size() == GemQualityWord(gem.Tier).size()) {
    // A gem the names table does not know goes by the recipe table's name.
    caption += entry != nullptr ? entry->Name : "gem " + std::to_string(gem.Code);
  }
  if (!caption.empty()) caption[0] = static_cast<char>(std::toupper(caption[0]));
  return caption;
}

std::string TimeStamp(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

std::string QuickbarSection(int bar) {
  return bar <= 1 ? "Quickbar" : "Quickbar" + std::to_string(bar);
}

int HotkeyIndex(int page, int slot) {
  return (page - 1) * kQuickbarPageSlots + (slot - 1);
}

std::vector<QuickbarGem> DistinctGems(const std::vector<CraftedPieceGems>& pieces) {
  std::vector<QuickbarGem> gems;
  for (const CraftedPieceGems& piece : pieces) {
    for (const CraftedGem& gem : piece.Gems) {
      auto known = std::find_if(gems.begin(), gems.end(), [&](const QuickbarGem& g) {
        return g.Code == gem.Code && g.Tier == gem.Tier;
      });
      if (known == gems.end()) known = gems.insert(gems.end(), {gem.Code, gem.Tier, 0});
      ++known->Count;
    }
  }
  return gems;
}

std::vector<IniAssignment> QuickbarPlan::Assignments() const {
  std::vector<IniAssignment> assignments;
  for (const QuickbarButton& button : Buttons)
    assignments.push_back({Section, button.Key, button.Value});
  return assignments;
}

std::array<int, 3> RealmSwitchMacros(const GameIni& ini) {
  std::array<int, 3> macros{-1, -1, -1};
  for (const IniEntry& entry : ini.Entries("Macros")) {
    const std::string key = Lowered(entry.Key);
    if (key.rfind("macro_", 0) != 0) continue;
    const std::string number = key.substr(6);
    if (number.empty() || number.size() > 3 ||
        number.find_first_not_of("0123456789") != std::string::npos)
      continue;
    const std::size_t comma = entry.Value.find(',');
    if (comma == std::string::npos) continue;
    std::string command = Lowered(entry.Value.substr(comma + 1));
    command.erase(0, command.find_first_not_of(' '));
    if (command.rfind("/craft ", 0) != 0) continue;
    command.erase(0, 7);
    command.erase(0, command.find_first_not_of(' '));
    for (std::size_t realm = 0; realm < kRealmWords.size(); ++realm)
      if (command.rfind(kRealmWords[realm], 0) == 0 && macros[realm] < 0)
        macros[realm] = std::stoi(number);
  }
  return macros;
}

bool CraftsForSeveralRealms(const GameIni& ini) {
  const auto macros = RealmSwitchMacros(ini);
  return std::count_if(macros.begin(), macros.end(), [](int m) { return m >= 0; }) > 1;
}

Status CheckCharacterFile(const GameIni& ini) {
  if (!ini.HasSection(QuickbarSection(1)))
    return Status::Failure(
        "not a character's settings file of the game: it has no [Quickbar] section");
  return Status::Success();
}

Result<QuickbarPlan> PlanQuickbar(const std::vector<CraftedPieceGems>& pieces, int realm,
                                  const RecipeTable& recipes, const GameIni& ini,
                                  const QuickbarPlacement& at, bool realmSwitch) {
  const std::vector<QuickbarGem> gems = DistinctGems(pieces);
  if (gems.empty())
    return Result<QuickbarPlan>::Failure("the template has no spellcrafted pieces with gems");
  QuickbarPlan plan;
  plan.Section = QuickbarSection(at.Bar);
  const std::string icon = SpellcraftIcon(ini);
  const std::vector<IniEntry> existing = ini.Entries(plan.Section);
  const auto add = [&](std::string value, std::string caption, int count) {
    QuickbarButton button;
    button.Key = "Hotkey_" + std::to_string(HotkeyIndex(at.Page, at.Slot) +
                                            static_cast<int>(plan.Buttons.size()));
    button.Value = std::move(value);
    button.Caption = std::move(caption);
    button.Count = count;
    plan.Buttons.push_back(std::move(button));
  };
  const auto macros = RealmSwitchMacros(ini);
  if (realmSwitch && realm >= 0 && realm < 3 && macros[static_cast<std::size_t>(realm)] >= 0) {
    const std::string macro = std::to_string(macros[static_cast<std::size_t>(realm)]);
    add(std::to_string(kMacroButton) + "," + macro + ",," + icon,
        "Craft for " + std::string(kRealmNames[static_cast<std::size_t>(realm)]), 0);
  }
  for (const QuickbarGem& gem : gems) {
    const RecipeEntry* entry = recipes.Find(gem.Code, realm);
    const std::string caption = GemCaption(gem, realm, entry);
    if (entry == nullptr || gem.Tier < 0 || gem.Tier >= kGemQualityCount) {
      plan.Unknown.push_back(caption);
      continue;
    }
    add(std::to_string(kRecipeButton) + "," + std::to_string(entry->Recipe * 10 + gem.Tier) + ",," +
            icon,
        caption, gem.Count);
  }
  if (plan.Buttons.empty())
    return Result<QuickbarPlan>::Failure("the recipe table knows none of the template's gems");
  const int last = HotkeyIndex(at.Page, at.Slot) + static_cast<int>(plan.Buttons.size()) - 1;
  if (last >= kQuickbarKeys)
    return Result<QuickbarPlan>::Failure(
        std::to_string(plan.Buttons.size()) + " buttons from page " + std::to_string(at.Page) +
        ", slot " + std::to_string(at.Slot) + " run past the bar's last slot (page 10, slot 10)");
  for (QuickbarButton& button : plan.Buttons) {
    for (const IniEntry& entry : existing)
      if (Lowered(entry.Key) == Lowered(button.Key)) button.Replaces = entry.Value;
  }
  return plan;
}

Status CheckIniWritable(const std::string& path) {
  auto file = InputFile::Open(path);
  if (!file.Ok()) return Status::Failure(file.Error());
  if (file.Value().Size() > kMaxGameIniBytes)
    return Status::Failure(FileMessage(path, "larger than " + SizeText(kMaxGameIniBytes) +
                                                 ", so not a settings file of the game"));
  if (::access(path.c_str(), W_OK) != 0)
    return Status::Failure(FileMessage(path, "the file is read-only"));
  return Status::Success();
}

std::string BackupPathFor(const std::string& iniPath, std::time_t when) {
  const std::string base = iniPath + std::string(kBackupMark) + TimeStamp(when);
  std::error_code error;
  std::string path = base;
  for (int n = 2; std::filesystem::exists(path, error); ++n) path = base + "-" + std::to_string(n);
  return path;
}

Result<std::string> WriteQuickbar(const std::string& iniPath, const GameIni& previewed,
                                  const QuickbarPlan& plan, std::time_t now) {
  if (Status writable = CheckIniWritable(iniPath); !writable.Ok())
    return Result<std::string>::Failure(writable.error);
  auto current = ReadGameIni(iniPath);
  if (!current.Ok()) return Result<std::string>::Failure(current.Error());
  if (current.Value().Bytes() != previewed.Bytes())
    return Result<std::string>::Failure(
        FileMessage(iniPath, "the file changed since the preview; nothing was written"));
  const std::string backup = BackupPathFor(iniPath, now);
  if (Status saved = WriteFileAtomically(backup, previewed.Bytes()); !saved.Ok())
    return Result<std::string>::Failure(saved.error);
  if (Status written = WriteFileAtomically(iniPath, previewed.WithValues(plan.Assignments()));
      !written.Ok())
    return Result<std::string>::Failure(written.error);
  return backup;
}

std::vector<std::string> QuickbarBackups(const std::string& iniPath) {
  namespace fs = std::filesystem;
  const fs::path ini(iniPath);
  const std::string prefix = ini.filename().string() + std::string(kBackupMark);
  std::vector<std::string> backups;
  std::error_code error;
  const fs::path folder = ini.has_parent_path() ? ini.parent_path() : fs::path(".");
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) == 0 && it->is_regular_file(error))
      backups.push_back((folder / name).string());
  }
  // The stamp sorts by time; a second copy of one second carries "-2" and on.
  const auto order = [&](const std::string& path) {
    const std::string stamp = fs::path(path).filename().string().substr(prefix.size());
    const std::size_t dash = stamp.find('-', 9);
    const int copy = dash == std::string::npos ? 1 : std::atoi(stamp.c_str() + dash + 1);
    return std::pair(stamp.substr(0, dash), copy);
  };
  std::sort(backups.begin(), backups.end(),
            [&](const std::string& a, const std::string& b) { return order(a) > order(b); });
  return backups;
}

Result<std::string> RestoreQuickbar(const std::string& iniPath, const std::string& backupPath,
                                    std::time_t now) {
  if (Status writable = CheckIniWritable(iniPath); !writable.Ok())
    return Result<std::string>::Failure(writable.error);
  auto saved = ReadGameIni(backupPath);
  if (!saved.Ok()) return Result<std::string>::Failure(saved.Error());
  auto current = ReadGameIni(iniPath);
  if (!current.Ok()) return Result<std::string>::Failure(current.Error());
  const std::string backup = BackupPathFor(iniPath, now);
  if (Status kept = WriteFileAtomically(backup, current.Value().Bytes()); !kept.Ok())
    return Result<std::string>::Failure(kept.error);
  if (Status put = WriteFileAtomically(iniPath, saved.Value().Bytes(), {backupPath}); !put.Ok())
    return Result<std::string>::Failure(put.error);
  return backup;
}

}  // namespace qm
