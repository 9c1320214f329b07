#pragma once
// Packs a vault while its entries are still being gathered. Entries handed
// over in order are written and packed on a thread of the packer's own, so a
// large import packs on a second core while the first one reads. The header
// entry names what was gathered and so comes last; it is packed on its own
// at the end, in front of the rest, and the two parts join into the one zlib
// stream a vault file is (a flushed first part, the second packed without
// looking back into it, the checksum of both combined).
#include <cstdint>
#include <memory>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"

namespace qm {

class VaultStreamPacker {
 public:
  VaultStreamPacker();
  VaultStreamPacker(const VaultStreamPacker&) = delete;
  VaultStreamPacker& operator=(const VaultStreamPacker&) = delete;
  // Stops the thread; what it packed is dropped.
  ~VaultStreamPacker();

  // The next entry (1, 2, ...); it must have passed WhyNotWritable.
  void Add(const TItemRecord& entry);
  std::size_t Added() const { return added_; }
  // The bytes of the vault file: the header entry, then every entry added.
  Result<std::vector<std::uint8_t>> Finish(const TItemRecord& header);

 private:
  struct Worker;
  void Hand();  // gives the batch to the thread
  std::unique_ptr<Worker> worker_;
  std::vector<TItemRecord> batch_;
  std::size_t added_ = 0;
};

}  // namespace qm
