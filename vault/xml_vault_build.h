#pragma once
// Building a vault file from other calculators' XML item files, as a job: a
// folder of a hundred thousand items takes seconds, so the build reports its
// progress and stops when asked, and a stopped build writes nothing.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/job.h"
#include "vault/vault_bundle.h"
#include "vault/vault_pack_job.h"

namespace qm {

inline constexpr std::string_view kListingPhase = "Listing files";
inline constexpr std::string_view kConvertingPhase = "Converting items";
inline constexpr std::string_view kSavingPhase = "Saving the vault file";

struct XmlVaultBuildRequest {
  // XML item files, and folders whose *.xml files (any case, in name order)
  // are taken; a folder without one refuses the build.
  std::vector<std::string> Sources;
  std::string OutPath;
  std::string Label = kVaultLabel;
  int Version = kVaultVersion;
  // false: the first file that cannot be read or is no XML item that
  // converts refuses the whole build. true: such files are left out and
  // named in the report.
  bool SkipBadFiles = false;
  // Hears, on the job's thread, what converting tells the user (a misplaced
  // location tag) before the failure it leads to; a skipped file gives it as
  // its reason instead.
  std::function<void(std::string_view)> Notice;
};

struct SkippedFile {
  std::string Path;
  std::string Reason;  // the read error, or why the file is no item
  bool operator==(const SkippedFile&) const = default;
};

struct XmlVaultBuildReport {
  std::size_t EntryCount = 0;  // the header entry included
  std::size_t PackedBytes = 0;
  std::vector<SkippedFile> Skipped;
};

// Lists, reads and converts every item, then writes, packs and saves the
// vault. A cancel seen before the save returns Cancelled with nothing
// written. The build keeps its own state; it only reads the vocabulary lists,
// which nothing changes once the program has loaded its vault.
JobOutcome<XmlVaultBuildReport> BuildXmlVault(const XmlVaultBuildRequest& request,
                                              const ProgressCallback& progress,
                                              const CancelToken& cancel);

}  // namespace qm
