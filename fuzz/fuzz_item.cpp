// Item files: the first bytes read as a 276-byte item and as a 158-byte old item.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/legacy_item.h"
#include "fuzz/fuzz_record_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::size_t sink = 0;
  if (size >= sizeof(qm::TItemRecord)) {
    qm::TItemRecord item;
    std::memcpy(&item, data, sizeof item);
    sink += qm::fuzz::WalkItem(item);
  }
  if (size >= sizeof(qm::TLegacyItemRecord)) {
    qm::TLegacyItemRecord legacy;
    std::memcpy(&legacy, data, sizeof legacy);
    sink += qm::fuzz::WalkItem(qm::ConvertLegacyItem(legacy));
  }
  volatile std::size_t keep = sink;
  (void)keep;
  return 0;
}
