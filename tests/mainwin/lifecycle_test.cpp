// New, Load, Save, the recent list, names, levels and closing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/file_io.h"
#include "core/template_file.h"
#include "mainwin/main_window_fixture.h"
#include "shell/single_instance.h"
#include "tools/samples.h"

namespace qm {
namespace {

using testing::MainWindowFixture;

std::string SaveSample(MainWindowFixture& f, const std::string& name, TTemplateRecord tpl) {
  const std::string path = f.File(name);
  EXPECT_TRUE(WriteTemplateFile(path, tpl, 0).Ok());
  return path;
}

TEST(Lifecycle, StartUpGivesANewUnchangedTemplate) {
  MainWindowFixture f;
  f.Start();
  const TTemplateRecord& tpl = f.window.Template();
  EXPECT_EQ(f.window.View().Title, "Quillmark Classic v1.118.0.2 - [ No Character ]");
  EXPECT_EQ(tpl.CharName.View(), "New Character");
  EXPECT_EQ(tpl.CharLevel, 50);
  EXPECT_EQ(tpl.RealmRank, 1);
  EXPECT_EQ(tpl.ClassIndex, 0);
  EXPECT_EQ(tpl.ChampionFlag, 1);
  EXPECT_EQ(tpl.WeaponConfig, 4);
  EXPECT_EQ(f.window.View().Race.Text(), "<None>");
  EXPECT_TRUE(f.window.Unchanged());
  EXPECT_FALSE(f.window.ItemsPlaced());
  EXPECT_TRUE(f.window.View().Champion.Checked);
  EXPECT_TRUE(f.window.View().Slots[kMyth - 1].Button.Enabled);
  EXPECT_EQ(f.window.View().Figures.Skills[0].Name.Text, "Shield");
  EXPECT_TRUE(f.user.questions.empty());

  f.settings.Record().Server = 3;
  f.window.NewTemplate();
  EXPECT_EQ(f.window.View().Title, "Quillmark Classic v1.118.0.2 - [ New Character ]");
  EXPECT_EQ(f.window.Template().ServerType, 3);
}

TEST(Lifecycle, SaveNameExtensionIsCaseSensitive) {
  MainWindowFixture f;
  f.Start();
  f.files.saveAnswers.push_back(f.File("Hero.QMC"));
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_TRUE(std::filesystem::exists(f.File("Hero.QMC.qmc")));
  EXPECT_EQ(f.user.messages.back(), "Character saved : Hero.QMC.qmc");
  EXPECT_EQ(f.files.saveRequests.back().FileName, "New Character.qmc");
  EXPECT_EQ(f.files.saveRequests.back().Title, "Create New Template");
  EXPECT_EQ(f.settings.Record().Files[0], f.File("Hero.QMC.qmc"));
  EXPECT_TRUE(f.window.Unchanged());
  EXPECT_EQ(f.window.CurrentFile(), f.File("Hero.QMC.qmc"));

  // Loading a file with an upper-case extension works.
  const std::string upper = SaveSample(f, "ARMSMAN.QMC", samples::SampleTemplates()[0].tpl);
  f.files.openAnswers.push_back(upper);
  f.window.LoadTemplate();
  EXPECT_EQ(f.window.Template().CharName.View(), "Sir Aldric");
  EXPECT_EQ(f.window.View().Title, "Quillmark Classic v1.118.0.2 - [ Sir Aldric ]");
}

TEST(Lifecycle, RecentListMovesAndDuplicates) {
  MainWindowFixture f;
  f.Start();
  std::vector<std::string> paths;
  for (int i = 0; i < 5; ++i) {
    TTemplateRecord tpl = samples::SampleTemplates()[0].tpl;
    tpl.CharName.Assign("Hero" + std::to_string(i));
    paths.push_back(SaveSample(f, "hero" + std::to_string(i) + ".qmc", tpl));
  }
  auto& files = f.settings.Record().Files;
  files = {paths[0], paths[1], paths[2], paths[3], paths[4]};

  f.window.ChooseRecent(3);
  EXPECT_EQ(files[0], paths[2]);
  EXPECT_EQ(files[1], paths[0]);
  EXPECT_EQ(files[2], paths[1]);
  EXPECT_EQ(files[3], paths[3]);
  EXPECT_EQ(files[4], paths[4]);
  EXPECT_EQ(f.window.Template().CharName.View(), "Hero2");
  EXPECT_EQ(f.window.View().Recent[0].Caption, "&1. hero2.qmc");
  EXPECT_TRUE(f.window.View().RecentMenuVisible);

  // Through the dialog, a file already in the list goes on top a second time.
  f.files.openAnswers.push_back(paths[0]);
  f.window.LoadTemplate();
  EXPECT_EQ(files[0], paths[0]);
  EXPECT_EQ(files[1], paths[2]);
  EXPECT_EQ(files[2], paths[0]);
  EXPECT_EQ(files[4], paths[3]);

  // A vanished entry is removed with a message; the rest move up.
  std::filesystem::remove(paths[2]);
  f.window.ChooseRecent(2);
  EXPECT_EQ(f.user.messages.back(), "File deleted/moved, removing this item from the list");
  EXPECT_EQ(files[1], paths[0]);
  EXPECT_EQ(files[4], "");
  EXPECT_FALSE(f.window.View().Recent[4].Visible);
}

// Saving first, when asked, puts the saved file on top of the recent list
// before the chosen entry is loaded: the entry is found again by its path,
// so the loaded file still ends on top and nothing else is lost.
TEST(Lifecycle, RecentEntryStillGoesOnTopAfterSavingFirst) {
  MainWindowFixture f;
  f.Start();
  std::vector<std::string> paths;
  for (int i = 0; i < 5; ++i) {
    TTemplateRecord tpl = samples::SampleTemplates()[0].tpl;
    tpl.CharName.Assign("Hero" + std::to_string(i));
    paths.push_back(SaveSample(f, "hero" + std::to_string(i) + ".qmc", tpl));
  }
  auto& files = f.settings.Record().Files;
  files = {paths[0], paths[1], paths[2], paths[3], paths[4]};
  f.window.ChangeName("Unsaved", 7);
  f.user.answers = {Answer::Ok};  // "&Save"
  f.files.saveAnswers.push_back(f.File("unsaved.qmc"));
  f.window.ChooseRecent(5);
  EXPECT_EQ(f.window.Template().CharName.View(), "Hero4");
  EXPECT_EQ(files[0], paths[4]);
  EXPECT_EQ(files[1], f.File("unsaved.qmc"));
  EXPECT_EQ(files[2], paths[0]);
  EXPECT_EQ(files[3], paths[1]);
  EXPECT_EQ(files[4], paths[2]);
}

TEST(Lifecycle, OldTemplatesAreNeverOverwritten) {
  MainWindowFixture f;
  f.Start();
  const std::string old = f.File("paladin.qmy");
  const auto bytes = samples::OldTemplateBytes(samples::SampleOldTemplates()[0].layout);
  ASSERT_TRUE(
      WriteFileAtomically(old, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}).Ok());
  f.files.openAnswers.push_back(old);
  f.window.LoadTemplate();
  EXPECT_EQ(f.window.Template().ClassIndex, 10);
  EXPECT_EQ(f.window.View().Class.Text(), "(Alb) Paladin");
  EXPECT_EQ(f.window.Template().Slot(kJewel).Name.View(), "Old Jewel");
  // Old templates carry effect positions: loading converts them and marks the template changed.
  EXPECT_FALSE(f.window.Unchanged());

  f.files.saveAnswers.push_back(f.File("paladin.qmc"));
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_EQ(f.files.saveRequests.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(f.File("paladin.qmc")));
  // From then on Save writes straight to the new file.
  f.window.ChangeRealmRank(3);
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_EQ(f.files.saveRequests.size(), 1u);
  EXPECT_EQ(ReadTemplateFile(f.File("paladin.qmc")).Value().RealmRank, 4);
}

TEST(Lifecycle, NameEditsDropFileCharactersAndForgetTheFile) {
  MainWindowFixture f;
  f.Start();
  const std::string path = SaveSample(f, "sir.qmc", samples::SampleTemplates()[0].tpl);
  f.files.openAnswers.push_back(path);
  f.window.LoadTemplate();
  ASSERT_TRUE(f.window.HasFileName());

  f.window.ChangeName("Sir. Al<d>ric", 5);
  EXPECT_EQ(f.window.View().NameText, "Sir Aldric");
  EXPECT_EQ(f.window.View().NameCaret, 4);
  EXPECT_FALSE(f.window.HasFileName());
  EXPECT_EQ(f.window.CurrentFile(), "");
  EXPECT_FALSE(f.window.Unchanged());

  f.files.saveAnswers.push_back(f.File("renamed"));
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_EQ(f.files.saveRequests.size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(f.File("renamed.qmc")));

  f.window.ChangeName("", 0);
  EXPECT_FALSE(f.window.View().Save.Enabled);
  EXPECT_FALSE(f.window.View().SaveAs.Enabled);
}

TEST(Lifecycle, LevelChangesTakeTheChampionFlagAndMythAway) {
  MainWindowFixture f;
  f.Start();
  f.window.PreviewSlot(kMyth, samples::MakeItem("Mythirian", {{1, 10}}));
  f.window.ChangeLevel("49");
  EXPECT_FALSE(f.window.View().Champion.Checked);
  EXPECT_FALSE(f.window.View().Champion.Enabled);
  EXPECT_EQ(f.window.Template().ChampionFlag, 0);
  f.window.ChangeLevel("50");
  EXPECT_FALSE(f.window.View().Champion.Checked);
  EXPECT_TRUE(f.window.View().Champion.Enabled);
  EXPECT_EQ(f.window.Template().Slot(kMyth).Name.View(), " ");
  EXPECT_FALSE(f.window.View().Slots[kMyth - 1].Button.Enabled);

  // The workbench designs crafted items at the character's level below 39, else at 51.
  f.window.ChangeLevel("38");
  f.window.OpenSlot(kChest);
  EXPECT_EQ(f.workbench.requests.back().Character.Level, 38);
  EXPECT_EQ(DefaultCraftedLevel(f.workbench.requests.back().Character.Level), 38);
  f.window.ChangeLevel("2");
  EXPECT_EQ(f.window.Template().CharLevel, 5);
  EXPECT_EQ(f.window.View().Level.Text(), "5");
}

// New and Load keep the template when the save they asked for did not happen.
TEST(Lifecycle, CancelledSaveKeepsTheTemplateOpen) {
  struct Case {
    const char* command;
    std::function<bool(MainWindowFixture&)> run;  // true when the window was replaced or closed
  };
  const Case cases[] = {
      {"new",
       [](MainWindowFixture& f) {
         f.window.NewTemplate();
         return f.window.Template().CharName.View() != "Changed";
       }},
      {"load",
       [](MainWindowFixture& f) {
         f.files.openAnswers.push_back(
             SaveSample(f, "other.qmc", samples::SampleTemplates()[1].tpl));
         f.window.LoadTemplate();
         return f.window.Template().CharName.View() != "Changed";
       }},
  };
  for (const Case& c : cases) {
    for (bool failWrite : {false, true}) {
      MainWindowFixture f;
      f.Start();
      f.window.ChangeName("Changed", 7);
      f.user.answers.push_back(Answer::Ok);  // "&Save"
      if (failWrite) f.files.saveAnswers.push_back(f.File("missing/folder/x.qmc"));
      EXPECT_FALSE(c.run(f)) << c.command << (failWrite ? " failed write" : " cancelled");
      EXPECT_EQ(f.window.Template().CharName.View(), "Changed") << c.command;
      EXPECT_FALSE(f.window.Unchanged()) << c.command;
      EXPECT_EQ(f.user.questions.at(0).title, "Save Character First?");
    }
  }
}

// Leaving was the player's choice: "&Save" at the close question closes the
// window even when the save dialog is cancelled or the write fails.
TEST(Lifecycle, SaveAtTheCloseQuestionClosesWhateverTheSaveDid) {
  for (bool failWrite : {false, true}) {
    MainWindowFixture f;
    f.Start();
    f.window.ChangeName("Changed", 7);
    f.user.answers.push_back(Answer::Ok);  // "&Save"
    if (failWrite) f.files.saveAnswers.push_back(f.File("missing/folder/x.qmc"));
    EXPECT_TRUE(f.window.QueryClose()) << (failWrite ? "failed write" : "cancelled");
    EXPECT_EQ(f.files.saveRequests.size(), 1u);
    EXPECT_FALSE(f.window.Unchanged());
    EXPECT_FALSE(std::filesystem::exists(f.File("missing/folder/x.qmc")));
  }
}

TEST(Lifecycle, CloseQuestionButtons) {
  MainWindowFixture f;
  f.Start();
  EXPECT_TRUE(f.window.QueryClose());  // nothing to save, nothing asked
  EXPECT_TRUE(f.user.questions.empty());
  f.window.ChangeRealmRank(2);
  f.user.answers = {Answer::Abort, Answer::Cancel};
  EXPECT_FALSE(f.window.QueryClose());
  EXPECT_TRUE(f.window.QueryClose());
  const auto& q = f.user.questions.back();
  EXPECT_EQ(q.message,
            "Changes have been made, would you like to save your work before exiting Quillmark??");
  EXPECT_EQ(q.ok, "&Save");
  EXPECT_EQ(q.cancel, "E&xit");
  EXPECT_EQ(q.abort, "&Cancel");

  f.user.answers = {Answer::Ok};
  f.files.saveAnswers.push_back(f.File("saved.qmc"));
  EXPECT_TRUE(f.window.QueryClose());
  EXPECT_TRUE(std::filesystem::exists(f.File("saved.qmc")));
}

// Below level 50 a loaded template loses its champion flag and Myth item, but
// the slot rows are all re-enabled afterwards, the Myth name label included.
TEST(Lifecycle, LoadBelowFiftyEmptiesTheMythSlotButKeepsItsLabelEnabled) {
  MainWindowFixture f;
  f.Start();
  TTemplateRecord tpl = samples::SampleTemplates()[0].tpl;
  tpl.CharLevel = 47;
  tpl.ChampionFlag = 1;
  tpl.Slot(kMyth) = samples::MakeItem("Mythirian of Old", {{1, 5}});
  f.files.openAnswers.push_back(SaveSample(f, "young.qmc", tpl));
  f.window.LoadTemplate();
  const MainWindowView& view = f.window.View();
  EXPECT_EQ(f.window.Template().ChampionFlag, 0);
  EXPECT_EQ(f.window.Template().Slot(kMyth).Name.View(), " ");
  EXPECT_FALSE(view.Champion.Checked);
  EXPECT_FALSE(view.Champion.Enabled);
  EXPECT_FALSE(view.Slots[kMyth - 1].Button.Enabled);
  for (int slot = 1; slot <= kSlotCount; ++slot)
    EXPECT_TRUE(view.Slots[static_cast<std::size_t>(slot - 1)].Name.Enabled) << slot;
  EXPECT_EQ(view.Slots[kMyth - 1].Name.Text, " ");
}

TEST(Lifecycle, LoadFailuresAndUnknownKinds) {
  MainWindowFixture f;
  f.Start();
  const std::string text = f.File("notes.txt");
  ASSERT_TRUE(WriteFileAtomically(text, "hello").Ok());
  f.files.openAnswers.push_back(text);
  f.window.LoadTemplate();
  EXPECT_EQ(f.user.messages.back(), "Unknown file type? " + text);

  f.files.openAnswers.push_back(f.File("gone.qmc"));
  f.window.LoadTemplate();
  EXPECT_EQ(f.user.messages.back(), "File not found...");
  const FileDialogRequest& request = f.files.openRequests.back();
  EXPECT_EQ(request.Title, "Load Character");
  EXPECT_EQ(request.Filter, "Quillmark Character File (*.qmc)|*.qmc|Old Templates (*.qmy)|*.qmy");
  EXPECT_EQ(request.DefaultExtension, "qmc");
  EXPECT_TRUE(request.FileMustExist);

  const std::string shortFile = f.File("short.qmc");
  ASSERT_TRUE(WriteFileAtomically(shortFile, std::string(10, 'x')).Ok());
  f.files.openAnswers.push_back(shortFile);
  f.window.LoadTemplate();
  EXPECT_NE(f.user.messages.back().find("Read beyond end of file"), std::string::npos);
}

// A load that fails after the reset leaves an empty template behind: the
// next Save must ask where to go rather than overwrite the file loaded before.
TEST(Lifecycle, FailedLoadDoesNotSaveOverThePreviousFile) {
  MainWindowFixture f;
  f.Start();
  const std::string hero = SaveSample(f, "hero.qmc", samples::SampleTemplates()[0].tpl);
  f.files.openAnswers.push_back(hero);
  f.window.LoadTemplate();
  ASSERT_EQ(f.window.CurrentFile(), hero);

  const std::string broken = f.File("broken.qmc");
  ASSERT_TRUE(WriteFileAtomically(broken, std::string(10, 'x')).Ok());
  f.files.openAnswers.push_back(broken);
  f.window.LoadTemplate();
  EXPECT_EQ(f.window.Template().Slot(kChest).Name.View(), " ");
  EXPECT_EQ(f.window.View().Slots[kChest - 1].Name.Text, " ");

  f.window.SaveTemplate();  // the dialog is cancelled: nothing is written
  EXPECT_EQ(f.files.saveRequests.size(), 1u);
  EXPECT_EQ(ReadTemplateFile(hero).Value().Slot(kChest).Name.View(),
            samples::SampleTemplates()[0].tpl.Slot(kChest).Name.View());
}

TEST(Lifecycle, HandOverLoadsWhenIdleAndIsRefusedDuringAModalWindow) {
  MainWindowFixture f;
  f.Start();
  const std::string path = SaveSample(f, "handed.qmc", samples::SampleTemplates()[2].tpl);
  testing::FakeInstanceMachine machine;
  testing::FakeInstanceChannel channel(machine, 7);
  HandOverReceiver receiver(f.window, f.user, channel);
  const OpenFileMessage message = MakeOpenFileMessage(path);
  const CopyDataBlock block = message.Block();
  f.windows.duringReport = [&] { receiver.ReceiveOpenFile(block); };
  f.window.ChangeRealmRank(3);  // an unsaved change the refusal must not forget
  f.window.OpenReport();
  EXPECT_EQ(f.user.messages.back(), "Cannot do this now, try again without subwindows open.");
  EXPECT_EQ(f.window.Template().CharName.View(), "New Character");
  EXPECT_FALSE(f.window.Unchanged());

  f.user.answers = {Answer::Cancel};  // "&Load" without saving
  receiver.ReceiveOpenFile(block);
  EXPECT_EQ(f.window.Template().CharName.View(), "Thorvald");
  EXPECT_EQ(machine.foreground, 7u);
  EXPECT_EQ(f.settings.Record().Files[0], path);
  EXPECT_TRUE(f.window.Unchanged());
}

// The main window's own questions and file dialogs wait for the user as a
// sub-window does: a hand-over arriving meanwhile is refused, or it would load
// another template under the command that asked. The window is idle again
// however the command ends.
TEST(Lifecycle, HandOverIsRefusedWhileTheWindowWaitsForAnAnswer) {
  struct Case {
    const char* command;
    std::function<void(TfrmGearMain&)> run;
  };
  const Case cases[] = {
      {"ClearSlot", [](TfrmGearMain& w) { w.ClearSlot(kRing1); }},
      {"ClearAllSlots", [](TfrmGearMain& w) { w.ClearAllSlots(); }},
      {"SaveTemplateAs", [](TfrmGearMain& w) { w.SaveTemplateAs(); }},
      {"QueryClose", [](TfrmGearMain& w) { EXPECT_TRUE(w.QueryClose()); }},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    f.Start();
    f.workbench.results.push_back(samples::MakeItem("Ring of Dances", {{3, 9}}));
    f.window.OpenSlot(kRing1);  // an item to clear, and a change to save
    const std::string path = SaveSample(f, "handed.qmc", samples::SampleTemplates()[2].tpl);
    testing::FakeInstanceMachine machine;
    testing::FakeInstanceChannel channel(machine, 7);
    HandOverReceiver receiver(f.window, f.user, channel);
    const OpenFileMessage message = MakeOpenFileMessage(path);
    const CopyDataBlock block = message.Block();
    int handOvers = 0;
    const auto handOver = [&] {
      if (handOvers++ == 0) receiver.ReceiveOpenFile(block);
    };
    f.user.whileAsking = handOver;
    f.files.whileOpen = handOver;
    c.run(f.window);
    EXPECT_EQ(handOvers, 1) << c.command;
    EXPECT_EQ(f.window.Template().CharName.View(), "New Character") << c.command;
    EXPECT_EQ(f.window.Template().Slot(kRing1).Name.View(), "Ring of Dances") << c.command;
    ASSERT_FALSE(f.user.messages.empty()) << c.command;
    EXPECT_EQ(f.user.messages.back(), "Cannot do this now, try again without subwindows open.")
        << c.command;
    EXPECT_TRUE(f.window.Idle()) << c.command;
  }
}

TEST(Lifecycle, CommandLineTemplateIsLoadedAtStartUp) {
  MainWindowFixture f;
  const std::string path = SaveSample(f, "start.qmc", samples::SampleTemplates()[1].tpl);
  f.settings.DefaultSettings();
  f.window.StartUp(path);
  EXPECT_EQ(f.window.Template().CharName.View(), "Ailill");
  EXPECT_EQ(f.window.View().Class.Text(), "(Hib) Eldritch ");
  EXPECT_EQ(f.window.View().Race.Text(), "Elf");
  EXPECT_EQ(f.window.Template().WeaponConfig, 2);
  EXPECT_TRUE(f.window.Unchanged());
  EXPECT_EQ(f.window.Template().Slot(kMyth).Name.View(), "Mythirian of Ire");
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

// A template file can hold any byte: a class past the table behaves as "no
// class", other values out of range are held to their lists.
TEST(Lifecycle, OutOfRangeValuesInAFileLoadSafely) {
  MainWindowFixture f;
  f.Start();
  TTemplateRecord tpl = samples::SampleTemplates()[0].tpl;
  tpl.ClassIndex = 60;
  tpl.CharLevel = 77;
  tpl.RealmRank = 0;
  tpl.ServerType = 9;
  tpl.WeaponConfig = 12;
  tpl.RaceIndex = 40;
  f.files.openAnswers.push_back(SaveSample(f, "odd.qmc", tpl));
  f.window.LoadTemplate();
  const MainWindowView& view = f.window.View();
  EXPECT_EQ(view.Class.Selection, -1);
  EXPECT_EQ(view.Race.Entries, std::vector<std::string>{"<None>"});
  EXPECT_EQ(view.Level.Text(), "50");
  EXPECT_EQ(view.RealmRank.Text(), "RR1");
  EXPECT_EQ(view.Weapon.Selection, -1);
  for (const FigureRow& row : view.Figures.Skills) EXPECT_EQ(row.Name.Text, "");
  EXPECT_EQ(view.Figures.MainStats[kAcuityRow].Name.Text, "");
  f.window.OpenSlot(kRanged);  // no class: the ranged slot is refused
  EXPECT_EQ(f.user.beeps, 1);
  f.window.StatEnter(1);
  EXPECT_EQ(view.StatBoxCaption, "Stat: Strength");
}

}  // namespace
}  // namespace qm
