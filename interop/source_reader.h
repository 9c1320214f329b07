#pragma once
// What every reader of an item source shares: where it reports progress and
// what it left out, and what it returns. A reader refuses a file that is not
// its kind with one line ("not an item database (no items array)"); a file
// that breaks off midway gives what was complete and says where it stopped.
#include <functional>
#include <string>
#include <vector>

#include "core/item_record.h"
#include "interop/foreign_item.h"
#include "interop/import_tally.h"
#include "ports/job.h"

namespace qm {

struct ReadContext {
  ImportTally& Tally;         // skipped items and left-out bonuses, by reason
  ProgressCallback Progress;  // done/total in bytes of this source; may be empty
  CancelToken Cancel;         // looked at between items; a cancelled read returns what it has
  // When set, each item goes here as soon as it is read instead of into the
  // outcome: the import converts it at once, so a source of a hundred
  // thousand items is never held whole as foreign items.
  std::function<void(ForeignItem&&)> Take = {};
};

struct ReadOutcome {
  std::vector<ForeignItem> Items;
  // Entries a reader makes itself: other calculators' XML items go through
  // the vault's own XML import.
  std::vector<TItemRecord> Entries;
  // Empty when the whole source was read; otherwise where and why it stopped
  // ("stopped at line 1,204: the row breaks off").
  std::string StoppedAt;
  // Items handed to the context's Take rather than kept in Items.
  std::size_t Taken = 0;

  // Hands an item read to the context's Take, or keeps it.
  void Add(ForeignItem&& item, ReadContext& context) {
    if (context.Take) {
      context.Take(std::move(item));
      ++Taken;
    } else {
      Items.push_back(std::move(item));
    }
  }
};

}  // namespace qm
