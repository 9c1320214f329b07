#pragma once
// The quickbar export TfrmQuickbarExport as a window: the character's
// settings file with its Browse button, the server kind and a table of the
// player's own, the bar, page and first slot, the realm switch, the preview of
// the keys it writes, the status line, and Export, Restore Quickbar, Copy
// Shopping List and Close.
#include <QDialog>
#include <memory>

#include "mainwin/quickbar_export_window.h"
#include "ports/sub_windows.h"
#include "ui/table_binding.h"
#include "ui/view_binding.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qm::ui {

// The desktop's clipboard.
class QtClipboardPort : public ClipboardPort {
 public:
  void CopyText(std::string_view text) override;
};

class QuickbarExportDialog : public QDialog {
  Q_OBJECT
 public:
  QuickbarExportDialog(UserPort& user, FileDialogPort& files, QuickbarExportSetup setup,
                       QWidget* parent = nullptr);
  ~QuickbarExportDialog() override;

  // Takes the template and shows the window modally.
  void Run(const QuickbarRequest& request);
  // The same without running it (pictures and tests).
  void Prepare(const QuickbarRequest& request);

  TfrmQuickbarExport& Model() { return model_; }

 private:
  void Refresh();

  QtClipboardPort clipboard_;
  TfrmQuickbarExport model_;
  QLineEdit* iniFile_ = nullptr;
  QPushButton *browse_ = nullptr, *loadRecipes_ = nullptr, *export_ = nullptr, *restore_ = nullptr,
              *copyShopping_ = nullptr;
  ComboBinding serverKind_;
  LabelBinding recipes_, status_;
  QSpinBox *bar_ = nullptr, *page_ = nullptr, *slot_ = nullptr;
  QCheckBox* realmSwitch_ = nullptr;
  TableBinding preview_;
};

}  // namespace qm::ui
