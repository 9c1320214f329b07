#include "interop/import_tally.h"

#include <algorithm>

namespace qm {
namespace {

void Count(std::vector<ReasonCount>& reasons, std::string_view reason, std::string_view name,
           std::size_t times = 1) {
  auto it = std::find_if(reasons.begin(), reasons.end(),
                         [&](const ReasonCount& r) { return r.Reason == reason; });
  if (it == reasons.end())
    it = reasons.insert(reasons.end(), ReasonCount{std::string(reason), 0, {}});
  it->Count += times;
  if (!name.empty() && it->Names.size() < ImportTally::kNamesPerReason) {
    it->Names.emplace_back(name);
  }
}

void Merge(std::vector<ReasonCount>& into, const std::vector<ReasonCount>& from) {
  for (const ReasonCount& r : from) {
    Count(into, r.Reason, {}, r.Count);
    auto it = std::find_if(into.begin(), into.end(),
                           [&](const ReasonCount& x) { return x.Reason == r.Reason; });
    for (const std::string& name : r.Names) {
      if (it->Names.size() >= ImportTally::kNamesPerReason) break;
      it->Names.push_back(name);
    }
  }
}

}  // namespace

void ImportTally::Skip(std::string_view reason, std::string_view itemName) {
  Count(skipped_, reason, itemName);
}

void ImportTally::LeaveOutBonus(std::string_view reason, std::string_view itemName) {
  Count(bonuses_, reason, itemName);
}

void ImportTally::Remark(std::string_view reason, std::string_view itemName) {
  Count(remarks_, reason, itemName);
}

std::size_t ImportTally::SkippedCount() const {
  std::size_t total = 0;
  for (const ReasonCount& r : skipped_) total += r.Count;
  return total;
}

void ImportTally::Add(const ImportTally& other) {
  Merge(skipped_, other.skipped_);
  Merge(bonuses_, other.bonuses_);
  Merge(remarks_, other.remarks_);
}

}  // namespace qm
