#pragma once
// The real main window with the real item workbench registered over a small
// vault, so a test takes the road a player takes: a slot button, the
// workbench's widgets, and the main window's figures behind it.
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "ui/item_workbench_dialog.h"
#include "ui/support/gui_fixture.h"
#include "ui/workbench_host.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

namespace qm::testing {

struct WorkbenchGui : GuiFixture {
  Vault vault;
  TVaultFilter criteria;
  std::unique_ptr<ui::WorkbenchHost> host;

  WorkbenchGui();

  ui::ItemWorkbenchDialog& Dialog() { return host->Dialog(); }
  template <typename T = QWidget>
  T* InDialog(const std::string& objectName) {
    return Dialog().findChild<T*>(QString::fromStdString(objectName));
  }
  // Clicks the slot's button and runs whileOpen inside the open workbench;
  // a workbench still open afterwards is cancelled, and the test fails.
  void WithSlot(int slot, const std::function<void()>& whileOpen);
  // Chooses entry position of a combo box in the workbench as a user does.
  void Choose(const std::string& combo, int position);
  void ChooseText(const std::string& combo, const QString& text);
  void Click(const std::string& button);
  // Clicks the tab of page (0 load, 1 editor, 2 spellcraft); it must stay shown.
  void OpenTab(int page);
  // The open workbench and the main window show their models' views.
  void VerifyViews();
  // Selects the list row whose text is name; false when it is not listed.
  bool SelectListed(const QString& name);
  QString Shown(const std::string& label);
};

}  // namespace qm::testing
