#pragma once
// The real main window over its model, with scripted fakes for every dialog,
// so a test drives it as a player would and checks what the widgets show.
#include <QAction>
#include <QLabel>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mainwin/main_window.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "ui/main_window.h"
#include "ui/support/window_views.h"
#include "ui/window_registry.h"

namespace qm::testing {

struct GuiFixture {
  TempFolder folder;
  FakeSettingsStore store;
  FakeUserPort user;
  FakeFileDialogs files;
  FakeShell shell;
  ui::WindowRegistry windows;
  // The player's data folder, where their own vault goes; it starts without one.
  Settings settings{store, (folder.Path() / "quillmark").string(),
                    UserFolders{"", true, (folder.Path() / "data").string()}};
  TfrmGearMain model{settings, user, files, shell, windows, windows};
  std::unique_ptr<ui::MainWindow> window;
  std::vector<std::string> samples;  // paths of the sample templates

  GuiFixture();

  template <typename T = QWidget>
  T* Find(const std::string& objectName) const {
    return window->findChild<T*>(QString::fromStdString(objectName));
  }
  QAction* Action(const std::string& objectName) const { return Find<QAction>(objectName); }
  // Chooses "&Load Template" and picks path in the (fake) dialog.
  void LoadThroughMenu(const std::string& path);
  // The sample template whose file name is name.
  std::string Sample(const std::string& name) const;
  // Moves the mouse onto a widget, as far as the widget can tell.
  static void Hover(QWidget* widget);
};

// The bytes of a template record, and of the template a file holds (empty
// when it cannot be read).
std::vector<std::uint8_t> RecordBytes(const TTemplateRecord& tpl);
std::vector<std::uint8_t> FileRecordBytes(const std::string& path);

// Every control of the main window checked against the model's view.
std::vector<std::string> ViewMismatches(const GuiFixture& gui);
// Types text into widget key by key, letters outside ASCII included.
void TypeText(QWidget* widget, const QString& text);

}  // namespace qm::testing
