#pragma once
// A hash index from texts to list positions that ignores letter case the way
// every list lookup of the program does, and keeps the first position of a
// text met twice. The vault loader looks up about twenty texts per entry in
// lists of up to 199 names; a linear scan per lookup would dominate loading.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

class FoldedIndex {
 public:
  FoldedIndex() = default;
  // Adds a text unless a text equal to it (case ignored) is already held.
  void Add(std::string_view text, int position);
  std::optional<int> Find(std::string_view text) const;
  std::size_t Size() const { return count_; }

 private:
  struct Slot {
    std::uint32_t hash = 0;
    int position = -1;  // -1: free
    std::string key;    // held folded
  };
  static std::uint32_t Hash(std::string_view text);
  static bool SameFolded(std::string_view folded, std::string_view text);
  void Grow();
  std::vector<Slot> slots_;
  std::size_t count_ = 0;
};

}  // namespace qm
