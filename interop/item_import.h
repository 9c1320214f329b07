#pragma once
// Importing item sources of every kind into one vault, as a job: the files
// and folders the player names are told apart by their content, read, turned
// into entries, merged where two are the same item, and written as a vault
// with a header that names the sources and the date. Every item read is
// accounted for: imported, merged as a duplicate, or skipped with its reason.
// A cancelled import writes nothing.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interop/foreign_item.h"
#include "interop/import_tally.h"
#include "ports/job.h"

namespace qm {

inline constexpr std::string_view kImportListingPhase = "Listing files";
inline constexpr std::string_view kImportMergingPhase = "Merging duplicates";
inline constexpr std::string_view kImportSavingPhase = "Saving the vault file";

struct ItemImportRequest {
  std::vector<std::string> Sources;  // files, and folders whose files (all, recursively) are read
  std::string OutPath;
  std::string Date;         // "2026-12-10", named in the vault's label
  std::string Label;        // empty: the sources and the date
  bool KeepBackup = false;  // the file OutPath replaces stays beside it as OUT.bak
};

// What one named source (a file, or the files of one kind in a folder) gave.
struct SourceSummary {
  std::string Path;
  std::optional<SourceKind> Kind;  // none: refused
  std::size_t Files = 0;
  std::size_t ItemsRead = 0;
  std::string Refusal;    // why a file was refused, one line
  std::string StoppedAt;  // where a file that breaks off stopped
  bool operator==(const SourceSummary&) const = default;
};

struct ItemImportReport {
  std::vector<SourceSummary> Sources;
  std::size_t Read = 0;      // Imported + Merged + skipped
  std::size_t Imported = 0;  // entries of the vault, the header not counted
  std::size_t Merged = 0;    // the same item met again
  ImportTally Tally;
  std::string Label;
  std::string Origin;  // the header's notes: every kind of source and the date
  std::size_t PackedBytes = 0;
};

// A source past kMaxSourceBytes and a file no reader takes are refused, each
// with one line, and the others go on; an import that reads no item fails.
JobOutcome<ItemImportReport> ImportItemSources(const ItemImportRequest& request,
                                               const ProgressCallback& progress,
                                               const CancelToken& cancel);

// "38,412": counts as the report shows them.
std::string GroupedCount(std::size_t number);

// The report as the window and the CLI show it, one line per fact.
std::string ItemImportReportText(const ItemImportReport& report);

}  // namespace qm
