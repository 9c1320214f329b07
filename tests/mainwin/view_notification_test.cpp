// The main window's change announcements: once per command, none for a
// command that changes nothing, and the changes other windows make.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/template_file.h"
#include "main_window_fixture.h"
#include "shell/options_dialog.h"
#include "support/view_counter.h"
#include "tools/samples.h"

namespace qm::testing {
namespace {

struct NamedCommand {
  const char* name;
  std::function<void(MainWindowFixture&)> run;
};

TEST(MainWindowNotification, EveryCommandAnnouncesOnce) {
  const std::vector<NamedCommand> commands = {
      {"NewTemplate", [](MainWindowFixture& f) { f.window.NewTemplate(); }},
      {"ChangeName", [](MainWindowFixture& f) { f.window.ChangeName("Aldric", 6); }},
      {"ChangeLevel", [](MainWindowFixture& f) { f.window.ChangeLevel("40"); }},
      {"ChangeClass", [](MainWindowFixture& f) { f.window.ChangeClass(7); }},
      {"RaceMouseEnter", [](MainWindowFixture& f) { f.window.RaceMouseEnter(); }},
      {"SetChampion", [](MainWindowFixture& f) { f.window.SetChampion(false); }},
      {"ToggleUtilityDisplay", [](MainWindowFixture& f) { f.window.ToggleUtilityDisplay(); }},
      {"SetDefaultServerType", [](MainWindowFixture& f) { f.window.SetDefaultServerType(3); }},
      {"ItemMouseEnter", [](MainWindowFixture& f) { f.window.ItemMouseEnter(kChest); }},
      {"StatEnter", [](MainWindowFixture& f) { f.window.StatEnter(1); }},
      {"OpenSlot",
       [](MainWindowFixture& f) {
         f.workbench.results.push_back(samples::MakeItem("Belt of Might", {{1, 12}}));
         f.window.OpenSlot(kBelt);
       }},
      {"ClearAllSlots",
       [](MainWindowFixture& f) {
         f.user.answers.push_back(Answer::Ok);
         f.window.ClearAllSlots();
       }},
  };
  for (const NamedCommand& command : commands) {
    MainWindowFixture f;
    f.Start();
    EXPECT_EQ(AnnouncementsOf(f.window, [&] { command.run(f); }), 1) << command.name;
  }

  // A refused class change puts the combo back, which the window must show.
  MainWindowFixture f;
  f.Start();
  f.workbench.results.push_back(samples::MakeItem("Belt of Might", {{1, 12}}));
  f.window.OpenSlot(kBelt);
  f.user.answers.push_back(Answer::Cancel);  // "&Cancel Change"
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.ChangeClass(7); }), 1);
  EXPECT_EQ(f.window.View().Class.Selection, 0);
}

TEST(MainWindowNotification, LifecycleCommandsAnnounceOnceAndNothingForNoChange) {
  MainWindowFixture f;
  f.Start();
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign("Saved Hero");
  const std::string path = f.File("hero.qmc");
  ASSERT_TRUE(WriteTemplateFile(path, tpl, 0).Ok());

  f.files.openAnswers.push_back(path);
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.LoadTemplate(); }), 1);
  EXPECT_EQ(f.window.View().NameText, "Saved Hero");
  f.window.ChangeName("Renamed", 7);
  f.files.saveAnswers.push_back(f.File("renamed.qmc"));
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.SaveTemplate(); }), 1)
      << "the recent list shows the new file";
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.ChooseRecent(2); }), 1);
  EXPECT_EQ(f.window.View().NameText, "Saved Hero");

  // Nothing the window shows changes: no announcement.
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.OpenWebSite(); }), 0);
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.SetDefaultServerType(kOrigins); }), 0);
  f.window.SetChampion(false);
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.OpenSlot(kMyth); }), 0)
      << "a disabled slot button";
  f.files.openAnswers.push_back("");  // the open dialog is cancelled
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.LoadTemplate(); }), 0);
}

TEST(MainWindowNotification, LivePreviewsAnnounceWhileTheWorkbenchIsOpen) {
  MainWindowFixture f;
  f.Start();
  const ViewCounter counter(f.window);
  std::vector<int> seenDuringRun;
  f.workbench.duringRun = [&](const WorkbenchRequest&, const SlotPreview& preview) {
    preview(kBelt, samples::MakeItem("First Belt", {{1, 10}}));
    seenDuringRun.push_back(counter.calls);
    preview(kBelt, samples::MakeItem("Second Belt", {{1, 20}}));
    seenDuringRun.push_back(counter.calls);
  };
  f.workbench.results.push_back(samples::MakeItem("Second Belt", {{1, 20}}));
  f.window.OpenSlot(kBelt);
  EXPECT_EQ(seenDuringRun, (std::vector<int>{1, 2}));
  EXPECT_EQ(counter.calls, 3) << "the placement after the workbench closed";
  EXPECT_EQ(counter.RevisionGrowth(), 3u);
}

TEST(MainWindowNotification, HandOverAndOptionsAnnounceOnTheMainWindow) {
  MainWindowFixture f;
  f.Start();
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign("Handed Over");
  const std::string path = f.File("handed.qmc");
  ASSERT_TRUE(WriteTemplateFile(path, tpl, 0).Ok());
  f.window.SetPendingFile(path);
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.LoadPendingFile(); }), 1);
  EXPECT_EQ(f.window.View().NameText, "Handed Over");

  TfrmOptions options(f.settings, f.user);
  int optionsAnnouncements = 0;
  f.windows.duringOptions = [&] {
    optionsAnnouncements = AnnouncementsOf(options, [&] {
      options.FormShow(f.window.View().OptionChecks);
      options.SLFilterChange(10);
      options.OKBtnClick(f.window.View().OptionChecks);
    });
  };
  EXPECT_EQ(AnnouncementsOf(f.window, [&] { f.window.OpenOptions(); }), 1);
  EXPECT_EQ(optionsAnnouncements, 3);
  EXPECT_EQ(f.settings.Record().LVFilter, 15);
}

}  // namespace
}  // namespace qm::testing
