#include "workbench/effect_catalogue.h"

#include <algorithm>

#include "core/effect_names.h"
#include "core/item_lists.h"

namespace qm {

std::string_view EffectKindName(int kind) {
  if (kind < 0 || kind >= kEffectKindCount) return {};
  return EntryOf(EffectKindList(), static_cast<std::size_t>(kind));
}

std::vector<std::string_view> EditorEffectKinds() {
  std::vector<std::string_view> kinds;
  for (int kind = 0; kind < kEditorEffectKindCount; ++kind) kinds.push_back(EffectKindName(kind));
  return kinds;
}

std::string_view EffectNameOf(std::size_t number) {
  return EffectName(number);
}

std::vector<std::string> EffectFilterEntries(std::string_view firstEntry) {
  std::vector<std::string> entries;
  entries.reserve(EffectNameCount() + 1);
  entries.emplace_back(firstEntry);
  for (std::size_t n = 0; n < EffectNameCount(); ++n) entries.emplace_back(EffectName(n));
  return entries;
}

int EffectFilterPosition(std::size_t number) {
  return static_cast<int>(number) + 1;
}

std::optional<std::size_t> EffectOfFilterPosition(int position) {
  if (position < 1) return std::nullopt;
  const auto number = static_cast<std::size_t>(position - 1);
  if (number >= EffectNameCount()) return std::nullopt;
  return number;
}

std::uint16_t ClampEffectAmount(long long amount) {
  return static_cast<std::uint16_t>(std::clamp<long long>(amount, 0, kMaxEffectAmount));
}

}  // namespace qm
