// The chat log reader on any bytes: it must read without a sanitizer
// report, keep every delve within its bound, and leave what it keeps in our
// vocabulary.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/item_lists.h"
#include "interop/chat_log_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  qm::ImportTally tally;
  qm::ReadContext context{tally, {}, qm::CancelToken()};
  (void)qm::LooksLikeChatLog(text.substr(0, 4096));
  const auto read = qm::ReadChatLog(text, context);
  if (!read.Ok()) {
    if (read.Error().empty()) std::abort();
    return 0;
  }
  for (const qm::ForeignItem& item : read.Value().Items) {
    if (item.Name.empty() || item.SourceId.empty() || item.Realm < 0 || item.Realm > 3) {
      std::abort();
    }
    if (item.SlotKind != qm::kUnknownSlotKind &&
        (item.SlotKind < 0 || item.SlotKind >= static_cast<int>(qm::SlotKindList().size()))) {
      std::abort();
    }
    if (item.Armor < 0 || item.Armor >= static_cast<int>(qm::ArmorList().size())) std::abort();
    for (const int index : item.Classes) {
      if (index < 0 || index > 46) std::abort();
    }
    // A delve of at most 4 KiB holds at most one bonus per two bytes.
    if (item.Bonuses.size() > 2048) std::abort();
    for (const qm::ForeignBonus& bonus : item.Bonuses) {
      if (bonus.Code < 0 || bonus.Code > qm::kMaxBonusCode || bonus.Name.empty()) std::abort();
    }
  }
  return 0;
}
