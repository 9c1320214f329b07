#pragma once
// What an import did with every item and every bonus it met, counted by
// reason: the report the import window and `vault build` show. Nothing an
// import leaves out goes unnamed; each reason keeps its count and the first
// names it met, so a report of forty thousand skipped rows stays short.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct ReasonCount {
  std::string Reason;  // "not wearable", "more than ten bonuses", "unknown bonus 'Essence Damage'"
  std::size_t Count = 0;
  std::vector<std::string> Names;  // the first kNamesPerReason item names, in the order met
  bool operator==(const ReasonCount&) const = default;
};

class ImportTally {
 public:
  static constexpr std::size_t kNamesPerReason = 20;

  // An item the import read but did not keep.
  void Skip(std::string_view reason, std::string_view itemName);
  // A bonus left out of an item that was kept (or skipped for it afterwards).
  void LeaveOutBonus(std::string_view reason, std::string_view itemName);

  // An item kept with something the player should look at ("slot unknown").
  void Remark(std::string_view reason, std::string_view itemName);

  // Reasons in the order first met.
  const std::vector<ReasonCount>& Skipped() const { return skipped_; }
  const std::vector<ReasonCount>& BonusesLeftOut() const { return bonuses_; }
  const std::vector<ReasonCount>& Remarks() const { return remarks_; }
  std::size_t SkippedCount() const;

  // Adds another tally's counts (a source read on its own) to this one.
  void Add(const ImportTally& other);

 private:
  std::vector<ReasonCount> skipped_;
  std::vector<ReasonCount> bonuses_;
  std::vector<ReasonCount> remarks_;
};

}  // namespace qm
