// Old template files (.qmy) as they come from disk.
#include <cstddef>
#include <cstdint>

#include "core/template_file.h"
#include "fuzz/fuzz_record_walk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto tpl = qm::ParseOldTemplate({data, size});
  if (tpl.Ok()) {
    volatile std::size_t sink = qm::fuzz::WalkTemplate(tpl.Value());
    (void)sink;
  }
  return 0;
}
