#include "vault/xml_vault_build.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/file_io.h"
#include "core/text.h"
#include "vault/vault_writer.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using Outcome = JobOutcome<XmlVaultBuildReport>;

// Conversion speaks to the user through a port; the build keeps what it says
// for its caller, as no window may be shown from the job's thread.
class NoticeKeeper : public UserPort {
 public:
  Answer AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
                 std::string_view, std::string_view) override {
    return Answer::Cancel;
  }
  void ShowMessage(std::string_view text) override { notices.emplace_back(text); }
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}

  std::vector<std::string> notices;
};

bool IsXmlFileName(const std::string& name) {
  constexpr std::string_view kExtension = ".xml";
  return name.size() >= kExtension.size() &&
         SameTextIgnoringCase(std::string_view(name).substr(name.size() - kExtension.size()),
                              kExtension);
}

// A look at the cancel token and a progress report every this many entries.
constexpr std::size_t kListingStep = 1024;

// The files to read. A folder's files are kept as names beside the folder,
// short enough to need no memory of their own: a hundred thousand paths each
// allocated apart take longer to free than Cancel may take.
struct FileList {
  static constexpr std::size_t kNoFolder = static_cast<std::size_t>(-1);
  struct File {
    std::size_t Folder = kNoFolder;  // kNoFolder: Name is the whole path
    std::string Name;
  };
  std::vector<std::string> Folders;
  std::vector<File> Files;

  std::size_t size() const { return Files.size(); }
  std::string Path(std::size_t i) const {
    const File& file = Files[i];
    return file.Folder == kNoFolder ? file.Name
                                    : (fs::path(Folders[file.Folder]) / file.Name).string();
  }
  std::string FileName(std::size_t i) const {
    const File& file = Files[i];
    return file.Folder == kNoFolder ? fs::path(file.Name).filename().string() : file.Name;
  }
};

// The XML files of a folder in name order, added to paths; stops early when
// cancelled. A folder of a hundred thousand files takes a while to list.
void ListXmlFiles(const std::string& folder, const ProgressCallback& progress,
                  const CancelToken& cancel, FileList& paths) {
  std::vector<std::string> named;
  std::size_t seen = 0;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (++seen % kListingStep == 0) {
      if (cancel.Cancelled()) return;
      ReportProgress(progress, paths.size() + named.size(), 0, kListingPhase);
    }
    std::string name = entry.path().filename().string();
    if (entry.is_regular_file(ec) && IsXmlFileName(name)) {
      named.push_back(std::move(name));
    }
  }
  if (cancel.Cancelled()) return;
  // Sorting a hundred thousand names takes long enough that Cancel must reach
  // into it: the comparison looks at the token now and then and leaves the
  // sort by throwing, which leaves the names unordered but whole.
  struct SortCancelled {};
  std::size_t comparisons = 0;
  try {
    std::sort(named.begin(), named.end(), [&](const auto& a, const auto& b) {
      if (++comparisons % kListingStep == 0 && cancel.Cancelled()) throw SortCancelled{};
      return a < b;
    });
  } catch (const SortCancelled&) {
    return;
  }
  const std::size_t folderIndex = paths.Folders.size();
  paths.Folders.push_back(folder);
  paths.Files.reserve(paths.size() + named.size());
  for (std::string& name : named) paths.Files.push_back({folderIndex, std::move(name)});
}

// Every file the sources name; a folder without XML files refuses the build.
std::optional<std::string> ListFiles(const XmlVaultBuildRequest& request,
                                     const ProgressCallback& progress, const CancelToken& cancel,
                                     FileList& paths) {
  for (const std::string& source : request.Sources) {
    ReportProgress(progress, paths.size(), 0, kListingPhase);
    std::error_code ec;
    if (!fs::is_directory(source, ec)) {
      paths.Files.push_back({FileList::kNoFolder, source});
      continue;
    }
    const std::size_t before = paths.size();
    ListXmlFiles(source, progress, cancel, paths);
    if (cancel.Cancelled()) return std::nullopt;
    if (paths.size() == before) {
      return FileMessage(source, "holds no XML item files (*.xml); nothing written");
    }
  }
  return std::nullopt;
}

// What reading and converting every file came to.
struct Conversion {
  std::vector<TItemRecord> entries;
  std::vector<std::string> inputs;  // every file read
  std::vector<SkippedFile> skipped;
  std::vector<std::string> notices;
  std::string failure;  // refuses the build when not empty
  bool cancelled = false;
};

// Reads and converts file by file, so only the records stay in memory. A
// build that refuses bad files names the first that cannot be read, else the
// first that does not convert, as reading every file before converting any
// would.
Conversion ConvertFiles(const XmlVaultBuildRequest& request, const FileList& paths,
                        const ProgressCallback& progress, const CancelToken& cancel) {
  Conversion result;
  result.entries.reserve(paths.size() + 1);
  result.entries.push_back(VaultHeaderEntry(request.Label, request.Version));
  result.inputs.reserve(paths.size());
  std::string conversionFailure;
  NoticeKeeper keeper;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (cancel.Cancelled()) {
      result.cancelled = true;
      return result;
    }
    ReportProgress(progress, i, paths.size(), kConvertingPhase);
    const std::string path = paths.Path(i);
    const auto bytes = ReadFileBytes(path, kMaxXmlImportBytes);
    if (!bytes.Ok()) {
      if (!request.SkipBadFiles) {
        result.failure = bytes.Error();
        result.notices.clear();  // nothing would have been converted yet
        return result;
      }
      result.skipped.push_back({path, bytes.Error()});
      continue;
    }
    result.inputs.push_back(path);
    if (!conversionFailure.empty()) continue;  // only a read error can still come first
    const std::string name = paths.FileName(i);
    const ImportText parsed = ParseImportText(std::string_view(
        reinterpret_cast<const char*>(bytes.Value().data()), bytes.Value().size()));
    std::string why;
    if (parsed.Kind != ImportKind::kXmlItem) {
      why = "not an XML item (" + std::string(ImportKindText(parsed.Kind)) + ")";
    } else {
      keeper.notices.clear();
      const XmlConversion converted = ConvertXmlItem(parsed, keeper);
      if (converted.Success) {
        result.entries.push_back(converted.Item);
        continue;
      }
      if (request.SkipBadFiles && !keeper.notices.empty()) {
        why = keeper.notices.back();
      } else {
        why = "the XML item could not be converted";
        result.notices.insert(result.notices.end(), keeper.notices.begin(), keeper.notices.end());
      }
    }
    if (request.SkipBadFiles) {
      result.skipped.push_back({path, why});
    } else {
      conversionFailure = name + ": " + why;
    }
  }
  ReportProgress(progress, paths.size(), paths.size(), kConvertingPhase);
  result.failure = conversionFailure;
  return result;
}

}  // namespace

JobOutcome<XmlVaultBuildReport> BuildXmlVault(const XmlVaultBuildRequest& request,
                                              const ProgressCallback& progress,
                                              const CancelToken& cancel) {
  FileList paths;
  if (const auto refused = ListFiles(request, progress, cancel, paths)) {
    return Outcome::Failed(*refused);
  }
  if (cancel.Cancelled()) return Outcome::Cancelled();

  Conversion conversion = ConvertFiles(request, paths, progress, cancel);
  if (conversion.cancelled || cancel.Cancelled()) return Outcome::Cancelled();
  if (request.Notice) {
    for (const std::string& notice : conversion.notices) request.Notice(notice);
  }
  if (!conversion.failure.empty()) return Outcome::Failed(conversion.failure);
  if (conversion.entries.size() < 2) {
    return Outcome::Failed("none of the " + std::to_string(paths.size()) +
                           " files is an XML item that converts; nothing written");
  }

  bool cancelled = false;
  const auto packed = PackVaultEntries(conversion.entries, progress, cancel, cancelled);
  if (cancelled) return Outcome::Cancelled();
  if (!packed.Ok()) return Outcome::Failed(packed.Error());
  if (cancel.Cancelled()) return Outcome::Cancelled();

  // From here the job finishes: the file is replaced at once, or not at all.
  ReportProgress(progress, 0, 0, kSavingPhase);
  const auto& bytes = packed.Value();
  const Status written = WriteFileAtomically(
      request.OutPath, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
      conversion.inputs);
  if (!written.Ok()) return Outcome::Failed(written.error);
  XmlVaultBuildReport report;
  report.EntryCount = conversion.entries.size();
  report.PackedBytes = bytes.size();
  report.Skipped = std::move(conversion.skipped);
  return Outcome::Finished(std::move(report));
}

}  // namespace qm
