// The chat log reader on any bytes: it must read without a sanitizer
// report, keep every delve within its bound, and leave what it keeps in our
// vocabulary.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_reader_checks.h"
#include "interop/chat_log_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  qm::ImportTally tally;
  qm::ReadContext context{tally, {}, qm::CancelToken()};
  (void)qm::LooksLikeChatLog(text.substr(0, 4096));
  const auto read = qm::ReadChatLog(text, context);
  qm::fuzz::CheckReadOutcome(read);
  if (!read.Ok()) return 0;
  for (const qm::ForeignItem& item : read.Value().Items) {
    // Every delve says where it began; one of at most 4 KiB holds at most
    // one bonus per two bytes.
    if (item.SourceId.empty() || item.Bonuses.size() > 2048) std::abort();
  }
  return 0;
}
