#include "vault/vault_build_model.h"

#include <filesystem>

namespace qm {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kSkippedCaptions = {"File", "Reason"};

std::string Plural(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

TfrmVaultBuild::TfrmVaultBuild(FileDialogPort& files) : files_(files) {
  view_.tSkipped.Captions = kSkippedCaptions;
  view_.Busy.Disables = {"bBuild"};
  view_.lOutcome.Text = kVaultBuildHint;
  // Nothing is read or written before the first build.
  view_.lSource.Visible = view_.lTarget.Visible = false;
}

bool TfrmVaultBuild::BuildClick() {
  if (Running()) return false;
  FileDialogRequest folderRequest;
  folderRequest.Title = kVaultBuildFolderTitle;
  folderRequest.InitialFolder = lastFolder_;
  folderRequest.ChooseFolder = true;
  const std::string folder = files_.AskOpenPath(folderRequest);
  if (folder.empty()) return false;
  lastFolder_ = folder;

  // The vault is proposed beside the folder and named after it.
  const fs::path folderPath = fs::path(folder).lexically_normal();
  const fs::path named = folderPath.has_filename() ? folderPath : folderPath.parent_path();
  FileDialogRequest saveRequest;
  saveRequest.Title = kVaultBuildSaveTitle;
  saveRequest.Filter = kVaultBuildFilter;
  saveRequest.DefaultExtension = kVaultBuildExtension;
  saveRequest.InitialFolder = named.parent_path().string();
  saveRequest.FileName = named.filename().string() + "." + std::string(kVaultBuildExtension);
  saveRequest.PromptOverwrite = true;
  const std::string target = files_.AskSavePath(saveRequest);
  if (target.empty()) return false;

  const ViewChange change(*this);
  request_ = XmlVaultBuildRequest{};
  request_.Sources = {folder};
  request_.OutPath = target;
  request_.SkipBadFiles = true;  // one odd file in a folder of thousands costs only itself
  token_ = CancelToken();
  view_.lSource = {.Text = "Folder: " + folder};
  view_.lTarget = {.Text = "Vault file: " + target};
  view_.lOutcome = LabelState{};
  view_.tSkipped.Rows.clear();
  view_.tSkipped.Selection = -1;
  view_.Progress = {0, 0, std::string(kListingPhase), true, true};
  view_.Busy.Busy = true;
  view_.bBuild.Enabled = false;
  return true;
}

std::string TfrmVaultBuild::PhaseLine(const JobProgress& progress) {
  return ProgressLine(progress);
}

void TfrmVaultBuild::JobProgressed(const JobProgress& progress) {
  // A report that was under way when Cancel came changes nothing shown.
  if (!Running() || !view_.Progress.CancelEnabled) return;
  const ViewChange change(*this);
  view_.Progress.Done = progress.Done;
  view_.Progress.Total = progress.Total;
  view_.Progress.Phase = PhaseLine(progress);
}

void TfrmVaultBuild::CancelClick() {
  if (!Running() || !view_.Progress.CancelEnabled) return;
  const ViewChange change(*this);
  token_.Cancel();
  view_.Progress.CancelEnabled = false;
  view_.Progress.Phase = kVaultBuildCancelling;
}

void TfrmVaultBuild::JobEnded(const JobOutcome<XmlVaultBuildReport>& outcome) {
  if (!Running()) return;
  const ViewChange change(*this);
  view_.Progress = ProgressState{};
  view_.Busy.Busy = false;
  view_.bBuild.Enabled = true;
  view_.lOutcome = LabelState{};
  switch (outcome.End()) {
    case JobEnd::kFinished: {
      const XmlVaultBuildReport& report = outcome.Value();
      view_.lOutcome.Text = "Wrote " + Plural(report.EntryCount - 1, "item", "items") + " to " +
                            request_.OutPath + ".";
      if (!report.Skipped.empty()) {
        view_.lOutcome.Text += " Skipped " + Plural(report.Skipped.size(), "file", "files") + ".";
      }
      for (const SkippedFile& skipped : report.Skipped) {
        view_.tSkipped.Rows.push_back({{skipped.Path}, {skipped.Reason, kMaroon}});
      }
      break;
    }
    case JobEnd::kFailed:
      view_.lOutcome.Text = "Nothing was written: " + outcome.Message();
      view_.lOutcome.Colour = kRed;
      break;
    case JobEnd::kCancelled:
      view_.lOutcome.Text = kVaultBuildCancelled;
      break;
  }
}

}  // namespace qm
