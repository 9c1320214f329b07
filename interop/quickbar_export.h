#pragma once
// The gems of a template's spellcrafted pieces as buttons on a quickbar of
// the game: one button per distinct gem and tier, in piece order, from a
// chosen bar, page and slot on; optionally first a button that switches the
// crafter to the template's realm. The plan says which keys change and what
// they held; writing it backs the file up first and changes only those keys;
// a backup puts the file back.
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/result.h"
#include "interop/game_ini.h"
#include "interop/quickbar_recipes.h"
#include "spellcraft/crafted_gems.h"

namespace qm {

inline constexpr int kQuickbarBars = 3;
inline constexpr int kQuickbarPages = 10;
inline constexpr int kQuickbarPageSlots = 10;
inline constexpr int kQuickbarKeys = kQuickbarPages * kQuickbarPageSlots;
// The key type of a crafting recipe button and of a macro button.
inline constexpr int kRecipeButton = 45;
inline constexpr int kMacroButton = 52;

struct QuickbarPlacement {
  int Bar = 1;   // 1..3
  int Page = 1;  // 1..10
  int Slot = 1;  // 1..10
};

// "Quickbar", "Quickbar2", "Quickbar3".
std::string QuickbarSection(int bar);
// The key index of a page and slot: (page - 1) x 10 + (slot - 1).
int HotkeyIndex(int page, int slot);

struct QuickbarGem {
  int Code = 0;
  int Tier = 0;
  int Count = 0;  // how often the template's pieces take it
};
// Each distinct gem and tier of the pieces once, in the order they first come.
std::vector<QuickbarGem> DistinctGems(const std::vector<CraftedPieceGems>& pieces);

struct QuickbarButton {
  std::string Key;      // "Hotkey_12"
  std::string Value;    // "45,1300009,,-1"
  std::string Caption;  // "Perfect fiery essence jewel", "Craft for Albion"
  int Count = 0;        // gems of this kind the template takes; 0 for the realm switch
  std::optional<std::string> Replaces;  // the value the key held
};

struct QuickbarPlan {
  std::string Section;
  std::vector<QuickbarButton> Buttons;
  // Gems the recipe table has no number for, left off the bar.
  std::vector<std::string> Unknown;
  std::vector<IniAssignment> Assignments() const;
};

// The realm switch macro per realm (Albion, Hibernia, Midgard): the number N
// of a "[Macros] Macro_N=LABEL,/craft REALM" line, -1 without one.
std::array<int, 3> RealmSwitchMacros(const GameIni& ini);
// A character that crafts for more than one realm keeps a switch for each.
bool CraftsForSeveralRealms(const GameIni& ini);

// A character's file has its first quickbar.
Status CheckCharacterFile(const GameIni& ini);
// The buttons for the gems at a placement; refused for pieces without gems
// and for buttons that would run past the bar's last key.
Result<QuickbarPlan> PlanQuickbar(const std::vector<CraftedPieceGems>& pieces, int realm,
                                  const RecipeTable& recipes, const GameIni& ini,
                                  const QuickbarPlacement& at, bool realmSwitch);

// A settings file the export may change: a regular file the player may write.
Status CheckIniWritable(const std::string& path);
// "NAME.ini.bak-YYYYMMDD-HHMMSS" of a moment in local time, with "-2", "-3"
// after it when a backup of that second exists.
std::string BackupPathFor(const std::string& iniPath, std::time_t when);
// Writes the plan into the file the preview read: refused when the file
// changed since; otherwise copies it to its backup, then replaces it
// atomically. The backup's path on success.
Result<std::string> WriteQuickbar(const std::string& iniPath, const GameIni& previewed,
                                  const QuickbarPlan& plan, std::time_t now);
// The file's backups, newest first.
std::vector<std::string> QuickbarBackups(const std::string& iniPath);
// Puts a backup back, after backing up the file as it is now (that backup's
// path on success).
Result<std::string> RestoreQuickbar(const std::string& iniPath, const std::string& backupPath,
                                    std::time_t now);

}  // namespace qm
