// Loki's templates through their reader: any bytes give a record our windows
// can show, with its warnings, or a one-line refusal.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_foreign_template_checks.h"
#include "interop/loki_template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return qm::fuzz::FuzzTemplateReader<qm::LooksLikeLokiTemplate, qm::ReadLokiTemplate>(data, size);
}
