#include "interop/item_import.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <unordered_map>

#include "core/file_contents.h"
#include "core/file_io.h"
#include "core/text.h"
#include "interop/foreign_item_record.h"
#include "interop/read_limits.h"
#include "interop/source_readers.h"
#include "vault/vault_bundle.h"
#include "vault/vault_pack_job.h"
#include "vault/vault_stream_packer.h"
#include "vault/vault_writer.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using Outcome = JobOutcome<ItemImportReport>;

constexpr std::size_t kLabelCapacity = 51;
constexpr std::size_t kNoteCapacity = 94;
constexpr std::size_t kListingStep = 1024;

// One file to read. A folder's files are kept as paths relative to it, as a
// hundred thousand full paths each allocated apart take long to free.
struct ListedFile {
  std::size_t Source = 0;  // index of the named source it came from
  std::string Relative;    // empty: the source is the file itself
  std::uintmax_t Bytes = 0;
  int Reader = -1;  // index into SourceReaders(), -1: none takes it
  bool Companion = false;
};

std::string PathOf(const ItemImportRequest& request, const ListedFile& file) {
  const std::string& source = request.Sources[file.Source];
  return file.Relative.empty() ? source : (fs::path(source) / file.Relative).string();
}

// Every file of the named sources; false when cancelled.
bool ListFiles(const ItemImportRequest& request, const ProgressCallback& progress,
               const CancelToken& cancel, std::vector<ListedFile>& files,
               std::vector<SourceSummary>& refused) {
  for (std::size_t s = 0; s < request.Sources.size(); ++s) {
    const std::string& source = request.Sources[s];
    std::error_code ec;
    const fs::file_status status = fs::status(source, ec);
    if (ec || !fs::exists(status)) {
      const std::string why = ec ? ec.message() : "No such file or directory";
      refused.push_back({source, std::nullopt, 1, 0, why, {}});
      continue;
    }
    if (fs::is_regular_file(status)) {
      files.push_back({s, {}, fs::file_size(source, ec)});
      continue;
    }
    // A device or a pipe could be endless or block the import.
    if (!fs::is_directory(status)) {
      refused.push_back({source, std::nullopt, 1, 0, "not a regular file", {}});
      continue;
    }
    std::vector<ListedFile> found;
    const auto options = fs::directory_options::skip_permission_denied;
    for (auto it = fs::recursive_directory_iterator(source, options, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
      if (found.size() % kListingStep == 0) {
        if (cancel.Cancelled()) return false;
        ReportProgress(progress, files.size() + found.size(), 0, kImportListingPhase);
      }
      std::error_code fileError;
      if (!it->is_regular_file(fileError)) continue;
      found.push_back(
          {s, fs::relative(it->path(), source, fileError).string(), it->file_size(fileError)});
    }
    if (found.empty()) {
      refused.push_back({source, std::nullopt, 0, 0, "holds no files", {}});
      continue;
    }
    std::sort(found.begin(), found.end(),
              [](const ListedFile& a, const ListedFile& b) { return a.Relative < b.Relative; });
    for (ListedFile& file : found) files.push_back(std::move(file));
  }
  return true;
}

// Which reader takes each file, by the start of its content.
void SniffFiles(const ItemImportRequest& request, std::vector<ListedFile>& files,
                const ProgressCallback& progress, const CancelToken& cancel) {
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i % kListingStep == 0) {
      if (cancel.Cancelled()) return;
      ReportProgress(progress, i, files.size(), kImportListingPhase);
    }
    ListedFile& file = files[i];
    if (file.Bytes > kMaxSourceBytes) continue;
    if (const auto sniffed = SniffSource(SourceHead(PathOf(request, file)))) {
      file.Reader = static_cast<int>(sniffed->Reader);
      file.Companion = sniffed->Companion;
    }
  }
}

// The record without what says where it came from: two entries with the
// same key are the same item. (Texts are zero past their length, and the
// record has no padding, so equal keys are equal bytes.)
TItemRecord MergeKey(const TItemRecord& record) {
  TItemRecord key = record;
  key.Note.Assign("");
  key.Verified = 0;
  key.Source = 0;
  return key;
}

std::string_view BytesOf(const TItemRecord& record) {
  return {reinterpret_cast<const char*>(&record), sizeof record};
}

// The kinds met, in the order met.
std::vector<SourceKind> KindsOf(const std::vector<SourceSummary>& sources) {
  std::vector<SourceKind> kinds;
  for (const SourceSummary& s : sources) {
    if (s.Kind && s.ItemsRead > 0 && std::find(kinds.begin(), kinds.end(), *s.Kind) == kinds.end())
      kinds.push_back(*s.Kind);
  }
  return kinds;
}

std::string Fit(std::string text, std::size_t capacity) {
  text = Utf8ToCp1252(text);
  if (text.size() > capacity) text.resize(capacity);
  return text;
}

// "Official item database, imported 2026-12-10"; with more kinds than the
// label holds, "Official item database and 2 more, imported ...".
std::string DefaultLabel(const std::vector<SourceKind>& kinds, const std::string& date) {
  const std::string imported = "imported " + date;
  std::string all;
  for (SourceKind kind : kinds) all += std::string(SourceKindText(kind)) + ", ";
  if (all.size() + imported.size() <= kLabelCapacity) return all + imported;
  std::string some = std::string(SourceKindText(kinds.front())) + " and " +
                     std::to_string(kinds.size() - 1) + " more, " + imported;
  if (some.size() <= kLabelCapacity) return some;
  return "Items of " + std::to_string(kinds.size()) + " kinds, " + imported;
}

// Every kind in the words of the report, or in the notes' short words when
// those do not fit the header's notes.
std::string OriginNote(const std::vector<SourceKind>& kinds, const std::string& date) {
  std::string texts, keys;
  for (SourceKind kind : kinds) {
    texts += std::string(SourceKindText(kind)) + ", ";
    keys += std::string(SourceKindKey(kind)) + ", ";
  }
  const std::string imported = "imported " + date;
  return (texts.size() + imported.size() <= kNoteCapacity ? texts : keys) + imported;
}

Status KeepBackup(const std::string& path) {
  std::error_code ec;
  if (!fs::exists(path, ec)) return Status::Success();
  fs::copy_file(path, path + ".bak", fs::copy_options::overwrite_existing, ec);
  if (ec)
    return Status::Failure(path + ".bak: the previous vault could not be kept: " + ec.message());
  return Status::Success();
}

// Reads, converts and merges every file a reader takes.
class Importer {
 public:
  Importer(const ItemImportRequest& request, const ProgressCallback& progress,
           const CancelToken& cancel)
      : request_(request), progress_(progress), cancel_(cancel) {}

  // False when cancelled.
  bool Run(const std::vector<ListedFile>& files, std::vector<SourceSummary>& summaries) {
    std::uint64_t total = 0;
    for (const ListedFile& file : files) total += file.Bytes;
    std::vector<std::string> companions(SourceReaders().size());
    for (const ListedFile& file : files) {
      if (!file.Companion) continue;
      const auto bytes = ReadFileContents(PathOf(request_, file), kMaxSourceBytes);
      if (bytes.Ok()) companions[static_cast<std::size_t>(file.Reader)] = bytes.Value().View();
    }
    std::uint64_t before = 0;
    for (const ListedFile& file : files) {
      if (cancel_.Cancelled()) return false;
      if (!file.Companion) ReadOne(file, before, total, companions, summaries);
      before += file.Bytes;
    }
    return !cancel_.Cancelled();
  }

  std::vector<TItemRecord>& Entries() { return entries_; }
  Result<std::vector<std::uint8_t>> Pack(const TItemRecord& header) {
    return packer_->Finish(header);
  }
  ImportTally& Tally() { return tally_; }
  std::size_t Merged() const { return merged_; }
  std::size_t Read() const { return read_; }

 private:
  void ReadOne(const ListedFile& file, std::uint64_t before, std::uint64_t total,
               const std::vector<std::string>& companions, std::vector<SourceSummary>& summaries) {
    const std::string path = PathOf(request_, file);
    auto refuse = [&](const std::string& why) {
      summaries.push_back({path, std::nullopt, 1, 0, why, {}});
    };
    if (file.Bytes > kMaxSourceBytes) return refuse("larger than 1 GiB; not read");
    if (file.Reader < 0) return refuse(std::string(kNotAnItemSource));
    const SourceReader& reader = SourceReaders()[static_cast<std::size_t>(file.Reader)];
    // The phase names the file from the start: reading a large one takes a while.
    const std::string phase = "Reading " + fs::path(path).filename().string();
    ReportProgress(progress_, before, total, phase);
    const auto bytes = ReadFileContents(path, kMaxSourceBytes);
    if (!bytes.Ok()) return refuse(bytes.Error());
    const std::string_view text = bytes.Value().View();
    // Items are converted and merged as the reader hands them over; a
    // refused source takes back what it gave.
    const ImportTally tallyBefore = tally_;
    const std::size_t entriesBefore = entries_.size();
    const std::size_t mergedBefore = merged_;
    // Room for a large source at once (a row takes a few hundred bytes; the
    // pages reserved are touched only when filled), growing as push_back
    // would for the many one-item files of a folder.
    const std::size_t expected =
        entries_.size() + std::min<std::size_t>(text.size() / 256 + 1, 1u << 20);
    if (expected > entries_.capacity()) {
      entries_.reserve(std::max(expected, 2 * entries_.capacity()));
      seen_.reserve(entries_.capacity());
    }
    std::size_t conversionSkips = 0;
    const std::string fileName = fs::path(path).filename().string();
    ReadContext context{tally_,
                        [&](std::uint64_t done, std::uint64_t, std::string_view) {
                          ReportProgress(progress_, before + done, total, phase);
                        },
                        cancel_,
                        [&](ForeignItem&& item) {
                          // A one-item file has no id of its own but its name.
                          if (item.SourceId.empty()) item.SourceId = fileName;
                          // What the item left out counts once, not again for each duplicate.
                          ImportTally itemTally;
                          const auto record = ForeignItemRecord(item, reader.Kind, itemTally);
                          conversionSkips += itemTally.SkippedCount();
                          if (!record || Keep(*record)) tally_.Add(itemTally);
                        }};
    const std::size_t skippedBefore = tally_.SkippedCount();
    auto read = reader.Read(text, companions[static_cast<std::size_t>(file.Reader)], context);
    if (!read.Ok()) {
      TakeBack(entriesBefore, mergedBefore);
      tally_ = tallyBefore;
      return refuse(read.Error());
    }
    if (cancel_.Cancelled()) return;
    ReadOutcome& outcome = read.Value();
    const std::size_t readerSkips = tally_.SkippedCount() - skippedBefore - conversionSkips;
    const std::size_t count = outcome.Taken + outcome.Entries.size() + readerSkips;
    for (const TItemRecord& entry : outcome.Entries) Keep(entry);
    SourceSummary& summary = SummaryFor(summaries, file, reader.Kind, path);
    ++summary.Files;
    summary.ItemsRead += count;
    if (!outcome.StoppedAt.empty()) {
      summary.StoppedAt = fs::path(path).filename().string() + ": " + outcome.StoppedAt;
    }
    read_ += count;
  }

  SourceSummary& SummaryFor(std::vector<SourceSummary>& summaries, const ListedFile& file,
                            SourceKind kind, const std::string& path) {
    // The files of one kind in one named folder make one line of the report.
    const std::string& named = file.Relative.empty() ? path : request_.Sources[file.Source];
    for (SourceSummary& s : summaries) {
      if (s.Kind == kind && s.Path == named) return s;
    }
    summaries.push_back({named, kind, 0, 0, {}, {}});
    return summaries.back();
  }

  // Forgets the entries kept from the first one past keep on.
  void TakeBack(std::size_t keep, std::size_t merged) {
    entries_.resize(keep);
    merged_ = merged;
    std::erase_if(seen_, [keep](const auto& entry) { return entry.second >= keep; });
    // The packer has packed them already: it starts again from the first entry.
    packer_.emplace();
    for (std::size_t i = 1; i < entries_.size(); ++i) packer_->Add(entries_[i]);
  }

  // False when the record is the same item as one kept before.
  bool Keep(const TItemRecord& record) {
    const std::string why = WhyNotWritable(record);
    if (!why.empty()) {
      tally_.Skip("cannot be stored (" + why + ")", Cp1252ToUtf8(record.Name.Str()));
      return true;
    }
    // Kept records are found by the hash of their key; an equal hash is
    // only a candidate until the keys compare equal.
    const TItemRecord key = MergeKey(record);
    const std::size_t hash = std::hash<std::string_view>{}(BytesOf(key));
    const auto [first, last] = seen_.equal_range(hash);
    for (auto it = first; it != last; ++it) {
      if (BytesOf(MergeKey(entries_[it->second])) == BytesOf(key)) {
        ++merged_;
        return false;
      }
    }
    seen_.emplace(hash, entries_.size());
    entries_.push_back(record);
    packer_->Add(record);
    return true;
  }

  const ItemImportRequest& request_;
  const ProgressCallback& progress_;
  const CancelToken& cancel_;
  ImportTally tally_;
  // Entry 0 is kept for the vault's header, so the list is never moved to
  // make room for it.
  std::vector<TItemRecord> entries_{EmptyItem()};
  std::unordered_multimap<std::size_t, std::size_t> seen_;  // key hash -> entry
  // Packs each entry kept on a second core while the sources are read.
  std::optional<VaultStreamPacker> packer_{std::in_place};
  std::size_t merged_ = 0;
  std::size_t read_ = 0;
};

// Why an import that kept nothing writes nothing: a single refused file in
// its own words ("\"PATH\": No such file or directory"), else the count and
// a line per refused file.
std::string NothingImported(const ItemImportReport& report) {
  std::vector<const SourceSummary*> refused;
  for (const SourceSummary& s : report.Sources) {
    if (!s.Kind) refused.push_back(&s);
  }
  if (report.Read == 0 && refused.size() == 1 && report.Sources.size() == 1) {
    return "\"" + refused.front()->Path + "\": " + refused.front()->Refusal;
  }
  std::string message = report.Read == 0
                            ? "none of the sources holds an item we can read; nothing written"
                            : "none of the " + GroupedCount(report.Read) +
                                  " items read could be imported; nothing written";
  for (const SourceSummary* s : refused) message += "\n  \"" + s->Path + "\": " + s->Refusal;
  return message;
}

}  // namespace

std::string GroupedCount(std::size_t number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

JobOutcome<ItemImportReport> ImportItemSources(const ItemImportRequest& request,
                                               const ProgressCallback& progress,
                                               const CancelToken& cancel) {
  ItemImportReport report;
  std::vector<ListedFile> files;
  if (!ListFiles(request, progress, cancel, files, report.Sources)) return Outcome::Cancelled();
  SniffFiles(request, files, progress, cancel);
  if (cancel.Cancelled()) return Outcome::Cancelled();

  Importer importer(request, progress, cancel);
  if (!importer.Run(files, report.Sources)) return Outcome::Cancelled();
  report.Read = importer.Read();
  report.Merged = importer.Merged();
  report.Tally = importer.Tally();
  std::vector<TItemRecord>& entries = importer.Entries();
  report.Imported = entries.size() - 1;
  if (report.Imported == 0) return Outcome::Failed(NothingImported(report));

  const std::vector<SourceKind> kinds = KindsOf(report.Sources);
  report.Label = Fit(request.Label.empty() ? DefaultLabel(kinds, request.Date) : request.Label,
                     kLabelCapacity);
  report.Origin = Fit(OriginNote(kinds, request.Date), kNoteCapacity);
  TItemRecord header = VaultHeaderEntry(report.Label, kVaultVersion);
  header.Note.Assign(report.Origin);
  entries.front() = header;
  report.Label = Cp1252ToUtf8(report.Label);
  report.Origin = Cp1252ToUtf8(report.Origin);

  // The entries were packed as they were kept; what is left is the rest of
  // the last piece and the header in front.
  ReportProgress(progress, 0, 0, kPackingPhase);
  const auto packed = importer.Pack(header);
  if (cancel.Cancelled()) return Outcome::Cancelled();
  if (!packed.Ok()) return Outcome::Failed(packed.Error());

  // From here the import finishes: the file is replaced at once, or not at all.
  ReportProgress(progress, 0, 0, kImportSavingPhase);
  std::error_code ec;
  const fs::path folder = fs::path(request.OutPath).parent_path();
  if (!folder.empty() && !fs::create_directories(folder, ec) && ec) {
    return Outcome::Failed(folder.string() + ": " + ec.message());
  }
  if (request.KeepBackup) {
    if (const Status kept = KeepBackup(request.OutPath); !kept.Ok())
      return Outcome::Failed(kept.error);
  }
  std::vector<std::string> inputs;
  for (const std::string& source : request.Sources) inputs.push_back(source);
  const auto& bytes = packed.Value();
  const Status written = WriteFileAtomically(
      request.OutPath, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
      inputs);
  if (!written.Ok()) return Outcome::Failed(written.error);
  report.PackedBytes = bytes.size();
  return Outcome::Finished(std::move(report));
}

std::string ItemImportReportText(const ItemImportReport& report) {
  std::string text;
  for (const SourceSummary& s : report.Sources) {
    if (!s.Kind) {
      text += "Refused: " + s.Path + ": " + s.Refusal + "\n";
      continue;
    }
    text += std::string(SourceKindText(*s.Kind)) + ", " + GroupedCount(s.ItemsRead) +
            (s.ItemsRead == 1 ? " item" : " items");
    if (s.Files > 1) text += " in " + GroupedCount(s.Files) + " files";
    text += ": " + s.Path + "\n";
    if (!s.StoppedAt.empty()) text += "  " + s.StoppedAt + "\n";
  }
  text += "Items read: " + GroupedCount(report.Read) + "\n";
  text += "Imported: " + GroupedCount(report.Imported) + "\n";
  text += "Merged as duplicates: " + GroupedCount(report.Merged) + "\n";
  text += "Skipped: " + GroupedCount(report.Tally.SkippedCount()) + "\n";
  auto reasons = [&](const std::vector<ReasonCount>& list) {
    for (const ReasonCount& r : list) {
      text += "  " + r.Reason + ": " + GroupedCount(r.Count);
      if (!r.Names.empty()) {
        text += " (";
        for (std::size_t i = 0; i < r.Names.size(); ++i) text += (i ? ", " : "") + r.Names[i];
        text += r.Count > r.Names.size() ? ", ...)" : ")";
      }
      text += "\n";
    }
  };
  reasons(report.Tally.Skipped());
  if (!report.Tally.BonusesLeftOut().empty()) {
    text += "Bonuses left out (the items are kept without them, marked unverified):\n";
    reasons(report.Tally.BonusesLeftOut());
  }
  if (!report.Tally.Remarks().empty()) {
    text += "Kept, to look at:\n";
    reasons(report.Tally.Remarks());
  }
  text += "Vault label: " + report.Label + "\n";
  return text;
}

}  // namespace qm
