#pragma once
// What every reader of another planner's template promises on any bytes: a
// one-line refusal, or a record our windows can show (a class and race of
// the tables, a level of 1-50, a realm rank of 1-13, a weapon configuration,
// catalogue bonus codes) with its warnings one line each. A broken promise
// aborts, so libFuzzer keeps the input.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/race_table.h"
#include "core/result.h"
#include "interop/foreign_template.h"

namespace qm::fuzz {

inline bool OneLine(const std::string& text) {
  return !text.empty() && text.find('\n') == std::string::npos;
}

inline void CheckForeignTemplate(const Result<ForeignTemplate>& read) {
  if (!read.Ok()) {
    if (!OneLine(read.Error())) std::abort();
    return;
  }
  const TTemplateRecord& tpl = read.Value().Record;
  if (tpl.ClassIndex >= kClassTableSize) std::abort();
  if (tpl.RaceIndex >= RaceList(tpl.ClassIndex).size()) std::abort();
  if (tpl.CharLevel < 1 || tpl.CharLevel > 50) std::abort();
  if (tpl.RealmRank < 1 || tpl.RealmRank > 13) std::abort();
  if (tpl.WeaponConfig > 4 || tpl.ChampionFlag > 1) std::abort();
  for (const TItemRecord& item : tpl.Slots) {
    if (item.Name.Length > sizeof item.Name.Chars || item.Realm > 3) std::abort();
    for (const std::uint8_t code : item.BonusCode) {
      if (code > kMaxBonusCode) std::abort();
    }
  }
  for (const std::string& warning : read.Value().Warnings) {
    if (!OneLine(warning)) std::abort();
  }
}

// A template reader, sniffed and read whole.
template <bool (*LooksLike)(std::string_view),
          Result<ForeignTemplate> (*Read)(std::string_view, std::string_view)>
int FuzzTemplateReader(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)LooksLike(text);
  CheckForeignTemplate(Read(text, "fuzz"));
  return 0;
}

}  // namespace qm::fuzz
