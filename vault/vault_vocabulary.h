#pragma once
// The lists the vault text names its index fields by, with hash indexes over
// them for the loader. The item-type, expansion, weapon-type and source lists
// and the effect-name list are the process-wide growable ones: a text they
// lack is appended to the list and to its index in the same step.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/item_lists.h"
#include "vault/folded_index.h"

namespace qm {

// Index over a fixed list (built once per process).
const FoldedIndex& QualityIndex();
const FoldedIndex& SlotKindIndex();
const FoldedIndex& ArmorIndex();
const FoldedIndex& SpeedIndex();
// The master list of bonus names, position = code, "<Empty>" at 0.
const FoldedIndex& BonusNameIndex();

// A growable list and its index, built from the list as it stands.
class GrowableLookup {
 public:
  explicit GrowableLookup(VocabularyList& list);
  std::optional<int> Find(std::string_view text) const { return index_.Find(text); }
  // The position of the text, appending it when the list lacks it.
  int FindOrAppend(std::string_view text);

 private:
  VocabularyList& list_;
  FoldedIndex index_;
};

// The same over the process-wide effect-name list.
class EffectNameLookup {
 public:
  EffectNameLookup();
  std::optional<int> Find(std::string_view text) const { return index_.Find(text); }
  int FindOrAppend(std::string_view text);

 private:
  FoldedIndex index_;
};

}  // namespace qm
