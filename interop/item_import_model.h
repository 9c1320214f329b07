#pragma once
// The window that imports item databases and files into the player's own
// vault (TfrmItemImport) without its widgets. The player adds files and
// folders, each shown with what it is; Import runs ImportItemSources as a job
// (the window runs Request() with Token() on a thread of its own and tells
// the model how far it got and how it ended). A finished import shows its
// report, which can be saved as text; a failed one says why; a cancelled one
// that nothing changed.
#include <string>
#include <string_view>
#include <vector>

#include "interop/item_import.h"
#include "ports/job.h"
#include "ports/ports.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

inline constexpr std::string_view kItemImportCaption = "Import Item Database";
inline constexpr std::string_view kItemImportFilesTitle = "Choose Item Files to Import";
inline constexpr std::string_view kItemImportFolderTitle = "Choose a Folder of Item Files";
inline constexpr std::string_view kItemImportReportTitle = "Save the Import Report As";
inline constexpr std::string_view kItemImportFilter =
    "Item sources (*.json *.xml *.sql *.log *.txt)|*.json;*.xml;*.sql;*.log;*.txt|All files|*";
inline constexpr std::string_view kItemImportHint =
    "Add the item files you have: the official item database (with its metadata file), Moras "
    "XML exports, OpenDAoC itemtemplate SQL dumps, Kort's and other calculators' XML items, "
    "or your chat.log with delves. Import makes them your own vault.";
inline constexpr std::string_view kItemImportCancelled = "Cancelled; your vault is as it was.";
inline constexpr std::string_view kItemImportCancelling = "Cancelling...";

// The controls, by object name.
struct ItemImportView {
  LabelState lHint;
  TableState tSources;  // "Source", "What it is"
  LabelState lTarget;   // where the vault goes
  ProgressState Progress;
  BusyState Busy;
  LabelState lOutcome;  // what the last import came to; red when it failed
  TableState tReport;   // "What", "Count", "First names"
  ControlState bAddFiles, bAddFolder, bRemove, bImport, bSaveReport, bClose;
};

class TfrmItemImport : public ViewNotifier {
 public:
  // outPath: the player's vault; date: today, "2026-12-10", for its label.
  TfrmItemImport(FileDialogPort& files, UserPort& user, std::string outPath, std::string date);

  void AddFilesClick();
  void AddFolderClick();
  // Adds sources as the dialogs would; a source already listed is not added twice.
  void AddSources(const std::vector<std::string>& paths);
  void SelectSource(int row);
  void RemoveClick();
  // True when an import is to start: the window runs Request() with Token().
  bool ImportClick();
  const ItemImportRequest& Request() const { return request_; }
  const CancelToken& Token() const { return token_; }
  bool Running() const { return view_.Busy.Busy; }
  void JobProgressed(const JobProgress& progress);
  // Cancel or Escape.
  void CancelClick();
  void JobEnded(const JobOutcome<ItemImportReport>& outcome);
  // Asks where to save the last report's text and writes it there.
  void SaveReportClick();

  const ItemImportView& View() const { return view_; }
  const std::string& ReportText() const { return reportText_; }

 private:
  void UpdateButtons();

  FileDialogPort& files_;
  UserPort& user_;
  std::string date_;
  std::vector<std::string> sources_;
  std::string lastFolder_;
  ItemImportRequest request_;
  CancelToken token_;
  std::string reportText_;
  ItemImportView view_;
};

// What a file or folder is, as the source list shows it: "Official item
// database", "Folder: every file in it is read", "not an item source we can read".
std::string DescribeItemSource(const std::string& path);

}  // namespace qm
