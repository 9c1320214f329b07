#include "ui/sub_window_host.h"

#include "mainwin/main_window.h"
#include "ui/desktop.h"
#include "ui/sub_window_table.h"
#include "ui/window_registry.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"

namespace qm::ui {

SubWindowHost::SubWindowHost(UserPort& u, FileDialogPort& f, ShellPort& s, bool run)
    : user(u),
      files(f),
      shell(s),
      run_(run),
      workbench_(TheVault(), SharedVaultFilter(), user, files, shell) {}

SubWindowHost::~SubWindowHost() = default;

void SubWindowHost::Register(WindowRegistry& windows, Settings& settings, TfrmGearMain& model) {
  settings_ = &settings;
  model_ = &model;
  workbench_.Register(windows);
  workbench_.SetQuickbarCommand([&model] { model.OpenQuickbarExport(); });
  for (const SubWindowEntry& entry : SubWindowTable()) {
    if (!entry.open) continue;
    windows.Set(entry.name, [this, open = entry.open](const SubWindowRequest& request) {
      open(*this, request);
    });
  }
}

void SubWindowHost::SetParent(QWidget* mainWindow) {
  parent_ = mainWindow;
  workbench_.SetParent(mainWindow);
}

namespace {

// "compare:FILE" is the window "compare" with the argument "FILE".
std::pair<std::string_view, std::string_view> SplitWindowName(std::string_view name) {
  const std::size_t colon = name.find(':');
  if (colon == std::string_view::npos) return {name, {}};
  return {name.substr(0, colon), name.substr(colon + 1)};
}

}  // namespace

bool SubWindowHost::Knows(std::string_view name) {
  const auto [window, argument] = SplitWindowName(name);
  const SubWindowEntry* entry = FindSubWindow(window);
  if (!entry) return false;
  return entry->accepts ? entry->accepts(argument) : window.size() == name.size();
}

int SubWindowHost::RenderScreenshot(std::string_view name, const std::string& path, QSize size) {
  const auto [window, argument] = SplitWindowName(name);
  const SubWindowEntry* entry = FindSubWindow(window);
  if (!entry || !model_) return 1;
  shown_ = nullptr;
  return entry->picture(*this, WindowPicture{path, size, argument});
}

int SubWindowHost::RenderShown(const WindowPicture& picture) const {
  return shown_ && RenderWidgetToPng(*shown_, picture.size, picture.path) ? 0 : 1;
}

}  // namespace qm::ui
