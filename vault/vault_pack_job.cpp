#include "vault/vault_pack_job.h"

#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"

namespace qm {

Result<std::vector<std::uint8_t>> PackVaultEntries(std::span<const TItemRecord> entries,
                                                   const ProgressCallback& progress,
                                                   const CancelToken& cancel, bool& cancelled) {
  using Packed = Result<std::vector<std::uint8_t>>;
  const auto text = WriteVaultText(entries, [&](std::size_t written) {
    ReportProgress(progress, written, entries.size(), kWritingPhase);
    return !cancel.Cancelled();
  });
  if (!text.Ok()) {
    cancelled = cancel.Cancelled();
    return Packed::Failure(text.Error());
  }
  const std::string_view view = text.Value();
  ReportProgress(progress, 0, view.size(), kPackingPhase);
  auto packed = DeflateStream(view, kVaultPackLevel, [&](std::size_t done) {
    ReportProgress(progress, done, view.size(), kPackingPhase);
    return !cancel.Cancelled();
  });
  cancelled = !packed.Ok() && cancel.Cancelled();
  return packed;
}

}  // namespace qm
