#include "spellcraft/gem_names.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

constexpr int kAlbion = 0;
constexpr int kHibernia = 1;
constexpr int kMidgard = 2;

TEST(GemName, QualityWordThenKind) {
  const struct {
    int code, tier, realm;
    std::string_view name;
  } cases[] = {
      {1, 9, kAlbion, "Perfect fiery essence jewel"},
      {20, 0, kMidgard, "Raw finesse war rune"},
      {20, 3, kHibernia, "Flawed finesse spell stone"},
      {21, 5, kAlbion, "Polished finesse fervor sigil"},
      {22, 8, kHibernia, "Flawless brilliant focus stone"},
      {22, 1, kMidgard, "Uncut brilliant focus rune"},
      {99, 0, kAlbion, "Raw phantasmal focus stone"},
      {100, 2, kAlbion, "Rough spectral arcane focus stone"},
      {132, 6, kMidgard, "Faceted dusty focus rune"},
      {124, 7, kMidgard, "Precious dusty chaos rune"},
      {125, 5, kAlbion, "Polished "},  // no kind for 125
      {133, 4, kAlbion, "Imperfect "},
      {185, 9, kAlbion, "Perfect "},  // Mauler Staff
      {0, 0, kAlbion, "Raw "},
      {1, 10, kAlbion, "fiery essence jewel"},  // no word past the tenth tier
      {1, -1, kAlbion, "fiery essence jewel"},
      {20, 2, 3, "Rough "},  // the realm-bound gems need a realm
  };
  for (const auto& c : cases)
    EXPECT_EQ(GemName(c.code, c.tier, c.realm), c.name) << c.code << " tier " << c.tier;
}

TEST(GemMaterials, LayoutAndCounts) {
  const struct {
    int code, tier, realm;
    std::string_view materials;
  } cases[] = {
      {1, 9, kAlbion, "1 Ra , 37 Essence of Life | 10 Draconic Fire"},
      {12, 3, kAlbion, "1 Ee , 16 Ground Draconic Scales | 4 Leviathan Blood"},
      {21, 0, kHibernia, "1 Lo , 1 Fairy Dust | 2 Draconic Fire, Mystic Energy & Treant Blood"},
      {22, 4, kAlbion,
       "1 Pal , 21 Ground Draconic Scales | 5 Draconic Fire, Mystic Energy & Treant Blood"},
      {20, 9, kAlbion,
       "1 Ra , 37 Ground Caer Stone | 2 Draconic Fire, Mystic Energy & Treant Blood"},
      {20, 1, kHibernia, "1 Um , 5 Unseelie Dust | 2 Draconic Fire, Mystic Energy & Treant Blood"},
      {20, 2, kMidgard,
       "1 On , 9 Ground Giant Bone | 2 Draconic Fire, Mystic Energy & Treant Blood"},
      {21, 6, kAlbion,
       "1 Ros , 25 Ground Blessed Undead Bone | 2 Draconic Fire, Mystic Energy & Treant Blood"},
      {21, 7, kMidgard,
       "1 Zo , 29 Ground Vendo Bone | 2 Draconic Fire, Mystic Energy & Treant Blood"},
      {99, 0, kAlbion, "1 Lo , 1 Ground Draconic Scales | "},
      {125, 5, kAlbion, "1 Mon ,  | "},
      {185, 8, kAlbion, "1 Kath ,  | "},
      {133, 9, kAlbion, "1 Ra , 46 Ground Draconic Scales | "},
      {19, 9, kAlbion, "1 Ra , 46 Ground Draconic Scales | 10 Swamp Fog"},
      {33, 0, kAlbion, "1 Lo , 1 Bloodied Battlefield Dirt | 1 Treant Blood"},
      {16, 2, kAlbion, "1 On , 11 Ground Draconic Scales | 3 Sun Light"},
      {10, 4, kAlbion, "1 Pal , 17 Essence of Life | 5 Giant Blood"},
      {75, 1, kAlbion, "1 Um , 5 Other Worldly Dust | 2 Treant Blood"},
      {120, 3, kAlbion, "1 Ee , 13 Soot from Niflheim | 4 Heat From an Unearthly Pyre"},
      {48, 2, kAlbion, "1 On , 9 Ground Cave Crystal | 3 Leviathan Blood"},
      {0, 0, kAlbion, "1 Lo ,  | "},
      // Past the tenth tier the base gem is gone but the counts follow their formulas.
      {1, 10, kAlbion, " , 41 Essence of Life | 11 Draconic Fire"},
      {11, 12, kAlbion, " , 61 Ground Draconic Scales | 13 Draconic Fire"},
      {20, 0, 3, "1 Lo ,  | 2 Draconic Fire, Mystic Energy & Treant Blood"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GemMaterials(c.code, c.tier, c.realm), c.materials) << c.code << " tier " << c.tier;
}

TEST(GemMaterials, EveryGemOfTheLaddersHasItsFirstAndLastCounts) {
  // Tier 0 counts one of each material, tier 9 counts 37 or 46 dust and 10 liquid.
  for (int code = 1; code <= 133; ++code) {
    const GemMaterialCounts low = GemMaterialCountsOf(code, 0, kAlbion);
    const GemMaterialCounts high = GemMaterialCountsOf(code, 9, kAlbion);
    if (low.Dust >= 0) {
      EXPECT_EQ(low.DustCount, 1) << code;
      EXPECT_TRUE(high.DustCount == 37 || high.DustCount == 46) << code;
      EXPECT_EQ(high.DustCount == 46, low.Dust == static_cast<int>(GemDust::kGroundDraconicScales))
          << code;
    }
    long long liquids = 0;
    for (long long n : high.Liquids) liquids += n;
    if (code == 20 || code == 21) {
      EXPECT_EQ(liquids, 6) << code;
    } else if (code == 22) {
      EXPECT_EQ(liquids, 30);
    } else if (liquids != 0) {
      EXPECT_EQ(liquids, 10) << code;
    }
  }
}

TEST(GemMaterialCounts, MatchTheMaterialsText) {
  GemMaterialCounts c = GemMaterialCountsOf(12, 3, kAlbion);
  EXPECT_EQ(c.Quality, 3);
  EXPECT_EQ(c.Dust, static_cast<int>(GemDust::kGroundDraconicScales));
  EXPECT_EQ(c.DustCount, 16);
  EXPECT_EQ(c.Liquids[static_cast<std::size_t>(GemLiquid::kLeviathanBlood)], 4);

  c = GemMaterialCountsOf(21, 0, kHibernia);
  EXPECT_EQ(c.Dust, static_cast<int>(GemDust::kFairyDust));
  for (GemLiquid l : {GemLiquid::kDraconicFire, GemLiquid::kTreantBlood, GemLiquid::kMysticEnergy})
    EXPECT_EQ(c.Liquids[static_cast<std::size_t>(l)], 2);

  c = GemMaterialCountsOf(22, 4, kMidgard);
  for (GemLiquid l : {GemLiquid::kDraconicFire, GemLiquid::kTreantBlood, GemLiquid::kMysticEnergy})
    EXPECT_EQ(c.Liquids[static_cast<std::size_t>(l)], 5);
  EXPECT_EQ(c.Liquids[static_cast<std::size_t>(GemLiquid::kSwampFog)], 0);

  c = GemMaterialCountsOf(185, 12, kAlbion);
  EXPECT_EQ(c.Quality, -1);
  EXPECT_EQ(c.Dust, -1);
  for (long long n : c.Liquids) EXPECT_EQ(n, 0);

  // The dust named in every materials text is the one the counts report.
  for (int code = 1; code <= 133; ++code) {
    for (int realm = 0; realm < 3; ++realm) {
      const GemMaterialCounts counts = GemMaterialCountsOf(code, 2, realm);
      const std::string text = GemMaterials(code, 2, realm);
      if (counts.Dust < 0) continue;
      const std::string dust = std::to_string(counts.DustCount) +
                               std::string(GemDustText(static_cast<GemDust>(counts.Dust)));
      EXPECT_EQ(text.substr(7, dust.size()), dust) << code;  // after "1 On , "
    }
  }
}

TEST(GemMaterialCounts, HugeTiersDoNotOverflow) {
  const GemMaterialCounts c = GemMaterialCountsOf(11, 2147483647, kAlbion);
  EXPECT_EQ(c.DustCount, 5LL * 2147483647 + 1);
  EXPECT_EQ(c.Liquids[static_cast<std::size_t>(GemLiquid::kDraconicFire)], 2147483648LL);
  EXPECT_EQ(GemMaterials(1, 2147483647, kAlbion),
            " , 8589934589 Essence of Life | 2147483648 Draconic Fire");
}

TEST(GemMaterials, TallyNames) {
  EXPECT_EQ(GemDustText(GemDust::kSootFromNiflheim), " Soot from Niflheim");
  EXPECT_EQ(GemLiquidText(GemLiquid::kGiantBlood), " Giant Blood");
  EXPECT_EQ(GemBaseText(0), "1 Lo");
  EXPECT_EQ(GemBaseText(10), "");
  EXPECT_EQ(GemQualityWord(4), "Imperfect ");
}

}  // namespace
}  // namespace qm
