// The main window with the real item workbench over a small vault: the vault
// browser's equip path (auto-return), a search that finds nothing, and cancel.
#include <gtest/gtest.h>

#include <algorithm>

#include "mainwin/browser_host.h"
#include "mainwin/main_window.h"
#include "support/fake_ports.h"
#include "support/view_counter.h"
#include "tools/samples.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"
#include "vault/vault_writer.h"

namespace qm {
namespace {

class HeadlessWorkbench : public ItemWorkbenchPort {
 public:
  explicit HeadlessWorkbench(TfrmItems& window) : window_(window) {}
  WorkbenchOutcome RunWorkbench(const WorkbenchRequest& request,
                                const SlotPreview& preview) override {
    return RunWorkbenchHeadless(window_, request, preview);
  }

 private:
  TfrmItems& window_;
};

class NoWindows : public SubWindowPort {
 public:
  void Open(std::string_view, const SubWindowRequest&) override {}
};

Vault SmallVault() {
  TItemRecord header = EmptyItem();
  header.Name.Assign("Test Vault");
  header.EffectKind[0] = 1;  // the version travels as the value of an effect line
  header.EffectValue[0] = 7;
  TItemRecord hauberk = samples::MakeClassItem("Hauberk of the Fen", {0}, {{1, 12}, {2, 9}});
  hauberk.SlotKind = 7;
  hauberk.Armor = 5;
  hauberk.Realm = 0;
  TItemRecord robe = samples::MakeClassItem("Robe of the Fen", {1}, {{6, 12}});
  robe.SlotKind = 7;
  const std::vector<TItemRecord> entries{header, hauberk, robe};
  auto text = WriteVaultText(entries);
  EXPECT_TRUE(text.Ok());
  Vault vault;
  EXPECT_TRUE(vault.LoadText(text.Value()).Ok());
  return vault;
}

TEST(WorkbenchIntegration, EquipByNameReturnsTheVaultEntryAtOnce) {
  testing::FakeSettingsStore store;
  testing::FakeUserPort user;
  testing::FakeFileDialogs files;
  testing::FakeShell shell;
  const Vault vault = SmallVault();
  TVaultFilter criteria;
  TfrmItems items(vault, criteria, user, files, shell);
  HeadlessWorkbench workbench(items);
  NoWindows windows;
  Settings settings(store, "/opt/quillmark/quillmark");
  settings.DefaultSettings();
  TfrmGearMain window(settings, user, files, shell, workbench, windows);
  window.StartUp(std::nullopt);

  window.OpenSlot(kChest, {"Hauberk of the Fen", true});
  EXPECT_EQ(window.Template().Slot(kChest).Name.View(), "Hauberk of the Fen");
  EXPECT_EQ(window.View().Figures.MainStats[0].Value.Text, "12");
  EXPECT_TRUE(window.ItemsPlaced());

  // The Armsman's search does not offer the Cabalist's robe: the slot keeps its item.
  window.OpenSlot(kChest, {"Robe of the Fen", true});
  EXPECT_EQ(window.Template().Slot(kChest).Name.View(), "Hauberk of the Fen");

  EXPECT_EQ(vault.Version(), 7);  // the mark saved templates carry
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST(WorkbenchIntegration, TheVaultBrowserEquipsThroughTheSlotCommand) {
  testing::FakeSettingsStore store;
  testing::FakeUserPort user;
  testing::FakeFileDialogs files;
  testing::FakeShell shell;
  Vault vault = SmallVault();
  TVaultFilter criteria;
  TfrmItems items(vault, criteria, user, files, shell);
  HeadlessWorkbench workbench(items);
  NoWindows windows;
  Settings settings(store, "/opt/quillmark/quillmark");
  settings.DefaultSettings();
  TfrmGearMain window(settings, user, files, shell, workbench, windows);
  window.StartUp(std::nullopt);

  MainWindowBrowserHost host(window, settings);
  Tbrowser browser(vault, criteria, host, user, shell);
  browser.Show();
  browser.SetNameFilter("Hauberk");
  browser.BrowserSearch();
  ASSERT_FALSE(browser.View().Indices.empty());
  browser.DoubleClickLine(0);
  EXPECT_EQ(window.Template().Slot(kChest).Name.View(), "Hauberk of the Fen");
  EXPECT_EQ(window.View().Slots[kChest - 1].Name.Text, "Hauberk of the Fen");
  EXPECT_EQ(window.View().Figures.MainStats[1].Value.Text, "9");
  EXPECT_FALSE(window.Unchanged());
  EXPECT_TRUE(window.Idle());
}

// The browser equips through the slot command: the main window announces the
// new item once, previews and placement together; the browser stays as it was.
TEST(WorkbenchIntegration, TheVaultBrowsersEquipAnnouncesOnceOnTheMainWindow) {
  testing::FakeSettingsStore store;
  testing::FakeUserPort user;
  testing::FakeFileDialogs files;
  testing::FakeShell shell;
  Vault vault = SmallVault();
  TVaultFilter criteria;
  TfrmItems items(vault, criteria, user, files, shell);
  HeadlessWorkbench workbench(items);
  NoWindows windows;
  Settings settings(store, "/opt/quillmark/quillmark");
  settings.DefaultSettings();
  TfrmGearMain window(settings, user, files, shell, workbench, windows);
  window.StartUp(std::nullopt);
  MainWindowBrowserHost host(window, settings);
  Tbrowser browser(vault, criteria, host, user, shell);
  browser.Show();
  const auto& names = browser.View().Items.Entries;
  const auto hauberk = std::find(names.begin(), names.end(), "Hauberk of the Fen");
  ASSERT_NE(hauberk, names.end());
  browser.SelectLine(static_cast<int>(hauberk - names.begin()));

  const testing::ViewCounter mainWindow(window);
  EXPECT_EQ(testing::AnnouncementsOf(browser, [&] { browser.EquipSelected(); }), 0);
  EXPECT_EQ(mainWindow.calls, 1);
  EXPECT_EQ(mainWindow.RevisionGrowth(), 1u);
  EXPECT_EQ(window.View().Slots[kChest - 1].Name.Text, "Hauberk of the Fen");
}

}  // namespace
}  // namespace qm
