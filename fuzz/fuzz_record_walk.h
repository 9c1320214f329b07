#pragma once
// What every record fuzz target does with a parsed record: everything the
// program does with a template or item right after reading it.
#include <cstddef>

#include "core/bonus_catalogue.h"
#include "core/bonus_level.h"
#include "core/class_table.h"
#include "core/effect_names.h"
#include "core/template_record.h"
#include "core/template_rules.h"

namespace qm::fuzz {

inline std::size_t WalkItem(const TItemRecord& item) {
  std::size_t sink = item.Name.View().size() + item.Note.View().size();
  for (int row = 0; row < kBonusRows; ++row) {
    sink += BonusName(item.BonusCode[row]).size();
    sink += static_cast<std::size_t>(ArchetypeOfBonus(item.BonusCode[row]).Position);
    sink += ItemBonusSum(item, item.BonusCode[row]);
  }
  for (int k = 0; k < kEffectRows; ++k) sink += EffectName(item.EffectId[k]).size();
  sink += static_cast<std::size_t>(BonusLevelValue(item));
  return sink;
}

inline std::size_t WalkTemplate(TTemplateRecord tpl) {
  std::size_t sink = tpl.CharName.View().size() + ClassOf(tpl.ClassIndex).Text.size();
  if (tpl.EffectIdsGlobal != 1) ConvertEffectIds(tpl);
  EnforceTemplateRules(tpl);
  for (const TItemRecord& item : tpl.Slots) sink += WalkItem(item);
  return sink;
}

}  // namespace qm::fuzz
