#include "mainwin/totals_display.h"

#include <gtest/gtest.h>

#include "core/char_attributes.h"
#include "tools/samples.h"

namespace qm {
namespace {

constexpr int kArmsman = 0;
constexpr int kPaladin = 10;
constexpr int kEldritch = 22;  // Intelligence acuity

struct Fixture {
  TTemplateRecord tpl = EmptyTemplate();
  TCharAttributes attributes;
  TotalsDisplay display = InitialTotalsDisplay();

  explicit Fixture(int classIndex, std::string_view race = "<None>") {
    tpl.ClassIndex = static_cast<std::uint8_t>(classIndex);
    ApplyClass(attributes, classIndex);
    ApplyRace(attributes, race);
    ApplyClassToDisplay(display, classIndex);
  }
  const FigureRow& Recalc() {
    RecalcTotalsDisplay(display, tpl, attributes, ComputeTotals(tpl));
    return display.MainStats[0];
  }
  const FigureRow& Row(const std::string& valueObject) const {
    const FigureRow* row = display.Find(valueObject);
    EXPECT_NE(row, nullptr) << valueObject;
    return *row;
  }
};

TEST(TotalsDisplay, EmptyLevelFiftyTemplateIsAllBlackZeros) {
  Fixture f(kArmsman, "Briton");
  f.Recalc();
  for (const char* stat : {"lStr", "lCon", "lDex", "lQui", "lHits"}) {
    const FigureRow& row = f.Row(stat);
    EXPECT_EQ(row.Value.Text, "0") << stat;
    EXPECT_EQ(row.Value.Colour, kBlack) << stat;
    EXPECT_EQ(row.Name.Colour, kBlack) << stat;
  }
  EXPECT_EQ(f.Row("lStr").Cap.Text, "/ 75");
  EXPECT_EQ(f.Row("lStr").Diff.Text, "(-75)");
  EXPECT_EQ(f.Row("lStr").Cap.Hint, "Cap Increase: 0");
  EXPECT_EQ(f.Row("lHits").Cap.Text, "/ 200");
  // Briton: Crush 2, Slash 3, Spirit 5 on top of the level's 26.
  EXPECT_EQ(f.Row("lCrush").Cap.Text, "/ 28%");
  EXPECT_EQ(f.Row("lSlash").Cap.Text, "/ 29%");
  EXPECT_EQ(f.Row("lHeat").Cap.Text, "/ 26%");
  EXPECT_EQ(f.Row("lSpirit").Cap.Text, "/ 31%");
  EXPECT_EQ(f.Row("lSpirit").Value.Text, "5");
  EXPECT_EQ(f.Row("lSpirit").Diff.Text, "(-26)");
  EXPECT_EQ(f.Row("lSpirit").Value.Colour, kBlack);  // the race part does not colour
  for (const FigureRow& row : f.display.Skills) {
    EXPECT_EQ(row.Value.Text, "0");
    EXPECT_EQ(row.Cap.Text, "/ 11");
    EXPECT_EQ(row.Diff.Text, "(-11)");
    EXPECT_EQ(row.Value.Colour, kBlack);
  }
  EXPECT_EQ(f.Row("iPower").Cap.Text, "/25");
  EXPECT_EQ(f.Row("iAF").Cap.Text, "/50");
  EXPECT_EQ(f.Row("iFatigue").Cap.Text, "/15");
  EXPECT_EQ(f.Row("iEvade").Value.Text, "0");
}

TEST(TotalsDisplay, CapIncreasesColourTheCapLabel) {
  struct Case {
    int strength, capIncrease;
    std::string cap, diff;
    Colour value, capColour;
  };
  const Case cases[] = {
      {80, 10, "/ 85", "(-5)", kBlue, kBlue},
      {80, 30, "/ 101", "(-21)", kBlue, kRed},  // 30 counts only up to 26
      {80, 0, "/ 75", "(+5)", kRed, kBlack},
      {101, 26, "/ 101", "(+0)", kBlue, kBlue},
  };
  for (const Case& c : cases) {
    Fixture f(kArmsman);
    f.tpl.Slot(kJewel) = samples::MakeItem("Jewel", {{1, c.strength}});
    if (c.capIncrease) f.tpl.Slot(kNeck) = samples::MakeItem("Neck", {{134, c.capIncrease}});
    f.Recalc();
    const FigureRow& row = f.Row("lStr");
    SCOPED_TRACE(c.strength * 100 + c.capIncrease);
    EXPECT_EQ(row.Cap.Text, c.cap);
    EXPECT_EQ(row.Diff.Text, c.diff);
    EXPECT_EQ(row.Value.Colour, c.value);
    EXPECT_EQ(row.Name.Colour, c.value);
    EXPECT_EQ(row.Cap.Colour, c.capColour);
    EXPECT_EQ(row.Cap.Hint, "Cap Increase: " + std::to_string(c.capIncrease));
  }
}

TEST(TotalsDisplay, ResistOverCapTurnsValueCapAndDifferenceRed) {
  Fixture f(kArmsman);
  f.attributes.RaceResists[0] = 5;  // a race with Crush 5
  f.tpl.Slot(kChest) = samples::MakeItem("Chest", {{11, 30}});
  f.Recalc();
  const FigureRow& row = f.Row("lCrush");
  EXPECT_EQ(row.Value.Text, "35");
  EXPECT_EQ(row.Cap.Text, "/ 31%");
  EXPECT_EQ(row.Diff.Text, "(+4)");
  for (const LabelState* label : {&row.Value, &row.Cap, &row.Diff, &row.Name})
    EXPECT_EQ(label->Colour, kRed);
}

TEST(TotalsDisplay, RealmRankRaisesSkillValuesAndCaps) {
  Fixture f(kArmsman);
  f.tpl.RealmRank = 5;
  f.Recalc();
  const FigureRow& shield = f.display.Skills[0];
  EXPECT_EQ(shield.Name.Text, "Shield");
  EXPECT_EQ(shield.Value.Tag, 23);
  EXPECT_EQ(shield.Value.Text, "4");
  EXPECT_EQ(shield.Cap.Text, "/ 15");
  EXPECT_EQ(shield.Diff.Text, "(-11)");
  EXPECT_EQ(shield.Value.Colour, kBlue);
  EXPECT_EQ(shield.Diff.Colour, kBlue);

  f.tpl.Slot(kRing1) = samples::MakeItem("Ring", {{23, 13}});  // 13 + 4 = 17 over 15
  f.Recalc();
  EXPECT_EQ(f.display.Skills[0].Value.Text, "17");
  EXPECT_EQ(f.display.Skills[0].Diff.Text, "(+2)");
  EXPECT_EQ(f.display.Skills[0].Name.Colour, kRed);
}

TEST(TotalsDisplay, DisplayOnlyAndEmptySkillRows) {
  Fixture f(kPaladin);
  f.Recalc();
  const FigureRow& chants = f.display.Skills[6];
  EXPECT_EQ(chants.Name.Text, "Chants+");
  EXPECT_EQ(chants.Value.Text, "0");
  EXPECT_EQ(chants.Cap.Text, "/ 0");
  EXPECT_EQ(chants.Diff.Text, " ");
  const FigureRow& unused = f.display.Skills[7];
  EXPECT_EQ(unused.Name.Text, "");
  EXPECT_EQ(unused.Cap.Text, "");
  EXPECT_EQ(unused.Diff.Text, " ");

  // A class change clears what the previous class showed.
  ApplyClassToDisplay(f.display, 1);  // Cabalist: three rows
  f.Recalc();
  EXPECT_EQ(f.display.Skills[3].Name.Text, "");
  EXPECT_EQ(f.display.Skills[3].Value.Text, "");
  EXPECT_EQ(f.display.Skills[3].Cap.Text, "");
  EXPECT_EQ(f.display.Skills[2].Name.Text, "Spirit");
}

TEST(TotalsDisplay, AcuityRowFollowsTheClass) {
  Fixture caster(kEldritch);
  caster.tpl.Slot(kJewel) = samples::MakeItem("Jewel", {{142, 10}, {6, 15}, {143, 4}, {139, 5}});
  caster.Recalc();
  const FigureRow& acuity = caster.display.MainStats[kAcuityRow];
  EXPECT_EQ(acuity.Name.Text, "Intelligence");
  EXPECT_EQ(acuity.Value.Tag, 6);
  EXPECT_EQ(acuity.Cap.Tag, 139);
  EXPECT_EQ(acuity.Value.Text, "25");
  EXPECT_EQ(acuity.Cap.Text, "/ 84");
  EXPECT_EQ(acuity.Cap.Hint, "Cap Increase: 9");
  EXPECT_EQ(acuity.Cap.Colour, kBlue);

  Fixture fighter(kArmsman);
  fighter.Recalc();
  const FigureRow& none = fighter.display.MainStats[kAcuityRow];
  EXPECT_EQ(none.Name.Text, "");
  EXPECT_EQ(none.Value.Text, "");
  EXPECT_EQ(none.Cap.Text, "");
  EXPECT_EQ(none.Diff.Text, " ");
  EXPECT_EQ(none.Value.Tag, 0);
  EXPECT_EQ(none.Cap.Tag, 0);
}

TEST(TotalsDisplay, PlainRowsUseTheirCapsAndThePowerPoolIncrease) {
  Fixture f(kEldritch);
  f.tpl.Slot(kJewel) = samples::MakeItem("Jewel", {{145, 30}, {144, 3}, {190, 5}, {148, 20}});
  f.Recalc();
  EXPECT_EQ(f.Row("iPower").Value.Text, "30");
  EXPECT_EQ(f.Row("iPower").Cap.Text, "/28");  // 25 + the 3 of "Power Cap"
  EXPECT_EQ(f.Row("iPower").Value.Colour, kRed);
  EXPECT_EQ(f.Row("iPower").Cap.Colour, kRed);
  EXPECT_EQ(f.Row("iPower").Cap.Tag, 144);
  EXPECT_EQ(f.Row("iFatigue").Cap.Text, "/20");  // a "Fatigue Cap" raises it without limit
  EXPECT_EQ(f.Row("iAF").Value.Text, "20");
  EXPECT_EQ(f.Row("iAF").Name.Colour, kBlue);
}

TEST(TotalsDisplay, InitialTextsAndObjectNames) {
  const TotalsDisplay display = InitialTotalsDisplay();
  EXPECT_EQ(display.MainStats[0].ValueObject, "lStr");
  EXPECT_EQ(display.MainStats[0].CapObject, "lStrCap");
  EXPECT_EQ(display.MainStats[0].DiffObject, "lStrDis");
  EXPECT_EQ(display.MainStats[0].Cap.Hint, "+ToA Cap");
  EXPECT_EQ(display.Skills[0].Value.Hint, "to cap");
  EXPECT_EQ(display.Resists[8].Cap.Text, "/ 0%");
  const FigureRow* power = display.Find("iPower");
  ASSERT_NE(power, nullptr);
  EXPECT_EQ(power->CapObject, "cPower");
  EXPECT_EQ(power->Value.Text, "+0");
  EXPECT_EQ(display.AllRows().size(), 6u + 9 + 8 + 4 + 15 + 12);
}

TEST(TotalsDisplay, SlotNameColoursByItemType) {
  const std::pair<int, Colour> cases[] = {
      {0, kBlack},    {1, kBlue},    {2, kFuchsia}, {3, kRed},    {4, kMaroon},  {5, kNavy},
      {6, kRed},      {7, kFuchsia}, {8, kBlue},    {13, kBlue},  {14, kPurple}, {15, kPurple},
      {16, kFuchsia}, {17, kBlack},  {200, kBlack}, {255, kBlack}};
  for (const auto& [type, colour] : cases) EXPECT_EQ(ItemTypeColour(type), colour) << type;
}

}  // namespace
}  // namespace qm
