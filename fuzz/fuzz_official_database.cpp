// The official item database reader on any bytes: it must refuse or read
// without a sanitizer report, and what it keeps must stay in our vocabulary.
// The first byte chooses whether the built-in ids or a small metadata file
// name the bonuses, so both roads are fuzzed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_reader_checks.h"
#include "interop/official_database_reader.h"

namespace {

constexpr std::string_view kMetadata =
    R"({"bonus_types": {"2": {"name": "Skills", "sub_types": {"85": "Illusions"}},)"
    R"( "36": {"name": "Armor Factor"}, "28": {"name": "Toa Overcap", "id": {"4": "Intelligence"}}}})";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool withMetadata = (data[0] & 1) != 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  qm::ImportTally tally;
  qm::ReadContext context{tally, {}, qm::CancelToken()};
  (void)qm::LooksLikeOfficialDatabase(text.substr(0, 4096));
  const auto read =
      qm::ReadOfficialDatabase(text, withMetadata ? kMetadata : std::string_view{}, context);
  qm::fuzz::CheckReadOutcome(read);
  return 0;
}
