#pragma once
// The vocabulary lists behind the index fields of an item record. The fixed
// lists are constant tables; item type, expansion, weapon type and source are
// growable: the vault loader appends texts it does not know, so their indices
// can run past the compiled entries. Lookups ignore letter case and take the
// first match; a text not held stores 255.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr std::uint8_t kNotInList = 255;

// Fixed lists.
std::span<const std::string_view> RealmList();  // 4: "Albion" .. "Universal"
// 30: "<Not Selected>" .. "Selectable (One, Left or Two Handed)"
std::span<const std::string_view> SlotKindList();
std::span<const std::string_view> ArmorList();    // 7: "N/A" .. "Max armor grade allowed by Class"
std::span<const std::string_view> QualityList();  // 32: "70" .. "100", "N/A"
std::span<const std::string_view> SpeedList();    // 48: "N/A", "1.5" .. "6.0", "Other"
std::span<const std::string_view> EffectKindList();  // 7: "No Procs/Effects" .. "Mythirians"
std::span<const std::string_view>
ServerTypeList();  // 5: "Normal", "Coop", "Classic", "PvP", "Origins"

// A growable list: starts with its compiled entries and only ever grows.
class VocabularyList {
 public:
  explicit VocabularyList(std::span<const std::string_view> initial);
  std::size_t Size() const { return entries_.size(); }
  // The entry, or an empty text past the end.
  std::string_view At(std::size_t index) const;
  std::optional<std::size_t> IndexOf(std::string_view text) const;
  // Appends and returns the new index.
  std::size_t Append(std::string_view text);
  // Back to the compiled entries (tests, and a fresh vault load).
  void Reset();
  // Drops what was appended after the list had size entries (a vault whose
  // load failed takes back the texts it brought); never below the compiled ones.
  void ShrinkTo(std::size_t size);
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::span<const std::string_view> initial_;
  std::vector<std::string> entries_;
};

// The process-wide growable lists, filled once by the vault loader.
VocabularyList& ItemTypeList();    // 18 compiled entries
VocabularyList& ExpansionList();   // 22
VocabularyList& WeaponTypeList();  // 31
VocabularyList& SourceList();      // 11

// Index of a text in a fixed list, or nullopt.
std::optional<std::size_t> IndexInList(std::span<const std::string_view> list,
                                       std::string_view text);
// Entry of a fixed list, or an empty text past its end.
std::string_view EntryOf(std::span<const std::string_view> list, std::size_t index);

}  // namespace qm
