#pragma once
// The window that builds a vault file from a folder of XML item files
// (TfrmVaultBuild) without its widgets. Its build command asks for the folder
// and the file to write; the window then runs BuildXmlVault as a job with the
// request and cancel token this model hands out, and tells the model how far
// the job got and how it ended. The model alone decides what the user sees of
// it: a finished build names what it wrote and lists the files it skipped, a
// failed one says why, a cancelled one that nothing was written.
#include <cstdint>
#include <string>
#include <string_view>

#include "ports/job.h"
#include "ports/ports.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "vault/xml_vault_build.h"

namespace qm {

inline constexpr std::string_view kVaultBuildCaption = "Build Vault from XML Folder";
inline constexpr std::string_view kVaultBuildFolderTitle = "Choose the Folder of XML Item Files";
inline constexpr std::string_view kVaultBuildSaveTitle = "Save the Vault As";
inline constexpr std::string_view kVaultBuildFilter = "Quillmark Vault|*.qmv";
inline constexpr std::string_view kVaultBuildExtension = "qmv";
inline constexpr std::string_view kVaultBuildCancelling = "Cancelling...";
inline constexpr std::string_view kVaultBuildCancelled = "Cancelled; nothing was written.";
inline constexpr std::string_view kVaultBuildHint =
    "Every XML item file (*.xml) of the folder you choose goes into the new vault; files that "
    "are no item are skipped and listed here.";

// The controls, by object name.
struct VaultBuildView {
  LabelState lSource;      // the folder being read
  LabelState lTarget;      // the vault file being written
  LabelState lOutcome;     // what the last build came to; red when it failed
  TableState tSkipped;     // the files left out and why: "File", "Reason"
  ProgressState Progress;  // the progress panel (JobProgress)
  BusyState Busy;          // while a build runs
  ControlState bBuild;     // "&Build Another..."
  ControlState bClose;
};

class TfrmVaultBuild : public ViewNotifier {
 public:
  explicit TfrmVaultBuild(FileDialogPort& files);

  // BuildClick: asks for the folder, then for the vault file (an existing one
  // only after the overwrite question). True when a build is to start: the
  // window runs Request() with Token(). Nothing changes while one runs or
  // when either dialog is cancelled.
  bool BuildClick();
  const XmlVaultBuildRequest& Request() const { return request_; }
  const CancelToken& Token() const { return token_; }
  bool Running() const { return view_.Busy.Busy; }

  // The job's latest report, shown in the progress panel.
  void JobProgressed(const JobProgress& progress);
  // CancelClick (Cancel or Escape): asks the job to stop.
  void CancelClick();
  // The job ended, on the window's thread.
  void JobEnded(const JobOutcome<XmlVaultBuildReport>& outcome);

  const VaultBuildView& View() const { return view_; }

  // The phase line under the bar: the phase, and the count once there is one.
  static std::string PhaseLine(const JobProgress& progress);

 private:
  FileDialogPort& files_;
  XmlVaultBuildRequest request_;
  CancelToken token_;
  std::string lastFolder_;
  VaultBuildView view_;
};

}  // namespace qm
