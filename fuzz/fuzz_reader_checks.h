#pragma once
// What every reader of an item source promises on any bytes: a one-line
// refusal, or items in our vocabulary (a realm, a slot kind of the list or
// unknown, an armour of the list, class indices, bonus codes of the
// catalogue with the source's own name beside each). A broken promise aborts,
// so libFuzzer keeps the input.
#include <cstdlib>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/item_lists.h"
#include "core/item_record.h"
#include "core/result.h"
#include "interop/source_reader.h"
#include "interop/source_readers.h"

namespace qm::fuzz {

inline void CheckReadOutcome(const Result<ReadOutcome>& outcome) {
  if (!outcome.Ok()) {
    if (outcome.Error().empty() || outcome.Error().find('\n') != std::string::npos) std::abort();
    return;
  }
  const auto slotKinds = static_cast<int>(SlotKindList().size());
  const auto armors = static_cast<int>(ArmorList().size());
  for (const ForeignItem& item : outcome.Value().Items) {
    if (item.Name.empty() || item.Realm < 0 || item.Realm > 3) std::abort();
    if (item.SlotKind < kUnknownSlotKind || item.SlotKind >= slotKinds) std::abort();
    if (item.Armor < 0 || item.Armor >= armors) std::abort();
    for (const int c : item.Classes) {
      if (c < 0 || c >= kClassCount) std::abort();
    }
    for (const ForeignBonus& bonus : item.Bonuses) {
      if (bonus.Code < 0 || bonus.Code > kMaxBonusCode || bonus.Name.empty()) std::abort();
    }
  }
}

// A reader of a kind without companion, sniffed and read whole.
template <bool (*LooksLike)(std::string_view),
          Result<ReadOutcome> (*Read)(std::string_view, ReadContext&)>
int FuzzReader(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)LooksLike(text.substr(0, kSniffBytes));
  ImportTally tally;
  ReadContext context{tally, {}, {}};
  CheckReadOutcome(Read(text, context));
  return 0;
}

}  // namespace qm::fuzz
