// Kort's one-item files through their reader: any bytes give items in our vocabulary or a
// one-line refusal, and never a value outside its list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/item_lists.h"
#include "interop/kort_xml_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)qm::LooksLikeKortXml(text.substr(0, 4096));
  qm::ImportTally tally;
  qm::ReadContext context{tally, {}, {}};
  const auto outcome = qm::ReadKortXml(text, context);
  if (!outcome.Ok()) {
    if (outcome.Error().empty() || outcome.Error().find('\n') != std::string::npos) std::abort();
    return 0;
  }
  const auto slotKinds = static_cast<int>(qm::SlotKindList().size());
  const auto armors = static_cast<int>(qm::ArmorList().size());
  for (const qm::ForeignItem& item : outcome.Value().Items) {
    if (item.Name.empty() || item.Realm < 0 || item.Realm > 3) std::abort();
    if (item.SlotKind < qm::kUnknownSlotKind || item.SlotKind >= slotKinds) std::abort();
    if (item.Armor < 0 || item.Armor >= armors) std::abort();
    for (const int c : item.Classes) {
      if (c < 0 || c > 46) std::abort();
    }
    for (const qm::ForeignBonus& bonus : item.Bonuses) {
      if (bonus.Code < 0 || bonus.Code > 198 || bonus.Name.empty()) std::abort();
    }
  }
  return 0;
}
