#pragma once
// The vault browser Tbrowser as a window: the filters, "&Search Vault", the
// result list, the description, equipping into the current template and the
// two web searches. It forwards every action to the model and shows the
// model's view; the result list is a list model, so a search over the whole
// vault stays quick.
#include <QDialog>
#include <array>
#include <functional>

#include "ui/view_binding.h"
#include "vault/vault_browser.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace qm::ui {

class AmountBox;
class ItemListModel;

class VaultBrowserDialog : public QDialog {
  Q_OBJECT
 public:
  VaultBrowserDialog(Vault& vault, TVaultFilter& criteria, BrowserHost& host, UserPort& user,
                     ShellPort& shell, QWidget* parent = nullptr);
  ~VaultBrowserDialog() override;

  // Clears the filters, searches, and shows the browser modally.
  void Run();
  // The same without running it (pictures and tests).
  void Prepare();

  // What "Import Item Database..." runs: the main window's command, after the
  // browser has closed (it is modal, and the import window is not). Without
  // one the button is hidden.
  void SetImportCommand(std::function<void()> command);

  Tbrowser& Model() { return model_; }
  QListView* List() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildFilters();
  QWidget* BuildListing();
  QComboBox* AddChoice(QGridLayout* grid, int row, int column, const char* objectName,
                       const char* caption, const char* hint, ComboBinding& binding);
  void FollowMouse(QWidget* widget);
  void Refresh();

  Tbrowser model_;
  LabelBinding origin_;
  QLineEdit* name_ = nullptr;
  ComboBinding slot_, type_, realm_, expansion_, server_, class_, proc_;
  std::array<ComboBinding, 3> stats_;
  std::array<AmountBox*, 3> amounts_{};
  QCheckBox* verified_ = nullptr;
  QPushButton *search_ = nullptr, *clear_ = nullptr, *match_ = nullptr;
  QGroupBox* listing_ = nullptr;
  QListView* list_ = nullptr;
  ItemListModel* results_ = nullptr;
  QPlainTextEdit* description_ = nullptr;
  QPushButton *equip_ = nullptr, *itemDatabase_ = nullptr, *webSearch_ = nullptr;
  QPushButton* import_ = nullptr;
  std::function<void()> importCommand_;
  std::vector<std::string> shownDescription_;
};

}  // namespace qm::ui
