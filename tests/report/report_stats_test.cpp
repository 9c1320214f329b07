// The header, utility block and stat section of the template report.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/class_table.h"
#include "report/report_window.h"
#include "report/template_report.h"
#include "report_fixtures.h"

namespace qm {
namespace {

using testing::Between;
using testing::HasLine;
using testing::Item;
using testing::ReportLines;
using testing::Template;
using Lines = std::vector<std::string>;

// The main stat lines: from the section header to the cap increases.
Lines MainStats(const Lines& lines) {
  return Between(lines, "<== Main Stat Bonuses ==>", "-=- Cap Increases -=-");
}

bool HasLineStarting(const Lines& lines, const std::string& prefix) {
  for (const std::string& line : lines)
    if (line.rfind(prefix, 0) == 0) return true;
  return false;
}

constexpr int kArmsman = 0;
constexpr int kCleric = 2;
constexpr int kMinstrel = 8;
constexpr int kWizard = 15;
constexpr int kDruid = 21;
constexpr int kValkyrie = 44;

TEST(ReportHeader, CharacterLines) {
  TTemplateRecord tpl = Template("Sir Aldric", kArmsman);
  tpl.CharLevel = 47;
  tpl.RealmRank = 6;
  tpl.RaceIndex = 2;  // Briton
  const Lines lines = ReportLines(tpl);
  const Lines expected = {"Quillmark Classic v1.118.0.2 Template Report",
                          "",
                          "Character Name : Sir Aldric",
                          "Character Level: 47",
                          "Realm Rank     : 6",
                          "Server Type    : Normal",
                          "Class          : (Alb) Armsman",
                          "Race           : Briton",
                          "Realm          : Albion",
                          ""};
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + expected.size()), expected);

  ReportOptions noRace;
  noRace.DisplayRace = false;
  EXPECT_FALSE(HasLine(ReportLines(tpl, noRace), "Race           : Briton"));
  tpl.RaceIndex = 0;
  EXPECT_FALSE(HasLine(ReportLines(tpl), "Race           : <None>"));
}

TEST(ReportHeader, ServerTypeAndRealm) {
  const char* servers[] = {"Server Type    : Normal", "Server Type    : Coop",
                           "Server Type    : Classic", "Server Type    : PvP",
                           "Server Type    : Origins"};
  for (int server = 0; server < 5; ++server) {
    TTemplateRecord tpl = Template("S", kDruid);
    tpl.ServerType = static_cast<std::uint8_t>(server);
    const Lines lines = ReportLines(tpl);
    EXPECT_EQ(lines[5], servers[server]);
    EXPECT_EQ(lines[6], "Class          : (Hib) Druid");
    EXPECT_EQ(lines[7], "Realm          : Hibernia");
  }
  TTemplateRecord odd = Template("S", kValkyrie);
  odd.ServerType = 9;
  const Lines lines = ReportLines(odd);
  EXPECT_EQ(lines[5], "Class          : (Mid) Valkyrie ");
  EXPECT_EQ(lines[6], "Realm          : Midgard");
}

TEST(ReportHeader, ClassIndexBeyondTheTableIsNoClass) {
  TTemplateRecord tpl = Template("Ghost", 60);
  tpl.RaceIndex = 3;
  tpl.Slot(kNeck) = Item("Torc", {{142, 5}, {28, 3}});
  const Lines lines = ReportLines(tpl);
  const Lines stats = MainStats(lines);
  EXPECT_EQ(lines[6], "Class          : ");
  EXPECT_EQ(lines[7], "");  // neither race nor realm
  EXPECT_EQ(Between(lines, "-=- Skill Bonuses -=-", "-=- Resistance Bonuses -=-"),
            (Lines{"-=- Skill Bonuses -=-", " ", " "}));
  EXPECT_TRUE(HasLine(stats, "Acuity                         :     5"));
  // A class without acuity has no class stat line.
  for (const char* stat : {"Piety   ", "Intelligence   ", "Empathy   ", "Charisma   "})
    EXPECT_FALSE(HasLineStarting(stats, stat)) << stat;
  EXPECT_EQ(ReportSkillLineCount(60), 0);
  EXPECT_EQ(ReportSkillLineCount(-1), 0);
}

TEST(ReportUtility, TotalsAndAverageBonusLevel) {
  TTemplateRecord tpl = Template("U", kArmsman);
  tpl.Slot(kJewel) = Item("A", {{1, 15}, {11, 5}});  // utility 20.0, bonus level 14
  tpl.Slot(kRing1) = Item("B", {{10, 40}});          // utility 10.0, bonus level 9
  tpl.Slot(kBelt) = Item("C", {{148, 10}});          // ToA only, bonus level 10
  const Lines lines = ReportLines(tpl);
  EXPECT_EQ(Between(lines, "Total Utility     : 30.0", "<== Main Stat Bonuses ==>"),
            (Lines{"Total Utility     : 30.0", "Total ToA Utility : 40.0",
                   "Average Bonus LV  : 16.5", ""}));  // (14 + 9 + 10) / 2 shown utilities
  // The average counts the slots the main window shows a figure for.
  EXPECT_TRUE(HasLine(ReportLines(tpl, {}, 2), "Average Bonus LV  : 11.0"));

  // No slot shows a figure: the sum is not divided.
  TTemplateRecord toaOnly = Template("U", kArmsman);
  toaOnly.Slot(kJewel) = Item("A", {{148, 10}});
  toaOnly.Slot(kNeck) = Item("B", {{148, 10}});
  EXPECT_TRUE(HasLine(ReportLines(toaOnly), "Average Bonus LV  : 20.0"));

  ReportOptions hidden;
  hidden.DisplayUtility = false;
  const Lines without = ReportLines(tpl, hidden);
  EXPECT_EQ(without[7], "Realm          : Albion");
  EXPECT_EQ(without[8], "");
  EXPECT_EQ(without[9], "<== Main Stat Bonuses ==>");
}

TEST(ReportUtility, FarOutOfRangeLevelsAndFiguresThatRoundToZero) {
  TTemplateRecord deep = Template("U", kArmsman);
  deep.Slot(kJewel) = Item("A", {{134, INT32_MIN}, {1, 271}});  // bonus level -4294966934
  EXPECT_TRUE(HasLine(ReportLines(deep), "Average Bonus LV  : -4294966934.0"));
  EXPECT_TRUE(HasLine(ReportLines(deep, {}, 2), "Average Bonus LV  : -4294966934.0"));

  // A utility of -1.1e-16 shows "0.0" in the main window, so its slot is
  // not averaged in: 14 over one slot.
  TTemplateRecord nearlyZero = Template("U", kArmsman);
  nearlyZero.Slot(kJewel) = Item("A", {{1, 15}, {11, 5}});
  nearlyZero.Slot(kNeck) = Item("B", {{1, -3}, {3, 2}, {2, 1}});
  EXPECT_TRUE(HasLine(ReportLines(nearlyZero), "Average Bonus LV  : 14.0"));

  // -0.1 - 0.2 + 0.3 leaves -5.6e-17.
  TTemplateRecord cancelling = Template("U", kArmsman);
  cancelling.Slot(kJewel) = Item("A", {{1, 1}, {10, -3}});  // -0.1
  cancelling.Slot(kNeck) = Item("B", {{1, -1}, {10, 2}});   // -0.2
  cancelling.Slot(kCloak) = Item("C", {{1, 2}, {10, -4}});  // 0.3
  const Lines lines = ReportLines(cancelling);
  EXPECT_TRUE(HasLine(lines, "Total Utility     : 0.0"));
  EXPECT_TRUE(HasLine(lines, "Total ToA Utility : 0.0"));
}

TEST(ReportUtility, ReadsTheMeasureTextsItIsGiven) {
  TTemplateRecord tpl = Template("U", kArmsman);
  tpl.Slot(kJewel) = Item("A", {{1, 15}, {11, 5}});
  ReportContext context{tpl, {}, ReadingsFromTemplate(tpl, 0)};
  context.MainWindow.SlotMeasures.fill("0");
  context.MainWindow.SlotMeasures[3] = "7.5";
  context.MainWindow.SlotMeasures[4] = "2";
  EXPECT_TRUE(HasLine(BuildReport(context).Lines, "Average Bonus LV  : 7.0"));
}

TEST(ReportStats, WeaponLineAndHeading) {
  const char* weapons[] = {
      "Weapons Equipped : Right and Left Hands ( S / S )",
      "Weapons Equipped : Left and Two Handed ( S / S )", "Weapons Equipped : Two Handed ( 2H )",
      "Weapons Equipped : Ranged ( 2H )", "Weapons Equipped : No weapons equipped ( N/A )"};
  for (int config = 0; config < 5; ++config) {
    const Lines lines = ReportLines(Template("W", kArmsman, config));
    const Lines section = Between(lines, "<== Main Stat Bonuses ==>", "-=- Cap Increases -=-");
    ASSERT_GE(section.size(), 5u);
    EXPECT_EQ(Lines(section.begin(), section.begin() + 5),
              (Lines{"<== Main Stat Bonuses ==>", weapons[config], " ",
                     "Stat Details                     Items /   Cap  ( Diff. )", " "}))
        << config;
  }
  const Lines odd = ReportLines(Template("W", kArmsman, 8));
  const Lines oddSection = Between(odd, "<== Main Stat Bonuses ==>", "-=- Cap Increases -=-");
  ASSERT_GE(oddSection.size(), 2u);
  EXPECT_EQ(oddSection[1], " ");  // no weapon line for a configuration above 4
}

TEST(ReportStats, MainStatsAgainstTheirCaps) {
  TTemplateRecord tpl = Template("M", kArmsman);
  tpl.Slot(kJewel) = Item("A", {{1, 70}, {134, 10}, {2, 80}, {135, 30}, {10, 50}});
  tpl.Slot(kNeck) = Item("B", {{9, 4}, {146, 20}});
  const Lines lines = ReportLines(tpl);
  const Lines stats =
      Between(lines, "Strength                       :    70 /    85  (  -15 )", " ");
  EXPECT_EQ(stats, (Lines{"Strength                       :    70 /    85  (  -15 )",
                          "Constitution                   :    80 /   101  (  -21 )",
                          "Dexterity                      :     0 /    75  (  -75 )",
                          "Quickness                      :     0 /    75  (  -75 )",
                          "Hit Points                     :    50 /   220  ( -170 )",
                          "Power                          :     4 /    26  (  -22 )"}));
  // The cap increase over its own cap counts only up to it.
  EXPECT_TRUE(HasLine(lines, "Constitution Cap               :    30 /    26  (    4 )"));
}

TEST(ReportStats, AcuityStatOnlyWithAcuityBonuses) {
  struct Case {
    int classIndex;
    int statCode;
    int statCapCode;
    const char* label;
  };
  const Case cases[] = {{kCleric, 5, 138, "Piety"},
                        {kWizard, 6, 139, "Intelligence"},
                        {kDruid, 7, 140, "Empathy"},
                        {kMinstrel, 8, 141, "Charisma"}};
  for (const Case& c : cases) {
    TTemplateRecord tpl = Template("A", c.classIndex);
    tpl.Slot(kJewel) = Item("Stat only", {{c.statCode, 10}, {c.statCapCode, 4}});
    std::string label(c.label);
    label.resize(30, ' ');
    const Lines stats = MainStats(ReportLines(tpl));
    EXPECT_FALSE(HasLineStarting(stats, label + " :")) << c.label;
    EXPECT_FALSE(HasLineStarting(stats, "Acuity      ")) << c.label;

    tpl.Slot(kNeck) = Item("Acuity", {{142, 5}, {143, 3}});
    Lines lines = ReportLines(tpl);
    // Items: stat + acuity; cap: 75 + the stat's and acuity's cap increases.
    EXPECT_TRUE(HasLine(lines, label + " :    15 /    82  (  -67 )")) << c.label;
    EXPECT_TRUE(HasLine(lines, "Acuity                         :     5")) << c.label;

    // An Acuity Cap alone is enough to show both lines.
    tpl.Slot(kNeck) = Item("Acuity cap", {{143, 3}});
    lines = ReportLines(tpl);
    EXPECT_TRUE(HasLine(lines, label + " :    10 /    82  (  -72 )")) << c.label;
    EXPECT_TRUE(HasLine(lines, "Acuity                         :     0")) << c.label;
  }
  // A class without acuity shows only the Acuity value.
  TTemplateRecord armsman = Template("A", kArmsman);
  armsman.Slot(kJewel) = Item("Acuity", {{142, 5}, {6, 7}});
  const Lines stats = MainStats(ReportLines(armsman));
  EXPECT_TRUE(HasLine(stats, "Acuity                         :     5"));
  EXPECT_FALSE(HasLineStarting(stats, "Intelligence    "));
}

TEST(ReportStats, PowerPoolAndCapIncreases) {
  TTemplateRecord tpl = Template("P", kWizard);
  tpl.Slot(kJewel) = Item("A", {{145, 10}, {144, 30}, {137, 2}, {141, 1}});
  const Lines lines = ReportLines(tpl);
  EXPECT_TRUE(HasLine(lines, "Power                          :     0 /    52  (  -52 )"));
  EXPECT_TRUE(HasLine(lines, "Power Pool %                   :    10 /    51  (  -41 )"));
  EXPECT_EQ(Between(lines, "-=- Cap Increases -=-", "-=- Skill Bonuses -=-"),
            (Lines{"-=- Cap Increases -=-", " ",
                   "Quickness Cap                  :     2 /    26  (  -24 )",
                   "Charisma Cap                   :     1 /    26  (  -25 )",
                   "Power Cap                      :    30 /    26  (    4 )", " "}));
  ReportOptions noCaps;
  noCaps.DisplayCap = false;
  EXPECT_FALSE(HasLine(ReportLines(tpl, noCaps), "-=- Cap Increases -=-"));
}

TEST(ReportStats, SkillDifferencesAndGroupTotals) {
  TTemplateRecord tpl = Template("S", kArmsman, 0);
  tpl.RealmRank = 3;  // +2 on every skill, cap 10 + 3
  tpl.Slot(kJewel) = Item("A", {{23, 11}, {24, 1}, {32, 12}, {20, 1}});
  tpl.Slot(kNeck) = Item("B", {{21, 2}, {182, 4}});
  const Lines lines = ReportLines(tpl);
  EXPECT_EQ(Between(lines, "-=- Skill Bonuses -=-", "-=- Resistance Bonuses -=-"),
            (Lines{"-=- Skill Bonuses -=-", " ",
                   "Shield Skill                   :    13 /    13  (   +0 )",
                   "Parry Skill                    :     3 /    13  (  -10 )",
                   "Two Hand Skill                 :     3 /    13  (  -10 )",
                   "Polearm Skill                  :    15 /    13  (   +2 )",
                   "Slash Skill                    :     3 /    13  (  -10 )",
                   "Crush Skill                    :     3 /    13  (  -10 )",
                   "Thrust Skill                   :     3 /    13  (  -10 )",
                   "Crossbow Skill                 :     2 /    13  (  -11 )", "",
                   "All Melee                      :    +1 /    13",
                   "All Casting                    :     2 /    13",
                   "All Archery                    :     4 /    13", " "}));
}

TEST(ReportStats, SkillRowsPerClass) {
  // The walked rows are the class's real skill rows; display-only rows never show.
  for (int classIndex = 0; classIndex < kClassTableSize; ++classIndex) {
    int realRows = 0;
    for (const SkillRow& row : ClassOf(classIndex).Rows)
      if (row.Code != kEmptySkillRow && row.Code < kChantsRow) ++realRows;
    EXPECT_EQ(ReportSkillLineCount(classIndex), realRows) << ClassOf(classIndex).Text;
  }
  const Lines valkyrie = ReportLines(Template("V", kValkyrie));
  const Lines skills = Between(valkyrie, "-=- Skill Bonuses -=-", "-=- Resistance Bonuses -=-");
  ASSERT_EQ(skills.size(), 9u);
  EXPECT_EQ(skills[2].substr(0, 10), "Odin's Wil");
  EXPECT_EQ(skills[7], "Mending                        :     0 /    11  (  -11 )");
}

TEST(ReportStats, ResistsWithAndWithoutRace) {
  TTemplateRecord tpl = Template("R", kArmsman);
  tpl.RaceIndex = 2;  // Briton: Crush 2, Slash 3, Spirit 5
  tpl.Slot(kJewel) = Item("A", {{11, 10}, {16, 4}, {17, 6}, {19, 30}});
  const Lines withRace = ReportLines(tpl);
  EXPECT_EQ(Between(withRace, "-=- Resistance Bonuses -=-", "-=- Other Bonuses -=-"),
            (Lines{"-=- Resistance Bonuses -=-", " ",
                   "Crush Resist                   :    12 /    28  (  -16 )  + 2%",
                   "Slash Resist                   :     3 /    29  (  -26 )  + 3%",
                   "Thrust Resist                  :     0 /    26  (  -26 )  + 0%",
                   "Heat Resist                    :     0 /    26  (  -26 )  + 0%",
                   "Cold Resist                    :     0 /    26  (  -26 )  + 0%",
                   "Matter Resist                  :     6 /    26  (  -20 )  + 0%",
                   "Energy Resist                  :     4 /    26  (  -22 )  + 0%",
                   "Body Resist                    :     0 /    26  (  -26 )  + 0%",
                   "Spirit Resist                  :    35 /    31  (    4 )  + 5%", " "}));
  ReportOptions noRace;
  noRace.DisplayRace = false;
  const Lines plain = ReportLines(tpl, noRace);
  EXPECT_TRUE(HasLine(plain, "Crush Resist                   :    10 /    26  (  -16 )"));
  EXPECT_TRUE(HasLine(plain, "Spirit Resist                  :    30 /    26  (    4 )"));

  tpl.Slot(kNeck) = Item("B", {{198, 7}});
  EXPECT_TRUE(
      HasLine(ReportLines(tpl), "Essence Resist                 :     7 /    26  (  -19 )"));
}

TEST(ReportStats, OtherBonusesInTheirOrder) {
  TTemplateRecord tpl = Template("O", kDruid);
  tpl.Slot(kJewel) = Item("A", {{183, 2}, {152, 3}, {157, 2}, {162, 5}, {149, 1}});
  tpl.Slot(kNeck) = Item("B", {{166, 1}, {171, 3}, {148, 60}, {147, 4}, {176, 2}});
  const Lines lines = ReportLines(tpl);
  EXPECT_EQ(Between(lines, "-=- Other Bonuses -=-", "<== Equipment Info ==>"),
            (Lines{"-=- Other Bonuses -=-", "",
                   "Melee Speed                    :     1 /    10  (   -9 )",
                   "Archery/Spell Haste            :     5 /    10  (   -5 )",
                   "Extra Endurance                :     4 /    15  (  -11 )",
                   "Armor Factor Bonus             :    60 /    50  (   10 )",
                   "Experience Bonus               :     5 /    10  (   -5 )",
                   "(PvE) Evade Bonus              :     1 /    10  (   -9 )",
                   "(PvE) To Hit bonus             :     3 /     5  (   -2 )",
                   "(PvE) Neg Effect Reduce        :     2 /    10  (   -8 )",
                   "(PvE) Defensive Bonus          :     2 /    10  (   -8 )", " "}));
}

TEST(ReportStats, LineFormatsKeepLongValues) {
  EXPECT_EQ(FormatF4("A label far longer than thirty columns", "123456", "7", "+123456"),
            "A label far longer than thirty columns : 123456 /     7  ( +123456 )");
  EXPECT_EQ(FormatF3("All Casting", "2", "11"), "All Casting                    :     2 /    11");
  EXPECT_EQ(FormatF1("Acuity", "5"), "Acuity                         :     5");
  EXPECT_EQ(FormatFR("Heat Resist", "5", "31", "-26", "5"),
            "Heat Resist                    :     5 /    31  (  -26 )  + 5%");
}

}  // namespace
}  // namespace qm
