#include "vault/folded_index.h"

#include "core/text.h"

namespace qm {

std::uint32_t FoldedIndex::Hash(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(FoldCase(c));
    hash *= 16777619u;
  }
  return hash;
}

void FoldedIndex::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
  const std::size_t mask = slots_.size() - 1;
  for (Slot& slot : old) {
    if (slot.position < 0) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].position >= 0) i = (i + 1) & mask;
    slots_[i] = std::move(slot);
  }
}

void FoldedIndex::Add(std::string_view text, int position) {
  if ((count_ + 1) * 2 > slots_.size()) Grow();
  const std::uint32_t hash = Hash(text);
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].position >= 0) {
    if (slots_[i].hash == hash && SameTextIgnoringCase(slots_[i].key, text)) return;
    i = (i + 1) & mask;
  }
  slots_[i] = Slot{hash, position, std::string(text)};
  ++count_;
}

std::optional<int> FoldedIndex::Find(std::string_view text) const {
  if (slots_.empty()) return std::nullopt;
  const std::uint32_t hash = Hash(text);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].position >= 0; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && SameTextIgnoringCase(slots_[i].key, text)) {
      return slots_[i].position;
    }
  }
  return std::nullopt;
}

}  // namespace qm
