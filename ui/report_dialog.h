#pragma once
// The template report TSCReport as a window: the report text in a read-only
// text view, the File, Edit and Options menus of the report, printing and an
// HTML preview in the user's browser. The dialog exists once for the run, so
// the display options and the chosen font stay from one opening to the next.
#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ports/ports.h"
#include "ports/sub_windows.h"
#include "report/report_window.h"

class QAction;
class QPlainTextEdit;
class QPrinter;

namespace qm::ui {

class ReportDialog : public QDialog {
  Q_OBJECT
 public:
  // startFolder: where the save dialogs start (the program's own folder).
  ReportDialog(FileDialogPort& files, UserPort& user, ShellPort& shell, std::string startFolder,
               QWidget* parent = nullptr);
  ~ReportDialog() override;

  // Takes the main window's template and readings, rebuilds, and shows the
  // report modally.
  void Run(const ReportRequest& request);
  // The same without running it (pictures and tests).
  void Prepare(const ReportRequest& request);

  TSCReport& Model() { return model_; }
  // What "Export Gems to Quickbar..." runs: the main window opens the export.
  void SetQuickbarCommand(std::function<void()> command) { quickbarCommand_ = std::move(command); }
  QPlainTextEdit* Text() const { return rpt_; }

  // The font dialog; a test puts its answer here instead.
  std::function<std::optional<QFont>(const QFont& current, QWidget* parent)> chooseFont;
  // The print dialog: true when the printer is set up to print on; a test
  // points the printer at a file instead.
  std::function<bool(QPrinter& printer, QWidget* parent)> setUpPrinter;
  // Where "Open in Browser" writes the page; the user's cache folder when empty.
  QString previewFolder;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> quickbarCommand_;
  void BuildMenus();
  QAction* AddAction(QMenu* menu, const char* objectName, const char* caption, QChar key);
  // Runs one command of the Options menu; the focus returns to the text.
  template <typename Command>
  void Option(Command command) {
    command();
    FocusText();
  }
  void FocusText();
  void ChooseFont();
  void Print();
  void OpenInBrowser();
  void TextEdited();
  void Refresh();

  TSCReport model_;
  FileDialogPort& files_;
  UserPort& user_;
  ShellPort& shell_;
  QPlainTextEdit* rpt_ = nullptr;
  std::vector<std::string> shownLines_;
  bool shownOnce_ = false;
  // The Options menu's checkable items, one per entry of its table, in order.
  std::vector<QAction*> checks_;
};

}  // namespace qm::ui
