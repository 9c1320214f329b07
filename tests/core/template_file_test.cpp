#include "core/template_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

#include "core/file_io.h"
#include "core/item_lists.h"
#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  EXPECT_TRUE(bytes.Ok()) << bytes.Error();
  return bytes.Ok() ? bytes.Value() : std::vector<std::uint8_t>{};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  ASSERT_TRUE(
      WriteFileAtomically(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}).Ok());
}

TEST(TemplateFile, WriteThenReadKeepsEveryByteButTheThreeSaveMarks) {
  testing::TempFolder folder;
  for (auto sample : samples::SampleTemplates()) {
    TTemplateRecord original = sample.tpl;
    original.VaultMark = 9;
    original.Reserved = 77;
    original.EffectIdsGlobal = 0;
    const auto before = samples::TemplateBytes(original);

    TTemplateRecord saved = original;
    const std::string path = folder.File(sample.fileName);
    ASSERT_TRUE(WriteTemplateFile(path, saved, 42).Ok());
    EXPECT_EQ(saved.VaultMark, 42);  // the current template takes the marks too
    EXPECT_EQ(saved.EffectIdsGlobal, 1);

    const auto after = FileBytes(path);
    ASSERT_EQ(after.size(), 5296u);
    for (std::size_t i = 0; i < after.size(); ++i) {
      if (i == 47 || i == 5294 || i == 5295) continue;
      ASSERT_EQ(after[i], before[i]) << sample.fileName << " byte " << i;
    }
    EXPECT_EQ(after[47], 42);
    EXPECT_EQ(after[5294], 0);
    EXPECT_EQ(after[5295], 1);

    auto read = ReadTemplateFile(path);
    ASSERT_TRUE(read.Ok()) << read.Error();
    EXPECT_EQ(std::memcmp(&read.Value(), &saved, sizeof saved), 0);
  }
}

TEST(TemplateFile, ShortMissingAndDirectoryPathsAreErrors) {
  testing::TempFolder folder;
  const std::string shortFile = folder.File("short.qmc");
  WriteBytes(shortFile, std::vector<std::uint8_t>(5295, 0));
  const std::string shortOld = folder.File("short.qmy");
  WriteBytes(shortOld, std::vector<std::uint8_t>(2921, 0));

  struct Case {
    std::string path;
    bool old;
    std::string expected;
  };
  const Case cases[] = {
      {shortFile, false, kReadBeyondEnd},
      {shortOld, true, kReadBeyondEnd},
      {folder.File("missing.qmc"), false, "No such file or directory"},
      {folder.Path().string(), false, "Is a directory"},
      {folder.Path().string(), true, "Is a directory"},
  };
  for (const Case& c : cases) {
    auto result = c.old ? ReadOldTemplateFile(c.path) : ReadTemplateFile(c.path);
    ASSERT_FALSE(result.Ok()) << c.path;
    EXPECT_NE(result.Error().find(c.expected), std::string::npos) << result.Error();
    EXPECT_EQ(result.Error().find('\n'), std::string::npos);
  }
}

TEST(TemplateFile, OnlyTheFirstRecordOfALongerFileIsRead) {
  testing::TempFolder folder;
  auto bytes = samples::TemplateBytes(samples::SampleTemplates()[0].tpl);
  bytes.resize(bytes.size() + 100, 0xEE);
  WriteBytes(folder.File("long.qmc"), bytes);
  auto read = ReadTemplateFile(folder.File("long.qmc"));
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.Value().CharName.View(), "Sir Aldric");
}

TEST(TemplateFile, FailedWriteLeavesThePreviousFileUntouched) {
  testing::TempFolder folder;
  const std::string path = folder.File("hero.qmc");
  TTemplateRecord tpl = samples::SampleTemplates()[0].tpl;
  ASSERT_TRUE(WriteTemplateFile(path, tpl, 1).Ok());
  const auto before = FileBytes(path);

  // A disk that fills up half way through the save: the write fails with EFBIG.
  struct rlimit old {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  TTemplateRecord other = samples::SampleTemplates()[1].tpl;
  const Status status = WriteTemplateFile(path, other, 1);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(status.Ok());
  EXPECT_EQ(FileBytes(path), before);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    ++entries;
  EXPECT_EQ(entries, 1) << "no temporary file may be left behind";
}

TEST(TemplateFile, WriteIntoAMissingFolderOrOverAFolderFails) {
  testing::TempFolder folder;
  TTemplateRecord tpl = samples::SampleTemplates()[0].tpl;
  EXPECT_FALSE(WriteTemplateFile(folder.File("no/such/folder.qmc"), tpl, 0).Ok());
  std::filesystem::create_directory(folder.File("taken.qmc"));
  EXPECT_FALSE(WriteTemplateFile(folder.File("taken.qmc"), tpl, 0).Ok());
  // No temporary file is left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    ++entries;
  EXPECT_EQ(entries, 1);
}

class OldTemplate : public ::testing::Test {
 protected:
  TTemplateRecord Convert(const samples::OldTemplateLayout& layout) {
    auto parsed = ParseOldTemplate(samples::OldTemplateBytes(layout));
    EXPECT_TRUE(parsed.Ok());
    return parsed.Ok() ? parsed.Value() : EmptyTemplate();
  }
};

TEST_F(OldTemplate, CharacterFieldsAndClassComeAcross) {
  const auto sample = samples::SampleOldTemplates()[0].layout;  // Albion position 1: Paladin
  const TTemplateRecord tpl = Convert(sample);
  EXPECT_EQ(tpl.CharName.View(), "Old Paladin");
  EXPECT_EQ(tpl.CharLevel, 50);
  EXPECT_EQ(tpl.RealmRank, 4);
  EXPECT_EQ(tpl.ClassIndex, 10);
  EXPECT_EQ(tpl.ServerType, 0);
  EXPECT_EQ(tpl.WeaponConfig, 0);
  EXPECT_EQ(tpl.ChampionFlag, 1);
  EXPECT_EQ(tpl.RaceIndex, 0);
  EXPECT_EQ(tpl.Slot(kJewel).Name.View(), "Old Jewel");
  EXPECT_EQ(tpl.Slot(kChest).Crafted, 1);
  for (int slot = 1; slot <= 18; ++slot) EXPECT_EQ(tpl.Slot(slot).Source, 9) << slot;
  const TTemplateRecord empty = EmptyTemplate();
  EXPECT_EQ(std::memcmp(&tpl.Slot(kMyth), &empty.Slot(kMyth), sizeof(TItemRecord)), 0);
}

TEST_F(OldTemplate, MidgardPositionFourteenIsTheMaulerOfTheNamedRealm) {
  samples::OldTemplateLayout layout = samples::SampleOldTemplates()[1].layout;
  const std::pair<std::uint8_t, int> cases[] = {{1, 6}, {2, 25}, {3, 36}, {0, 255}, {4, 255}};
  for (const auto& [maulerRealm, expected] : cases) {
    layout.maulerRealm = maulerRealm;
    EXPECT_EQ(Convert(layout).ClassIndex, expected) << int(maulerRealm);
  }
}

TEST_F(OldTemplate, ImpossibleRealmOrPositionGivesNoClass) {
  samples::OldTemplateLayout layout = samples::SampleOldTemplates()[0].layout;
  layout.realm = 3;
  EXPECT_EQ(Convert(layout).ClassIndex, 255);
  layout.realm = 0;
  layout.classPosition = 15;
  EXPECT_EQ(Convert(layout).ClassIndex, 255);
}

TEST(TemplateRecord, NewTemplateValuesAndSlotNames) {
  const TTemplateRecord tpl = EmptyTemplate();
  EXPECT_EQ(tpl.CharLevel, 50);
  EXPECT_EQ(tpl.RealmRank, 1);
  EXPECT_EQ(tpl.WeaponConfig, 4);
  EXPECT_EQ(tpl.ChampionFlag, 1);
  EXPECT_EQ(SlotName(1), "Jewel");
  EXPECT_EQ(SlotName(15), "R. Hand");
  EXPECT_EQ(SlotName(19), "Myth");
  EXPECT_EQ(SlotName(20), "");
  EXPECT_EQ(WeaponStepSlot(0, 15), kRightHand);
  EXPECT_EQ(WeaponStepSlot(1, 16), kTwoHand);
  EXPECT_EQ(WeaponStepSlot(3, 16), 0);
  EXPECT_EQ(WeaponStepSlot(7, 15), 0);
}

TEST(TemplateRecord, EverySlotHasTheKindNamedForIt) {
  const auto kinds = SlotKindList();
  const auto kindName = [&kinds](int slot) { return kinds[SlotKindOf(slot)]; };
  // Jewel .. Feet share their names with their kinds, the numbered pairs included.
  for (int slot = kJewel; slot <= kFeet; ++slot) {
    std::string name(SlotName(slot));
    if (name.back() == '1' || name.back() == '2') name.resize(name.size() - 2);
    EXPECT_EQ(kindName(slot), name) << slot;
  }
  EXPECT_EQ(kindName(kRightHand), "Right Hand");
  EXPECT_EQ(kindName(kLeftHand), "Left Hand");
  EXPECT_EQ(kindName(kTwoHand), "Two Hand");
  EXPECT_EQ(kindName(kRanged), "Ranged");
  EXPECT_EQ(kindName(kMyth), "Mythirians");
  EXPECT_EQ(SlotKindOf(0), 0);
  EXPECT_EQ(SlotKindOf(kSlotCount + 1), 0);
}

}  // namespace
}  // namespace qm
