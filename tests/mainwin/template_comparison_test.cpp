// The comparison table, its window model, and the main window's two compare
// commands. Figures are the main window's own; a template at level 50 and
// RR1 has a cap of 75 on each main stat.
#include "mainwin/template_comparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/template_file.h"
#include "main_window_fixture.h"
#include "mainwin/comparison_window.h"
#include "tools/samples.h"

namespace qm {
namespace {

using samples::MakeItem;

constexpr int kArmsman = 0;
constexpr int kEldritch = 22;

TTemplateRecord Character(int classIndex) {
  TTemplateRecord tpl = EmptyTemplate();
  tpl.CharName.Assign("Tester");
  tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
  return tpl;
}

const ComparisonRow& Row(const TemplateComparison& comparison, std::string_view group,
                         std::string_view figure) {
  const auto found = std::find_if(
      comparison.Rows.begin(), comparison.Rows.end(),
      [&](const ComparisonRow& row) { return row.Group == group && row.Figure == figure; });
  if (found == comparison.Rows.end()) {
    ADD_FAILURE() << group << " / " << figure << " missing";
    static const ComparisonRow kNone;
    return kNone;
  }
  return *found;
}

TEST(TemplateComparison, ASampleAgainstItselfIsUnchangedAndShowsTheMainWindowsFigures) {
  testing::MainWindowFixture f;
  f.Start();
  samples::WriteSamples(f.folder.Path().string());
  const std::string path = f.File("albion-armsman.qmc");
  f.files.openAnswers.push_back(path);
  f.window.LoadTemplate();

  const auto file = ReadTemplateFile(path);
  ASSERT_TRUE(file.Ok());
  const TemplateComparison same = CompareTemplates(file.Value(), file.Value());
  EXPECT_EQ(same.Worse + same.Better, 0);
  EXPECT_EQ(same.Same, static_cast<int>(same.Rows.size()));

  // Every named figure of the loaded window is a row with the window's value
  // and cap, then every field of the totals and of the caps record.
  const TotalsDisplay& shown = f.window.View().Figures;
  std::size_t named = 0;
  const std::vector<std::string_view> groups = {"Main Stats",    "Resistance Bonuses",
                                                "Skill Bonuses", "Point Bonuses",
                                                "ToA Bonuses",   "PvE Bonuses"};
  const std::array<std::vector<FigureRow>, 6> rows = {
      std::vector<FigureRow>(shown.MainStats.begin(), shown.MainStats.end()),
      std::vector<FigureRow>(shown.Resists.begin(), shown.Resists.end()),
      std::vector<FigureRow>(shown.Skills.begin(), shown.Skills.end()),
      shown.Points,
      shown.ToA,
      shown.PvE};
  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (const FigureRow& figure : rows[g]) {
      if (figure.Name.Text.empty()) continue;
      ++named;
      const ComparisonRow& row = Row(same, groups[g], figure.Name.Text);
      EXPECT_EQ(std::to_string(row.A.Value), figure.Value.Text) << figure.Name.Text;
      EXPECT_NE(figure.Cap.Text.find(std::to_string(row.A.Cap)), std::string::npos)
          << figure.Name.Text << " " << figure.Cap.Text;
      EXPECT_EQ(FigureText(row.B), FigureText(row.A));
    }
  }
  EXPECT_EQ(same.Rows.size(), named + 2 * kStatFieldCount);
  EXPECT_EQ(Row(same, "Totals", "StrengthCapInc").A.Value,
            f.window.LastTotals().Totals.StrengthCapInc);
  EXPECT_EQ(Row(same, "Caps", "SkillCap").A.Value, f.window.LastTotals().Caps.SkillCap);
}

TEST(TemplateComparison, WorseComesFirstThenBetterThenUnchangedEachInDisplayOrder) {
  TTemplateRecord a = Character(kArmsman);
  TTemplateRecord b = Character(kArmsman);
  a.Slot(kChest) = MakeItem("a", {{1, 50}, {2, 30}, {3, 75}, {4, 80}, {11, 5}});
  // Strength up, Constitution down, Dexterity over its cap (wasted),
  // Quickness less over its cap (less wasted), Crush the same.
  b.Slot(kChest) = MakeItem("b", {{1, 60}, {2, 20}, {3, 90}, {4, 78}, {11, 5}});
  const TemplateComparison c = CompareTemplates(a, b);

  const auto direction = [&](std::string_view group, std::string_view figure) {
    return Row(c, group, figure).Direction;
  };
  EXPECT_EQ(direction("Main Stats", "Strength"), ComparisonDirection::kBetter);
  EXPECT_EQ(direction("Main Stats", "Constitution"), ComparisonDirection::kWorse);
  EXPECT_EQ(direction("Main Stats", "Dexterity"), ComparisonDirection::kWorse);
  EXPECT_EQ(direction("Main Stats", "Quickness"), ComparisonDirection::kBetter);
  EXPECT_EQ(direction("Resistance Bonuses", "Crush"), ComparisonDirection::kSame);
  EXPECT_EQ(direction("Totals", "Dexterity"), ComparisonDirection::kWorse);
  EXPECT_EQ(Row(c, "Main Stats", "Constitution").Difference, -10);
  EXPECT_EQ(DifferenceText(Row(c, "Main Stats", "Strength")), "+10");
  EXPECT_EQ(FigureText(Row(c, "Main Stats", "Dexterity").B), "90 / 75");

  // Sorted by direction; the display's groups before the record fields.
  ASSERT_EQ(c.Worse, 4);  // Constitution and Dexterity, on display and in the totals
  EXPECT_EQ(c.Better, 4);
  EXPECT_EQ(c.Worse + c.Better + c.Same, static_cast<int>(c.Rows.size()));
  EXPECT_TRUE(std::is_sorted(c.Rows.begin(), c.Rows.end(), [](const auto& x, const auto& y) {
    return static_cast<int>(x.Direction) < static_cast<int>(y.Direction);
  }));
  const std::vector<std::string> worse = {
      c.Rows[0].Group + " " + c.Rows[0].Figure, c.Rows[1].Group + " " + c.Rows[1].Figure,
      c.Rows[2].Group + " " + c.Rows[2].Figure, c.Rows[3].Group + " " + c.Rows[3].Figure};
  EXPECT_EQ(worse, (std::vector<std::string>{"Main Stats Constitution", "Main Stats Dexterity",
                                             "Totals Constitution", "Totals Dexterity"}));

  // The window: red for worse, blue for better, black unchanged; the
  // unchanged rows hide on request and the choice stays for the next pair.
  TfrmCompare window;
  window.SetTemplates({a, b, "Tester (current template)", "Tester (b.qmc)"});
  const ComparisonWindowView& view = window.View();
  EXPECT_EQ(view.TemplateA.Text, "A: Tester (current template)");
  EXPECT_EQ(view.Summary.Text, "4 worse, 4 better, " + std::to_string(c.Same) + " unchanged");
  ASSERT_EQ(view.Lines.size(), c.Rows.size());
  EXPECT_EQ(view.Lines[0].Cells, (std::array<std::string, 5>{"Main Stats", "Constitution",
                                                             "30 / 75", "20 / 75", "-10"}));
  EXPECT_EQ(view.Lines[0].Colour, kRed);
  EXPECT_EQ(view.Lines[4].Colour, kBlue);
  EXPECT_EQ(view.Lines.back().Colour, kBlack);
  const auto revision = window.Revision();
  window.ShowChangedOnly(true);
  EXPECT_GT(window.Revision(), revision);
  EXPECT_EQ(view.Lines.size(), 8u);
  window.SetTemplates({b, a, "b", "a"});
  EXPECT_TRUE(view.ChangedOnly.Checked);
  EXPECT_EQ(view.Lines.size(), 8u);
  EXPECT_EQ(view.Lines[0].Cells[1], "Strength");  // the other way round
}

TEST(TemplateComparison, FiguresOnlyOneClassShowsAreAbsentOnTheOtherSide) {
  TTemplateRecord armsman = Character(kArmsman);
  TTemplateRecord eldritch = Character(kEldritch);
  armsman.Slot(kChest) = MakeItem("chest", {{32, 4}});
  const TemplateComparison c = CompareTemplates(armsman, eldritch);
  const ComparisonRow& polearms = Row(c, "Skill Bonuses", "Polearms");
  EXPECT_TRUE(polearms.A.Present);
  EXPECT_FALSE(polearms.B.Present);
  EXPECT_EQ(FigureText(polearms.B), "-");
  EXPECT_EQ(polearms.Direction, ComparisonDirection::kWorse);
  const ComparisonRow& intelligence = Row(c, "Main Stats", "Intelligence");
  EXPECT_FALSE(intelligence.A.Present);
  EXPECT_EQ(intelligence.Direction, ComparisonDirection::kSame);  // 0 against nothing

  // The eldritch's skill rows sit with the armsman's in the skill group.
  std::vector<std::string> unchangedGroups;
  for (const ComparisonRow& row : c.Rows)
    if (row.Direction == ComparisonDirection::kSame &&
        (unchangedGroups.empty() || unchangedGroups.back() != row.Group))
      unchangedGroups.push_back(row.Group);
  EXPECT_EQ(unchangedGroups, (std::vector<std::string>{
                                 "Main Stats", "Resistance Bonuses", "Skill Bonuses",
                                 "Point Bonuses", "ToA Bonuses", "PvE Bonuses", "Totals", "Caps"}));
}

TEST(TemplateComparison, TheMainWindowComparesWhatItShowsWithAFileOrItsOwnFile) {
  testing::MainWindowFixture f;
  f.Start();
  samples::WriteSamples(f.folder.Path().string());
  EXPECT_FALSE(f.window.View().CompareSaved.Enabled);  // a new template has no file
  EXPECT_EQ(f.window.View().CompareTemplate.Caption, "Compare with &Template\x85");

  // Cancelling the dialog compares nothing.
  f.window.CompareWithTemplate();
  ASSERT_EQ(f.files.openRequests.size(), 1u);
  EXPECT_EQ(f.files.openRequests[0].Title, "Compare with Template");
  EXPECT_TRUE(f.files.openRequests[0].FileMustExist);
  EXPECT_TRUE(f.windows.comparisons.empty());

  const std::string armsman = f.File("albion-armsman.qmc");
  const std::string warrior = f.File("midgard-warrior.qmc");
  f.files.openAnswers.push_back(armsman);
  f.window.LoadTemplate();
  ASSERT_TRUE(f.window.View().CompareSaved.Enabled);
  f.window.ChangeRealmRank(7);  // unsaved: the comparison takes what the window shows

  f.files.openAnswers.push_back(warrior);
  f.window.CompareWithTemplate();
  ASSERT_EQ(f.windows.comparisons.size(), 1u);
  const ComparisonRequest& picked = f.windows.comparisons.back();
  EXPECT_EQ(picked.TitleA, "Sir Aldric (current template)");
  EXPECT_EQ(picked.TitleB, "Thorvald (midgard-warrior.qmc)");
  EXPECT_EQ(picked.A.RealmRank, 8);
  EXPECT_EQ(picked.B.CharName.Str(), "Thorvald");
  EXPECT_EQ(f.window.CurrentFile(), armsman);  // read, not loaded

  f.window.CompareWithSavedFile();
  ASSERT_EQ(f.windows.comparisons.size(), 2u);
  const TemplateComparison saved =
      CompareTemplates(f.windows.comparisons[1].A, f.windows.comparisons[1].B);
  // Each realm rank above the first adds one to every skill.
  const int savedRank = samples::SampleTemplates()[0].tpl.RealmRank;
  EXPECT_NE(savedRank, 8);
  EXPECT_EQ(Row(saved, "Skill Bonuses", "Shield").Difference, savedRank - 8);

  // A renamed template has left its file; saving gives it one again.
  f.window.ChangeName("Renamed", 7);
  EXPECT_FALSE(f.window.View().CompareSaved.Enabled);
  f.files.saveAnswers.push_back(f.File("renamed.qmc"));
  ASSERT_TRUE(f.window.SaveTemplate());
  EXPECT_TRUE(f.window.View().CompareSaved.Enabled);

  // A file that is gone or of another type is refused with a message.
  f.window.CompareWithFile(f.File("missing.qmc"));
  f.window.CompareWithFile(f.File("sword-of-valiant-dawn.qmx"));
  EXPECT_EQ(f.windows.comparisons.size(), 2u);
  ASSERT_GE(f.user.messages.size(), 2u);
  EXPECT_EQ(f.user.messages[f.user.messages.size() - 2], "File not found...");
  EXPECT_EQ(f.user.messages.back(), "Unknown file type? " + f.File("sword-of-valiant-dawn.qmx"));
  EXPECT_TRUE(f.window.Idle());
}

}  // namespace
}  // namespace qm
