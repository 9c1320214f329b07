// Moras exports through their reader: any bytes give items in our vocabulary or a
// one-line refusal, and never a value outside its list.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_reader_checks.h"
#include "interop/moras_xml_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return qm::fuzz::FuzzReader<qm::LooksLikeMorasXml, qm::ReadMorasXml>(data, size);
}
