#include <gtest/gtest.h>

#include "shell/options_dialog.h"
#include "shell/options_menu.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "support/view_counter.h"

namespace qm {
namespace {

using testing::FakeSettingsStore;
using testing::FakeUserPort;

constexpr const char* kProgram = "/opt/quillmark/quillmark";
constexpr const char* kProgramDir = "/opt/quillmark/";
constexpr std::size_t kValuesPerSave = 19;

OptionsMenuChecks Menu(bool quickbar, bool utility, bool startMax) {
  OptionsMenuChecks menu;
  menu[SettingToggle::Quickbar] = quickbar;
  menu[SettingToggle::UtilityDisplay] = utility;
  menu[SettingToggle::StartMaximized] = startMax;
  return menu;
}

int StoredInt(const FakeSettingsStore& store, const char* name) {
  const auto value = store.Get(name);
  return value ? std::get<int>(*value) : -1;
}

TEST(OptionsMenu, MainWindowShowAlwaysShowsTheQuickBarButKeepsTheUtilityDisplayOff) {
  FakeSettingsStore store;
  store.Preset("Quickbar", 0);
  store.Preset("Utility", 0);
  Settings settings(store, kProgram);
  settings.LoadSettings();
  settings.Record().Quickbar = 255;  // the loading step at every start

  const OptionsMenuChecks checks = ApplyDisplaySettingsOnShow(settings);

  EXPECT_TRUE(checks[SettingToggle::Quickbar]);
  EXPECT_FALSE(checks[SettingToggle::UtilityDisplay]);
  EXPECT_EQ(settings.Record().Quickbar, 1);
  EXPECT_EQ(settings.Record().Utility, 0);
  EXPECT_EQ(StoredInt(store, "Quickbar"), 1);
  EXPECT_EQ(StoredInt(store, "Utility"), 0);
  // Written once for the marks and once for each of the two toggles.
  EXPECT_EQ(store.writes.size(), 3 * kValuesPerSave);
}

TEST(OptionsMenu, MainWindowShowTakesTheOtherMarksFromTheFields) {
  FakeSettingsStore store;
  Settings settings(store, kProgram);
  SettingsRecord& r = settings.Record();
  r.Utility = 255;
  r.UtilSetting = 2;
  r.VerifiedOnly = true;
  r.StartMax = false;
  r.WSlot = false;
  r.Fifthslot = true;
  r.Server = 4;  // Origins can only come from the store, and is then ticked

  const OptionsMenuChecks checks = ApplyDisplaySettingsOnShow(settings);

  EXPECT_TRUE(checks[SettingToggle::UtilityDisplay]);
  EXPECT_EQ(settings.Record().Utility, 1);
  EXPECT_EQ(checks.utilityType, 2);
  EXPECT_TRUE(checks[SettingToggle::VerifiedOnly]);
  EXPECT_FALSE(checks[SettingToggle::StartMaximized]);
  EXPECT_FALSE(checks[SettingToggle::WeaponSlot]);
  EXPECT_TRUE(checks[SettingToggle::FifthSlot]);
  EXPECT_EQ(checks.serverType, 4);

  r.UtilSetting = 9;
  r.Server = 200;
  const OptionsMenuChecks none = ApplyDisplaySettingsOnShow(settings);
  EXPECT_EQ(none.utilityType, -1);
  EXPECT_EQ(none.serverType, -1);
}

TEST(OptionsMenu, EachToggleKeepsItsOwnFieldAndWritesTheSettings) {
  struct Case {
    SettingToggle toggle;
    const char* valueName;
  };
  const Case cases[] = {
      {SettingToggle::UtilityDisplay, "Utility"},    {SettingToggle::Quickbar, "Quickbar"},
      {SettingToggle::WeaponSlot, "WSlot"},          {SettingToggle::FifthSlot, "Fifthslot"},
      {SettingToggle::VerifiedOnly, "VerifiedOnly"}, {SettingToggle::StartMaximized, "StartMax"},
  };
  for (const Case& c : cases) {
    for (const bool checked : {true, false}) {
      FakeSettingsStore store;
      Settings settings(store, kProgram);
      ApplySettingToggle(settings, c.toggle, !checked);
      const auto before = store.values;
      store.writes.clear();

      ApplySettingToggle(settings, c.toggle, checked);

      EXPECT_EQ(StoredInt(store, c.valueName), checked ? 1 : 0) << c.valueName;
      EXPECT_EQ(store.writes.size(), kValuesPerSave) << c.valueName;
      for (const auto& [name, value] : before) {
        if (name == c.valueName) continue;
        EXPECT_EQ(store.values[name], value) << c.valueName << " " << name;
      }
    }
  }
}

TEST(OptionsMenu, DefaultServerItemsStoreTheirPositionButOriginsCannotBeChosen) {
  auto itemOf = [](std::string_view caption) {
    for (std::size_t i = 0; i < kServerTypeItems.size(); ++i) {
      if (caption == kServerTypeItems[i].caption) return static_cast<int>(i);
    }
    return -1;
  };
  struct Case {
    const char* caption;
    int stored;
  };
  for (const Case c :
       {Case{"&Normal", 0}, Case{"&Cooperative", 1}, Case{"Cla&ssic", 2}, Case{"&PvP", 3}}) {
    FakeSettingsStore store;
    Settings settings(store, kProgram);
    EXPECT_TRUE(ChooseDefaultServer(settings, itemOf(c.caption)));
    EXPECT_EQ(StoredInt(store, "Server"), c.stored) << c.caption;
  }

  FakeSettingsStore store;
  Settings settings(store, kProgram);
  settings.Record().Server = 3;
  EXPECT_FALSE(ChooseDefaultServer(settings, itemOf("&Origins")));
  EXPECT_FALSE(ChooseDefaultServer(settings, 5));
  EXPECT_EQ(settings.Record().Server, 3);
  EXPECT_TRUE(store.writes.empty());
}

TEST(OptionsMenu, UtilityTypeIsStoredAndCyclesThroughTheFourMeasures) {
  FakeSettingsStore store;
  Settings settings(store, kProgram);
  ChooseUtilityType(settings, 3);
  EXPECT_EQ(StoredInt(store, "UtilSetting"), 3);
  ChooseUtilityType(settings, 4);
  EXPECT_EQ(settings.Record().UtilSetting, 3);

  int mode = 0;
  std::vector<int> seen;
  for (int i = 0; i < 5; ++i) seen.push_back(mode = NextUtilityType(mode));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 0, 1}));
}

TEST(OptionsDialog, ShowsTheStoredFolderAndLevelFilter) {
  testing::TempFolder folder;
  const std::string temps = folder.Path().string() + "/";
  struct Case {
    int storedFilter;
    int index;
    const char* item;
  };
  for (const Case c : {Case{5, 0, "5"}, Case{50, 45, "50"}, Case{27, 22, "27"}, Case{4, 45, "50"},
                       Case{255, 45, "50"}}) {
    FakeSettingsStore store;
    store.Preset("Temps", temps);
    store.Preset("LVFilter", c.storedFilter);
    FakeUserPort user;
    Settings settings(store, kProgram);
    settings.LoadSettings();
    TfrmOptions dialog(settings, user);

    dialog.FormShow(Menu(true, false, false));

    const OptionsDialogView& view = dialog.View();
    EXPECT_TRUE(view.Visible);
    EXPECT_EQ(view.Directory.Text, temps);
    EXPECT_EQ(view.LevelFilter.Selection, c.index) << c.storedFilter;
    EXPECT_EQ(view.LevelFilter.Text(), c.item);
    EXPECT_TRUE(view.Cancel.Enabled);
    // The display switches follow the menu marks as the dialog opens.
    EXPECT_EQ(settings.Record().Quickbar, 1);
    EXPECT_EQ(settings.Record().Utility, 0);
    EXPECT_FALSE(settings.Record().StartMax);
    EXPECT_TRUE(store.writes.empty());
  }
}

TEST(OptionsDialog, BeforeAnySettingsItOffersTheDocumentsDirectory) {
  FakeSettingsStore store;
  FakeUserPort user;
  Settings settings(store, "/usr/bin/quillmark", UserFolders{"/home/player/Documents", false, ""});
  TfrmOptions dialog(settings, user);
  dialog.FormShow(Menu(true, true, true));
  EXPECT_EQ(dialog.View().Directory.Text, "/home/player/Documents/Quillmark/");
  EXPECT_EQ(settings.Record().Start, "/home/player/Documents/Quillmark/");
  EXPECT_FALSE(dialog.View().Cancel.Enabled);
}

TEST(OptionsDialog, OkTakesThePendingFolderAndFilterAndWritesThemAll) {
  FakeSettingsStore store;
  store.keyExists = true;
  FakeUserPort user;
  Settings settings(store, kProgram);
  TfrmOptions dialog(settings, user);
  dialog.FormShow(Menu(true, true, true));
  dialog.DirectoryChange("/home/player/templates/");
  dialog.SLFilterChange(0);
  dialog.SLFilterChange(46);  // no such item: the selection stays

  dialog.OKBtnClick(Menu(false, true, true));

  EXPECT_FALSE(dialog.View().Visible);
  EXPECT_EQ(settings.Record().Temps, "/home/player/templates/");
  EXPECT_EQ(settings.Record().LVFilter, 5);
  EXPECT_EQ(store.writes.size(), kValuesPerSave);
  EXPECT_EQ(StoredInt(store, "LVFilter"), 5);
  EXPECT_EQ(StoredInt(store, "Quickbar"), 0);
  EXPECT_EQ(StoredInt(store, "Utility"), 1);
  EXPECT_EQ(std::get<std::string>(*store.Get("Temps")), "/home/player/templates/");

  dialog.FormShow(Menu(true, true, true));
  dialog.SLFilterChange(45);
  dialog.OKBtnClick(Menu(true, true, true));
  EXPECT_EQ(StoredInt(store, "LVFilter"), 50);
  EXPECT_TRUE(user.messages.empty());
}

TEST(OptionsDialog, CancelLeavesTheStoreAsItWas) {
  FakeSettingsStore store;
  store.Preset("LVFilter", 30);
  FakeUserPort user;
  Settings settings(store, kProgram);
  settings.LoadSettings();
  TfrmOptions dialog(settings, user);
  dialog.FormShow(Menu(true, true, true));
  dialog.DirectoryChange("/elsewhere/");
  dialog.SLFilterChange(10);

  dialog.CancelBtnClick();

  EXPECT_FALSE(dialog.View().Visible);
  EXPECT_TRUE(store.writes.empty());
  EXPECT_EQ(settings.Record().LVFilter, 30);
  EXPECT_EQ(settings.Record().Temps, kProgramDir);
  EXPECT_TRUE(dialog.FormCloseQuery());
}

TEST(OptionsDialog, WithoutASettingsKeyOnlyOkCloses) {
  FakeSettingsStore store;
  FakeUserPort user;
  Settings settings(store, kProgram);
  settings.Record().Temps = "/somewhere/";
  settings.Record().LVFilter = 10;
  settings.Record().Quickbar = 0;
  settings.Record().StartMax = false;
  TfrmOptions dialog(settings, user);

  dialog.FormShow(Menu(false, false, false));

  EXPECT_EQ(settings.Record().Start, kProgramDir);
  EXPECT_EQ(settings.Record().Temps, kProgramDir);
  EXPECT_EQ(dialog.View().Directory.Text, kProgramDir);
  EXPECT_EQ(dialog.View().LevelFilter.Selection, 45);
  EXPECT_FALSE(dialog.View().Cancel.Enabled);
  EXPECT_EQ(settings.Record().Quickbar, 1);
  EXPECT_EQ(settings.Record().Utility, 1);
  EXPECT_TRUE(settings.Record().StartMax);

  dialog.CancelBtnClick();
  EXPECT_FALSE(dialog.FormCloseQuery());
  EXPECT_TRUE(dialog.View().Visible);

  dialog.OKBtnClick(Menu(true, true, true));
  EXPECT_FALSE(dialog.View().Visible);
  EXPECT_TRUE(store.keyExists);
  EXPECT_EQ(StoredInt(store, "LVFilter"), 50);
  EXPECT_EQ(std::get<std::string>(*store.Get("Temps")), kProgramDir);
  dialog.FormShow(Menu(true, true, true));
  EXPECT_TRUE(dialog.View().Cancel.Enabled);
  EXPECT_TRUE(dialog.FormCloseQuery());
}

TEST(OptionsDialog, AStoreThatCannotBeWrittenDoesNotTrapTheUser) {
  FakeSettingsStore store;
  store.canCreate = false;
  FakeUserPort user;
  Settings settings(store, kProgram);
  TfrmOptions dialog(settings, user);
  dialog.FormShow(Menu(true, true, true));
  EXPECT_FALSE(dialog.FormCloseQuery());

  dialog.SLFilterChange(20);
  dialog.OKBtnClick(Menu(true, true, true));

  EXPECT_FALSE(dialog.View().Visible);
  EXPECT_EQ(settings.Record().LVFilter, 25);  // in effect for this run
  EXPECT_EQ(user.messages,
            std::vector<std::string>{"Settings could not be saved, they apply until Quillmark "
                                     "Classic ends."});
  EXPECT_TRUE(store.values.empty());
}

TEST(OptionsDialog, EachCommandThatChangesTheDialogAnnouncesOnce) {
  using testing::AnnouncementsOf;
  FakeSettingsStore store;
  FakeUserPort user;
  Settings settings(store, kProgram);
  settings.DefaultSettings();  // no key yet: Cancel is disabled
  TfrmOptions options(settings, user);
  const OptionsMenuChecks menu = Menu(true, true, true);
  EXPECT_EQ(AnnouncementsOf(options, [&] { options.FormShow(menu); }), 1);
  EXPECT_EQ(AnnouncementsOf(options, [&] { options.CancelBtnClick(); }), 0);
  EXPECT_EQ(AnnouncementsOf(options, [&] { options.SLFilterChange(99); }), 0);
  EXPECT_EQ(AnnouncementsOf(options, [&] { options.SLFilterChange(5); }), 1);
  EXPECT_EQ(AnnouncementsOf(options, [&] { options.DirectoryChange("/home/me/"); }), 1);
  EXPECT_EQ(AnnouncementsOf(options, [&] { options.OKBtnClick(menu); }), 1);
  EXPECT_FALSE(options.View().Visible);
}

}  // namespace
}  // namespace qm
