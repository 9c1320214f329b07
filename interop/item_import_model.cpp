#include "interop/item_import_model.h"

#include <algorithm>
#include <filesystem>

#include "core/file_io.h"
#include "interop/source_readers.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kSourceCaptions = {"Source", "What it is"};
const std::vector<std::string> kReportCaptions = {"What", "Count", "First names"};

std::string Joined(const std::vector<std::string>& names, std::size_t count) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  if (count > names.size()) text += ", ...";
  return text;
}

// The report as rows: a line per source, the totals, then each reason.
std::vector<std::vector<TableCell>> ReportRows(const ItemImportReport& report) {
  std::vector<std::vector<TableCell>> rows;
  for (const SourceSummary& s : report.Sources) {
    if (!s.Kind) {
      rows.push_back({{"Refused: " + s.Path, kMaroon}, {""}, {s.Refusal, kMaroon}});
      continue;
    }
    std::string what = std::string(SourceKindText(*s.Kind)) + ": " + s.Path;
    if (s.Files > 1) what += " (" + GroupedCount(s.Files) + " files)";
    rows.push_back({{what}, {GroupedCount(s.ItemsRead)}, {s.StoppedAt, kMaroon}});
  }
  rows.push_back({{"Items read"}, {GroupedCount(report.Read)}, {""}});
  rows.push_back({{"Imported"}, {GroupedCount(report.Imported), kNavy}, {""}});
  rows.push_back({{"Merged as duplicates"}, {GroupedCount(report.Merged)}, {""}});
  rows.push_back({{"Skipped"}, {GroupedCount(report.Tally.SkippedCount())}, {""}});
  for (const ReasonCount& r : report.Tally.Skipped()) {
    rows.push_back(
        {{"  skipped: " + r.Reason, kMaroon}, {GroupedCount(r.Count)}, {Joined(r.Names, r.Count)}});
  }
  for (const ReasonCount& r : report.Tally.Remarks()) {
    rows.push_back({{"  kept: " + r.Reason}, {GroupedCount(r.Count)}, {Joined(r.Names, r.Count)}});
  }
  for (const ReasonCount& r : report.Tally.BonusesLeftOut()) {
    rows.push_back({{"  bonus left out: " + r.Reason, kMaroon},
                    {GroupedCount(r.Count)},
                    {Joined(r.Names, r.Count)}});
  }
  return rows;
}

// "Reading items.json (35%)": bytes make a poor count to read.
std::string ImportProgressLine(const JobProgress& progress) {
  if (progress.Total == 0) return progress.Phase;
  return progress.Phase + " (" + std::to_string(progress.Done * 100 / progress.Total) + "%)";
}

}  // namespace

std::string DescribeItemSource(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "Folder: every file in it is read";
  const auto sniffed = SniffSource(SourceHead(path));
  if (!sniffed) return std::string(kNotAnItemSource);
  const SourceReader& reader = SourceReaders()[sniffed->Reader];
  return std::string(SourceKindText(reader.Kind)) + (sniffed->Companion ? " (metadata)" : "");
}

TfrmItemImport::TfrmItemImport(FileDialogPort& files, UserPort& user, std::string outPath,
                               std::string date)
    : files_(files), user_(user), date_(std::move(date)) {
  request_.OutPath = std::move(outPath);
  view_.lHint.Text = kItemImportHint;
  view_.tSources.Captions = kSourceCaptions;
  view_.tReport.Captions = kReportCaptions;
  view_.lTarget.Text = "Your vault: " + request_.OutPath + " (the one it replaces is kept as " +
                       fs::path(request_.OutPath).filename().string() + ".bak)";
  view_.Busy.Disables = {"bAddFiles", "bAddFolder", "bRemove", "bImport", "bSaveReport"};
  UpdateButtons();
}

void TfrmItemImport::UpdateButtons() {
  view_.bRemove.Enabled = view_.tSources.HasSelection();
  view_.bImport.Enabled = !sources_.empty();
  view_.bSaveReport.Enabled = !reportText_.empty();
}

void TfrmItemImport::AddFilesClick() {
  if (Running()) return;
  FileDialogRequest request;
  request.Title = kItemImportFilesTitle;
  request.Filter = kItemImportFilter;
  request.InitialFolder = lastFolder_;
  request.FileMustExist = true;
  const std::vector<std::string> paths = files_.AskOpenPaths(request);
  if (paths.empty()) return;
  lastFolder_ = fs::path(paths.front()).parent_path().string();
  AddSources(paths);
}

void TfrmItemImport::AddFolderClick() {
  if (Running()) return;
  FileDialogRequest request;
  request.Title = kItemImportFolderTitle;
  request.InitialFolder = lastFolder_;
  request.ChooseFolder = true;
  const std::string folder = files_.AskOpenPath(request);
  if (folder.empty()) return;
  lastFolder_ = folder;
  AddSources({folder});
}

void TfrmItemImport::AddSources(const std::vector<std::string>& paths) {
  if (Running()) return;
  const ViewChange change(*this);
  for (const std::string& path : paths) {
    if (std::find(sources_.begin(), sources_.end(), path) != sources_.end()) continue;
    sources_.push_back(path);
    const std::string what = DescribeItemSource(path);
    const bool refused = what == kNotAnItemSource;
    view_.tSources.Rows.push_back({{path}, {what, refused ? kMaroon : kBlack}});
  }
  UpdateButtons();
}

void TfrmItemImport::SelectSource(int row) {
  const ViewChange change(*this);
  view_.tSources.Selection = row;
  UpdateButtons();
}

void TfrmItemImport::RemoveClick() {
  if (Running() || !view_.tSources.HasSelection()) return;
  const ViewChange change(*this);
  const auto row = static_cast<std::size_t>(view_.tSources.Selection);
  sources_.erase(sources_.begin() + static_cast<std::ptrdiff_t>(row));
  view_.tSources.Rows.erase(view_.tSources.Rows.begin() + static_cast<std::ptrdiff_t>(row));
  if (view_.tSources.Selection >= static_cast<int>(sources_.size())) {
    view_.tSources.Selection = static_cast<int>(sources_.size()) - 1;
  }
  UpdateButtons();
}

bool TfrmItemImport::ImportClick() {
  if (Running() || sources_.empty()) return false;
  const ViewChange change(*this);
  request_.Sources = sources_;
  request_.Date = date_;
  request_.KeepBackup = true;
  token_ = CancelToken();
  view_.lOutcome = LabelState{};
  view_.tReport.Rows.clear();
  view_.tReport.Selection = -1;
  view_.Progress = {0, 0, std::string(kImportListingPhase), true, true};
  view_.Busy.Busy = true;
  return true;
}

void TfrmItemImport::JobProgressed(const JobProgress& progress) {
  // A report under way when Cancel came changes nothing shown.
  if (!Running() || !view_.Progress.CancelEnabled) return;
  const ViewChange change(*this);
  view_.Progress.Done = progress.Done;
  view_.Progress.Total = progress.Total;
  view_.Progress.Phase = ImportProgressLine(progress);
}

void TfrmItemImport::CancelClick() {
  if (!Running() || !view_.Progress.CancelEnabled) return;
  const ViewChange change(*this);
  token_.Cancel();
  view_.Progress.CancelEnabled = false;
  view_.Progress.Phase = kItemImportCancelling;
}

void TfrmItemImport::JobEnded(const JobOutcome<ItemImportReport>& outcome) {
  if (!Running()) return;
  const ViewChange change(*this);
  view_.Progress = ProgressState{};
  view_.Busy.Busy = false;
  view_.lOutcome = LabelState{};
  switch (outcome.End()) {
    case JobEnd::kFinished: {
      const ItemImportReport& report = outcome.Value();
      view_.lOutcome.Text = "Imported " + GroupedCount(report.Imported) +
                            (report.Imported == 1 ? " item" : " items") + " into your vault " +
                            request_.OutPath + " (\"" + report.Label +
                            "\"); it is used from the next start.";
      view_.lOutcome.Colour = kNavy;
      view_.tReport.Rows = ReportRows(report);
      reportText_ = ItemImportReportText(report);
      break;
    }
    case JobEnd::kFailed:
      view_.lOutcome.Text = "Nothing was imported: " + outcome.Message();
      view_.lOutcome.Colour = kRed;
      break;
    case JobEnd::kCancelled:
      view_.lOutcome.Text = kItemImportCancelled;
      break;
  }
  UpdateButtons();
}

void TfrmItemImport::SaveReportClick() {
  if (Running() || reportText_.empty()) return;
  FileDialogRequest request;
  request.Title = kItemImportReportTitle;
  request.Filter = "Text files (*.txt)|*.txt";
  request.DefaultExtension = "txt";
  request.FileName = "import-report-" + date_ + ".txt";
  request.PromptOverwrite = true;
  const std::string path = files_.AskSavePath(request);
  if (path.empty()) return;
  if (const Status saved = WriteFileAtomically(path, reportText_); !saved.Ok()) {
    user_.ShowMessage("The report was not saved: " + saved.error);
  }
}

}  // namespace qm
