#include "vault/vault_vocabulary.h"

#include "core/bonus_catalogue.h"
#include "core/effect_names.h"

namespace qm {
namespace {

FoldedIndex IndexOf(std::span<const std::string_view> list) {
  FoldedIndex index;
  for (std::size_t i = 0; i < list.size(); ++i) index.Add(list[i], static_cast<int>(i));
  return index;
}

}  // namespace

const FoldedIndex& QualityIndex() {
  static const FoldedIndex index = IndexOf(QualityList());
  return index;
}
const FoldedIndex& SlotKindIndex() {
  static const FoldedIndex index = IndexOf(SlotKindList());
  return index;
}
const FoldedIndex& ArmorIndex() {
  static const FoldedIndex index = IndexOf(ArmorList());
  return index;
}
const FoldedIndex& SpeedIndex() {
  static const FoldedIndex index = IndexOf(SpeedList());
  return index;
}
const FoldedIndex& BonusNameIndex() {
  static const FoldedIndex index = [] {
    FoldedIndex built;
    for (int code = 0; code <= kMaxBonusCode; ++code) built.Add(BonusName(code), code);
    return built;
  }();
  return index;
}

GrowableLookup::GrowableLookup(VocabularyList& list) : list_(list) {
  for (std::size_t i = 0; i < list.Size(); ++i) index_.Add(list.At(i), static_cast<int>(i));
}

int GrowableLookup::FindOrAppend(std::string_view text) {
  if (const auto found = index_.Find(text)) return *found;
  const auto position = static_cast<int>(list_.Append(text));
  index_.Add(text, position);
  return position;
}

EffectNameLookup::EffectNameLookup() {
  const std::size_t count = EffectNameCount();
  for (std::size_t i = 0; i < count; ++i) index_.Add(EffectName(i), static_cast<int>(i));
}

int EffectNameLookup::FindOrAppend(std::string_view text) {
  if (const auto found = index_.Find(text)) return *found;
  const auto position = static_cast<int>(AppendEffectName(text));
  index_.Add(text, position);
  return position;
}

}  // namespace qm
