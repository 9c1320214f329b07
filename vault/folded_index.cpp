#include "vault/folded_index.h"

#include <algorithm>
#include <array>

#include "core/text.h"

namespace qm {
namespace {

// FoldCase of every byte, looked up inline: the loader folds every character
// of about thirty texts per entry. Built during static initialisation, so a
// lookup pays no guard check.
std::array<char, 256> BuildFoldTable() {
  std::array<char, 256> built{};
  for (int c = 0; c < 256; ++c) built[static_cast<std::size_t>(c)] = FoldCase(static_cast<char>(c));
  return built;
}
const std::array<char, 256> kFold = BuildFoldTable();
const std::array<char, 256>& FoldTable() {
  return kFold;
}

}  // namespace

std::uint32_t FoldedIndex::Hash(std::string_view text) {
  // Folds eight characters into one word and mixes whole words, so the hash
  // does not wait on a multiplication per character.
  const auto& fold = FoldTable();
  std::uint64_t hash = text.size() * 0x9E3779B97F4A7C15ull;
  std::size_t i = 0;
  while (i < text.size()) {
    std::uint64_t word = 0;
    const std::size_t end = std::min(i + 8, text.size());
    for (int shift = 0; i < end; ++i, shift += 8) {
      word |= std::uint64_t{static_cast<unsigned char>(fold[static_cast<unsigned char>(text[i])])}
              << shift;
    }
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 29;
  }
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

bool FoldedIndex::SameFolded(std::string_view folded, std::string_view text) {
  if (folded.size() != text.size()) return false;
  const auto& fold = FoldTable();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (folded[i] != fold[static_cast<unsigned char>(text[i])]) return false;
  }
  return true;
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
    if (slots_[i].hash == hash && SameFolded(slots_[i].key, text)) return;
    i = (i + 1) & mask;
  }
  std::string folded(text);
  for (char& c : folded) c = FoldTable()[static_cast<unsigned char>(c)];
  slots_[i] = Slot{hash, position, std::move(folded)};
  ++count_;
}

std::optional<int> FoldedIndex::Find(std::string_view text) const {
  if (slots_.empty()) return std::nullopt;
  const std::uint32_t hash = Hash(text);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].position >= 0; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && SameFolded(slots_[i].key, text)) return slots_[i].position;
  }
  return std::nullopt;
}

}  // namespace qm
