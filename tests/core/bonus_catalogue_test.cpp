#include "core/bonus_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace qm {
namespace {

TEST(BonusCatalogue, NamesByCode) {
  const struct {
    int code;
    std::string_view name;
  } cases[] = {
      {0, "<Empty>"},
      {1, "Strength"},
      {16, "Energy Resist"},
      {22, "Focus: All Lines"},
      {29, "Crush Skill "},  // the trailing blank is part of the name
      {64, "Focus:Wind"},
      {65, "Blades Skill"},
      {88, "Vampiiric Embrace"},
      {102, "Focus:Void"},
      {103, "Sword Skill"},
      {133, "Focus:Witchcraft"},
      {142, "Acuity"},
      {145, "Power Pool %"},
      {157, "Archery Speed"},
      {170, "Arcane Siphoning"},
      {179, "All Melee Skills"},
      {190, "Fatigue Cap"},
      {193, "Style Damage Vs. "},
      {195, "Archery/Spell Damage Vs. "},
      {198, "Essence Resist"},
      {199, ""},
      {255, ""},
      {-1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(BonusName(c.code), c.name) << "code " << c.code;
}

TEST(BonusCatalogue, ArchetypeNamesAndListSizes) {
  EXPECT_EQ(ArchetypeName(0), "<Select>");
  EXPECT_EQ(ArchetypeName(1), "0. Attributes");
  EXPECT_EQ(ArchetypeName(5), "4. Hibernian Skills");
  EXPECT_EQ(ArchetypeName(10), "9. Full Listing");
  EXPECT_EQ(ArchetypeName(11), "");

  // Sizes include "<Empty>" at position 0.
  const int sizes[kArchetypeCount] = {1, 13, 11, 16, 38, 39, 32, 13, 26, 15, 199};
  for (int a = 0; a < kArchetypeCount; ++a) {
    EXPECT_EQ(ArchetypeListSize(a), sizes[a]) << "archetype " << a;
    EXPECT_EQ(ArchetypeEntryText(a, 0), "<Empty>") << "archetype " << a;
    EXPECT_EQ(BonusOfArchetype(a, 0), 0);
  }
  EXPECT_EQ(ArchetypeListSize(-1), 0);
  EXPECT_EQ(ArchetypeListSize(11), 0);
}

TEST(BonusCatalogue, AttributeListShowsItsOwnTexts) {
  EXPECT_EQ(ArchetypeEntryText(1, 9), "Acuity");
  EXPECT_EQ(ArchetypeEntryText(1, 10), "Power Points (Not %)");
  EXPECT_EQ(ArchetypeEntryText(1, 12), "Power Pool");
  EXPECT_EQ(BonusName(BonusOfArchetype(1, 12)), "Power Pool %");
  EXPECT_EQ(ArchetypeEntryText(1, 13), "");

  // Every other list shows the catalogue names of the codes it gives back.
  for (int a = 2; a < kArchetypeCount; ++a) {
    for (int p = 0; p < ArchetypeListSize(a); ++p) {
      EXPECT_EQ(ArchetypeEntryText(a, p), BonusName(BonusOfArchetype(a, p)))
          << "archetype " << a << " position " << p;
    }
  }
  EXPECT_EQ(ArchetypeEntryText(8, 7), "Spell Speed");
}

TEST(BonusCatalogue, MappingEdgeCases) {
  EXPECT_EQ(ArchetypeOfBonus(142), (ArchetypePosition{1, 9}));
  EXPECT_EQ(BonusOfArchetype(1, 9), 142);
  EXPECT_EQ(ArchetypeOfBonus(145), (ArchetypePosition{8, 1}));
  EXPECT_EQ(BonusOfArchetype(1, 12), 145);
  EXPECT_EQ(BonusOfArchetype(8, 1), 145);
  EXPECT_EQ(ArchetypeOfBonus(16), (ArchetypePosition{2, 9}));
  EXPECT_EQ(ArchetypeOfBonus(198), (ArchetypePosition{2, 10}));
  EXPECT_EQ(ArchetypeOfBonus(9), (ArchetypePosition{1, 10}));
  EXPECT_EQ(ArchetypeOfBonus(190), (ArchetypePosition{7, 12}));
  EXPECT_EQ(ArchetypeOfBonus(29), (ArchetypePosition{4, 2}));
  EXPECT_EQ(ArchetypeOfBonus(102), (ArchetypePosition{5, 38}));
  EXPECT_EQ(ArchetypeOfBonus(103), (ArchetypePosition{6, 1}));
  EXPECT_EQ(ArchetypeOfBonus(183), (ArchetypePosition{9, 14}));
  EXPECT_EQ(ArchetypeOfBonus(0), (ArchetypePosition{0, 0}));
  EXPECT_EQ(ArchetypeOfBonus(199), (ArchetypePosition{0, 0}));
  EXPECT_EQ(ArchetypeOfBonus(255), (ArchetypePosition{0, 0}));
  EXPECT_EQ(BonusOfArchetype(7, 13), 0);
  EXPECT_EQ(BonusOfArchetype(0, 5), 0);
  EXPECT_EQ(BonusOfArchetype(10, 199), 0);
  EXPECT_EQ(BonusOfArchetype(11, 1), 0);
  EXPECT_EQ(BonusOfArchetype(3, -1), 0);
}

// Codes that show in a twin's row and come back as the twin's code.
struct ShownAsTwin {
  int code;
  ArchetypePosition shownAt;
  int savedAs;
};
constexpr ShownAsTwin kTwins[] = {
    {157, {8, 7}, 152}, {158, {8, 9}, 154}, {159, {8, 8}, 153},
    {179, {3, 1}, 20},  {180, {3, 2}, 21},
};

TEST(BonusCatalogue, NonInverseCodesShowInTheirTwinsRow) {
  for (const ShownAsTwin& t : kTwins) {
    EXPECT_EQ(ArchetypeOfBonus(t.code), t.shownAt) << "code " << t.code;
    EXPECT_EQ(BonusOfArchetype(t.shownAt.Archetype, t.shownAt.Position), t.savedAs);
  }
}

TEST(BonusCatalogue, EveryCodeRoundTripsThroughItsRow) {
  for (int code = 1; code <= kMaxBonusCode; ++code) {
    const ArchetypePosition at = ArchetypeOfBonus(code);
    ASSERT_GE(at.Archetype, 1) << "code " << code << " has no row";
    ASSERT_LE(at.Archetype, 9) << "code " << code;
    int expected = code;
    for (const ShownAsTwin& t : kTwins) {
      if (t.code == code) expected = t.savedAs;
    }
    EXPECT_EQ(BonusOfArchetype(at.Archetype, at.Position), expected) << "code " << code;
  }
}

TEST(BonusCatalogue, EveryPositionRoundTripsThroughItsCode) {
  std::set<int> listed;
  for (int a = 1; a <= 9; ++a) {
    for (int p = 1; p < ArchetypeListSize(a); ++p) {
      const int code = BonusOfArchetype(a, p);
      ASSERT_GT(code, 0);
      listed.insert(code);
      if (a == 1 && p == 12) continue;  // 145 shows on its ToA row
      EXPECT_EQ(ArchetypeOfBonus(code), (ArchetypePosition{a, p}))
          << "archetype " << a << " position " << p;
    }
  }
  // Only the five twins are missing from the category lists.
  EXPECT_EQ(listed.size(), 198u - std::size(kTwins));
  for (int p = 0; p < ArchetypeListSize(10); ++p) EXPECT_EQ(BonusOfArchetype(10, p), p);
}

TEST(BonusCatalogue, SkillGroups) {
  int melee = 0, casting = 0, dual = 0, archery = 0;
  for (int code = -1; code <= 256; ++code) {
    const int groups =
        IsMeleeSkill(code) + IsCastingSkill(code) + IsDualWieldSkill(code) + IsArcherySkill(code);
    EXPECT_LE(groups, 1) << "code " << code << " in several groups";
    melee += IsMeleeSkill(code);
    casting += IsCastingSkill(code);
    dual += IsDualWieldSkill(code);
    archery += IsArcherySkill(code);
  }
  EXPECT_EQ(melee, 20);
  EXPECT_EQ(casting, 53);
  EXPECT_EQ(dual, 3);
  EXPECT_EQ(archery, 3);

  for (int code : {28, 33, 37, 65, 68, 70, 71, 103, 105, 107, 108, 185, 186}) {
    EXPECT_TRUE(IsMeleeSkill(code)) << code;
  }
  for (int code : {38, 53, 73, 91, 111, 125, 187, 189}) EXPECT_TRUE(IsCastingSkill(code)) << code;
  for (int code : {34, 69, 106}) EXPECT_TRUE(IsDualWieldSkill(code)) << code;
  for (int code : {35, 72, 109}) EXPECT_TRUE(IsArcherySkill(code)) << code;

  // Crossbow, thrown weapons, the plain skills and the group bonuses
  // themselves gain nothing from a group bonus.
  for (int code : {0, 20, 21, 23, 24, 25, 26, 27, 36, 110, 179, 180, 181, 182, 22, 54, 92, 126}) {
    EXPECT_FALSE(IsMeleeSkill(code) || IsCastingSkill(code) || IsDualWieldSkill(code) ||
                 IsArcherySkill(code))
        << code;
  }
}

TEST(BonusCatalogue, FocusCodesAreExactlyTheFocusNames) {
  int count = 0;
  for (int code = 0; code <= 255; ++code) {
    const bool named = BonusName(code).starts_with("Focus:");
    EXPECT_EQ(IsFocusBonus(code), named) << "code " << code;
    count += IsFocusBonus(code);
  }
  EXPECT_EQ(count, 1 + 11 + 11 + 8);
}

TEST(BonusCatalogue, CodeOfNameIgnoresCaseButNotBlanks) {
  EXPECT_EQ(BonusCodeOfName("Crush Skill "), 29);
  EXPECT_EQ(BonusCodeOfName("cRUSH sKILL "), 29);
  EXPECT_EQ(BonusCodeOfName("Crush Skill"), std::nullopt);
  EXPECT_EQ(BonusCodeOfName(" Crush Skill "), std::nullopt);
  EXPECT_EQ(BonusCodeOfName("STYLE DAMAGE VS. "), 193);
  EXPECT_EQ(BonusCodeOfName("Style Damage Vs."), std::nullopt);
  EXPECT_EQ(BonusCodeOfName("<empty>"), 0);
  EXPECT_EQ(BonusCodeOfName(""), std::nullopt);
  EXPECT_EQ(BonusCodeOfName("Power Points (Not %)"), std::nullopt);  // an editor text only
  // The later twins share their names; the first code wins.
  EXPECT_EQ(BonusCodeOfName("All Melee Skills"), 20);
  EXPECT_EQ(BonusCodeOfName("all casting skills"), 21);

  for (int code = 0; code <= kMaxBonusCode; ++code) {
    const auto found = BonusCodeOfName(BonusName(code));
    ASSERT_TRUE(found.has_value()) << "code " << code;
    EXPECT_EQ(*found, code == 179 ? 20 : code == 180 ? 21 : code);
  }
}

}  // namespace
}  // namespace qm
