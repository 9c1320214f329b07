// The main window's menus and quick bar: every item forwards to one model
// command; their captions, marks and enabled states come from the view.
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "shell/web_sites.h"
#include "ui/main_window.h"
#include "ui/text_codec.h"

namespace qm::ui {
namespace {

QAction* AddItem(QMenu* menu, const char* objectName, const char* caption, const char* shortcut) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(objectName));
  if (shortcut && *shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  return action;
}

}  // namespace

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  new_ = AddItem(file, "New1", "&New Template", "Ctrl+N");
  load_ = AddItem(file, "Load1", "&Load Template", "Ctrl+L");
  save_ = AddItem(file, "Save1", "&Save Template", "Ctrl+S");
  saveAs_ = AddItem(file, "SaveAs1", "Save Template &as", "");
  file->addSeparator();
  importTemplate_ = AddItem(file, "ImportTemplate1", "&Import Template...", "");
  exportTemplate_ = AddItem(file, "ExportTemplate1", "Ex&port Template...", "");
  connect(importTemplate_, &QAction::triggered, this,
          [this] { Run([&] { model_.ImportTemplate(); }); });
  connect(exportTemplate_, &QAction::triggered, this,
          [this] { Run([&] { model_.ExportTemplate(); }); });
  file->addSeparator();
  compareTemplate_ = AddItem(file, "CompareTemplate1", "", "");
  compareSaved_ = AddItem(file, "CompareSaved1", "", "");
  MarkWindowCommand(compareTemplate_, "compare", "Compare the template with another template file");
  MarkWindowCommand(compareSaved_, "compare", "Compare the template with its file as last saved");
  connect(compareTemplate_, &QAction::triggered, this,
          [this] { Run([&] { model_.CompareWithTemplate(); }); });
  connect(compareSaved_, &QAction::triggered, this,
          [this] { Run([&] { model_.CompareWithSavedFile(); }); });
  recentMenu_ = file->addMenu(QStringLiteral("&Recent Templates"));
  recentMenu_->setObjectName(QStringLiteral("RecentTemplates1"));
  for (int i = 0; i < kRecentFileCount; ++i) {
    const std::string name = "Recent" + std::to_string(i + 1);
    const std::string keys = "Ctrl+" + std::to_string(i + 1);
    QAction* action = AddItem(recentMenu_, name.c_str(), "", keys.c_str());
    recent_[static_cast<std::size_t>(i)] = action;
    connect(action, &QAction::triggered, this,
            [this, i] { Run([&] { model_.ChooseRecent(i + 1); }); });
  }
  file->addSeparator();
  exit_ = AddItem(file, "Exit1", "E&xit Quillmark", "Ctrl+X");
  connect(new_, &QAction::triggered, this, [this] { Run([&] { model_.NewTemplate(); }); });
  connect(load_, &QAction::triggered, this, [this] { Run([&] { model_.LoadTemplate(); }); });
  connect(save_, &QAction::triggered, this, [this] { Run([&] { model_.SaveTemplate(); }); });
  connect(saveAs_, &QAction::triggered, this, [this] { Run([&] { model_.SaveTemplateAs(); }); });
  connect(exit_, &QAction::triggered, this, &QWidget::close);

  // Ctrl+Z belongs to "Start &Maximized" and, in the name box, to the box's
  // own undo; the template's undo takes Alt+Backspace everywhere.
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName(QStringLiteral("Edit1"));
  undo_ = AddItem(edit, "Undo1", "&Undo", "Alt+Backspace");
  redo_ = AddItem(edit, "Redo1", "&Redo", "Shift+Alt+Backspace");
  connect(undo_, &QAction::triggered, this, [this] { Run([&] { model_.Undo(); }); });
  connect(redo_, &QAction::triggered, this, [this] { Run([&] { model_.Redo(); }); });

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  options->setObjectName(QStringLiteral("Options1"));
  options_ = AddItem(options, "MainOptions1", kMainOptionsItem.caption, kMainOptionsItem.shortcut);
  connect(options_, &QAction::triggered, this, [this] { Run([&] { model_.OpenOptions(); }); });
  MarkWindowCommand(options_, "options", "");
  options->addSeparator();
  for (std::size_t t = 0; t < kSettingToggleItems.size(); ++t) {
    const MenuItemText& item = kSettingToggleItems[t];
    const std::string name = "Toggle" + std::to_string(t + 1);
    QAction* action = AddItem(options, name.c_str(), item.caption, item.shortcut);
    action->setCheckable(true);
    toggles_[t] = action;
    const auto toggle = static_cast<SettingToggle>(t);
    connect(action, &QAction::triggered, this,
            [this, toggle](bool checked) { Run([&] { model_.ToggleOption(toggle, checked); }); });
    if (toggle == SettingToggle::UtilityDisplay) {
      QMenu* types = options->addMenu(QString::fromLatin1(kUtilityTypeMenu));
      types->setObjectName(QStringLiteral("UtilityType1"));
      auto* group = new QActionGroup(types);
      for (std::size_t m = 0; m < kUtilityTypeItems.size(); ++m) {
        const std::string typeName = "UtilityType" + std::to_string(m + 1);
        QAction* type = AddItem(types, typeName.c_str(), kUtilityTypeItems[m].caption, "");
        type->setCheckable(true);
        group->addAction(type);
        utilityTypes_[m] = type;
        const int mode = static_cast<int>(m);
        connect(type, &QAction::triggered, this,
                [this, mode] { Run([&] { model_.ChooseUtilityMode(mode); }); });
      }
    }
  }
  options->addSeparator();
  QMenu* servers = options->addMenu(QString::fromLatin1(kDefaultServerMenu));
  servers->setObjectName(QStringLiteral("DefaultServer1"));
  auto* serverGroup = new QActionGroup(servers);
  for (std::size_t s = 0; s < kServerTypeItems.size(); ++s) {
    const std::string name = "ServerType" + std::to_string(s + 1);
    QAction* action = AddItem(servers, name.c_str(), kServerTypeItems[s].caption, "");
    action->setCheckable(true);
    action->setEnabled(kServerTypeItems[s].enabled);
    serverGroup->addAction(action);
    servers_[s] = action;
    const int type = static_cast<int>(s);
    connect(action, &QAction::triggered, this,
            [this, type] { Run([&] { model_.SetDefaultServerType(type); }); });
  }
  options->addSeparator();
  register_ =
      AddItem(options, "RegisterFiles1", kRegisterFilesItem.caption, kRegisterFilesItem.shortcut);
  register_->setStatusTip(QString::fromLatin1(kRegisterFilesHint));
  register_->setToolTip(register_->statusTip());
  connect(register_, &QAction::triggered, this, [this] { Run([&] { model_.RegisterFiles(); }); });

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName(QStringLiteral("Tools1"));
  report_ = AddItem(tools, "Report1", "Create Template &Report", "Ctrl+R");
  vault_ = AddItem(tools, "VaultBrowser1", "&Vault Browser", "Ctrl+W");
  salvage_ = AddItem(tools, "Salvage1", "Sal&vage Calculator", "Ctrl+M");
  MarkWindowCommand(report_, "report", "Create Report");
  MarkWindowCommand(vault_, "browser", "Open/Close the Vault Browser");
  MarkWindowCommand(salvage_, "salvage", "Open/Close the Salvage Calculator");
  connect(report_, &QAction::triggered, this, [this] { Run([&] { model_.OpenReport(); }); });
  connect(vault_, &QAction::triggered, this, [this] { Run([&] { model_.OpenVaultBrowser(); }); });
  connect(salvage_, &QAction::triggered, this,
          [this] { Run([&] { model_.OpenSalvageCalculator(); }); });
  tools->addSeparator();
  AddWindowItem(tools, "ImportItems1", "&Import Item Database...", "import",
                [this] { model_.OpenItemImport(); });
  AddWindowItem(tools, "QuickbarExport1", "Export Gems to &Quickbar...", "quickbar",
                [this] { model_.OpenQuickbarExport(); });
  AddWindowItem(tools, "OptimizeTemplate1", "&Optimize Template...", "optimize",
                [this] { model_.OpenOptimizeTemplate(); });
  QAction* buildVault = AddItem(tools, "BuildVault1", "&Build Vault from XML Folder...", "");
  MarkWindowCommand(buildVault, "vaultbuild", "Build a vault file from a folder of XML item files");
  connect(buildVault, &QAction::triggered, this, [this] { Run([&] { model_.OpenVaultBuild(); }); });
  // Which vault the next start loads: the player's own or the bundled sample.
  useBundledVault_ = AddItem(tools, "UseBundledVault1", kUseBundledVaultItem.caption, "");
  useBundledVault_->setCheckable(true);
  connect(useBundledVault_, &QAction::triggered, this,
          [this] { Run([&] { model_.ToggleBundledVault(); }); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  webSite_ = AddItem(help, "WebSite1", kWebSiteMenuItem, kWebSiteShortcut);
  webSite_->setToolTip(QStringLiteral("Click here to visit the Quillmark web site"));
  herald_ = AddItem(help, "Herald1", kHeraldMenuItem, kHeraldShortcut);
  connect(webSite_, &QAction::triggered, this, [this] { Run([&] { model_.OpenWebSite(); }); });
  connect(herald_, &QAction::triggered, this, [this] { Run([&] { model_.OpenHerald(); }); });
  help->addSeparator();
  AddWindowItem(help, "About1", "&About Quillmark Classic", "about",
                [this] { model_.OpenAbout(); });

  for (QMenu* menu : {file, edit, options, tools, help}) menu->setToolTipsVisible(true);
}

QAction* MainWindow::AddWindowItem(QMenu* menu, const char* objectName, const char* caption,
                                   std::string_view window, std::function<void()> command) {
  QAction* action = AddItem(menu, objectName, caption, "");
  MarkWindowCommand(action, window, "");
  connect(action, &QAction::triggered, this, [this, command] { Run(command); });
  return action;
}

void MainWindow::MarkWindowCommand(QAction* action, std::string_view window, const char* hint) {
  QString tip = QString::fromLatin1(hint);
  if (!windows_.Has(window)) {
    const QString missing = ToQt(WindowRegistry::MissingTip(window));
    tip = tip.isEmpty() ? missing : tip + QStringLiteral(" - ") + missing;
    action->setStatusTip(missing);
    action->setEnabled(false);
  }
  action->setToolTip(tip.isEmpty() ? action->text().remove(QLatin1Char('&')) : tip);
}

void MainWindow::BuildQuickbar() {
  quickbar_ = addToolBar(QStringLiteral("Quickbar"));
  quickbar_->setObjectName(QStringLiteral("Quickbar"));
  quickbar_->setMovable(false);
  quickbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  struct Button {
    QAction* action;
    QStyle::StandardPixmap icon;
    const char* hint;
  };
  const Button buttons[] = {
      {new_, QStyle::SP_FileIcon, "New Character Template"},
      {load_, QStyle::SP_DialogOpenButton, "Load Character Template"},
      {save_, QStyle::SP_DialogSaveButton, "Save Current Template"},
      {saveAs_, QStyle::SP_DriveFDIcon, "Save As..."},
      {report_, QStyle::SP_FileDialogDetailedView, nullptr},
      {vault_, QStyle::SP_DirIcon, nullptr},
      {salvage_, QStyle::SP_DialogApplyButton, nullptr},
      {webSite_, QStyle::SP_DialogHelpButton, nullptr},
  };
  for (const Button& button : buttons) {
    button.action->setIcon(style()->standardIcon(button.icon));
    if (button.hint) button.action->setToolTip(QString::fromLatin1(button.hint));
    quickbar_->addAction(button.action);
    if (button.action == saveAs_ || button.action == salvage_) quickbar_->addSeparator();
  }
  // Undo and redo show their icons only: their captions name the step and
  // would make the bar jump with every change. The tip names the step.
  const auto iconButton = [this](QAction* action, QStyle::StandardPixmap icon, const char* name) {
    action->setIcon(style()->standardIcon(icon));
    auto* button = new QToolButton(quickbar_);
    button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAccessibleName(QString::fromLatin1(name));
    quickbar_->insertWidget(report_, button);
    return button;
  };
  undoButton_ = iconButton(undo_, QStyle::SP_ArrowBack, "Undo");
  redoButton_ = iconButton(redo_, QStyle::SP_ArrowForward, "Redo");
  quickbar_->insertSeparator(report_);
  // The button that opens the buttons a narrow window cannot show.
  if (auto* more = quickbar_->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    more->setAccessibleName(QStringLiteral("More quick bar buttons"));
}

void MainWindow::ApplyMenus(const MainWindowView& view) {
  ApplyMenuItem(save_, view.Save);
  ApplyMenuItem(saveAs_, view.SaveAs);
  ApplyMenuItem(exportTemplate_, view.ExportTemplate);
  ApplyMenuItem(undo_, view.Undo);
  ApplyMenuItem(redo_, view.Redo);
  // The quick-bar buttons say which step they take back or again.
  for (QToolButton* button : {undoButton_, redoButton_}) {
    const QString step = button->defaultAction()->text().remove(QLatin1Char('&'));
    if (button->accessibleDescription() != step) button->setAccessibleDescription(step);
  }
  MenuItemState report = view.Report;
  report.Enabled = report.Enabled && windows_.Has("report");
  ApplyMenuItem(report_, report);
  for (auto [action, state] : {std::pair{compareTemplate_, view.CompareTemplate},
                               std::pair{compareSaved_, view.CompareSaved}}) {
    state.Enabled = state.Enabled && windows_.Has("compare");
    ApplyMenuItem(action, state);
  }
  for (std::size_t i = 0; i < recent_.size(); ++i) ApplyMenuItem(recent_[i], view.Recent[i]);
  recentMenu_->menuAction()->setVisible(view.RecentMenuVisible);
  ApplyMenuItem(useBundledVault_, view.UseBundledVault.Item);
  if (const QString tip = ToQt(view.UseBundledVault.Tip); useBundledVault_->statusTip() != tip) {
    useBundledVault_->setStatusTip(tip);
    useBundledVault_->setToolTip(tip);
  }
  for (std::size_t t = 0; t < toggles_.size(); ++t)
    toggles_[t]->setChecked(view.OptionChecks.toggles[t]);
  for (std::size_t m = 0; m < utilityTypes_.size(); ++m)
    utilityTypes_[m]->setChecked(view.OptionChecks.utilityType == static_cast<int>(m));
  for (std::size_t s = 0; s < servers_.size(); ++s)
    servers_[s]->setChecked(view.OptionChecks.serverType == static_cast<int>(s));
  if (quickbar_->isVisibleTo(this) != view.QuickbarVisible ||
      quickbar_->isHidden() == view.QuickbarVisible)
    quickbar_->setVisible(view.QuickbarVisible);
}

}  // namespace qm::ui
