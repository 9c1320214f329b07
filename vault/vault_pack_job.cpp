#include "vault/vault_pack_job.h"

#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"

namespace qm {
namespace {

// The text handed to the packer at a time, between two looks at the token.
constexpr std::size_t kTextPiece = std::size_t{1} << 20;

}  // namespace

Result<std::vector<std::uint8_t>> PackVaultEntries(std::span<const TItemRecord> entries,
                                                   const ProgressCallback& progress,
                                                   const CancelToken& cancel, bool& cancelled) {
  using Packed = Result<std::vector<std::uint8_t>>;
  Deflater deflater(kVaultPackLevel);
  Status packing = Status::Success();
  ReportProgress(progress, 0, entries.size(), kPackingPhase);
  const Status written =
      WriteVaultTextInPieces(entries, kTextPiece, [&](std::string_view piece, std::size_t done) {
        packing = deflater.Add(piece);
        ReportProgress(progress, done, entries.size(), kPackingPhase);
        return packing.Ok() && !cancel.Cancelled();
      });
  cancelled = cancel.Cancelled();
  if (!packing.Ok()) return Packed::Failure(packing.error);
  if (!written.Ok()) return Packed::Failure(cancelled ? kPackingStopped : written.error);
  if (cancelled) return Packed::Failure(kPackingStopped);
  return deflater.Finish();
}

}  // namespace qm
