// Importing a mix of sources into one vault: every item accounted for, the
// same item met twice kept once, refused files named, the header naming the
// sources and the date, and a cancelled import writing nothing.
#include "interop/item_import.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "interop/foreign_item_record.h"
#include "support/temp_folder.h"
#include "vault/vault.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

fs::path DataRoot() {
  const char* root = std::getenv("QM_TESTDATA");
  return fs::path(root != nullptr ? root : "tests/data");
}

void Write(const std::string& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

struct ImportFolder {
  testing::TempFolder temp;
  std::string sources = temp.File("sources");
  std::string out = temp.File("master.qmv");

  ImportFolder() {
    fs::create_directories(sources + "/kort");
    fs::copy_file(DataRoot() / "../interop/data/emulator/itemtemplate.sql", sources + "/dump.sql");
    fs::copy_file(DataRoot() / "../interop/data/kort/crafted_vest.xml", sources + "/kort/vest.xml");
    // The same item under a second name: merged, not imported twice.
    fs::copy_file(DataRoot() / "../interop/data/kort/crafted_vest.xml",
                  sources + "/kort/vest-again.xml");
    Write(sources + "/notes.txt", "my shopping list\n");
    fs::create_directories(sources + "/official");
    for (const char* name : {"items.json", "metadata.json"})
      fs::copy_file(DataRoot() / "../interop/data/official" / name, sources + "/official/" + name);
    fs::copy_file(DataRoot() / "../interop/data/chatlog/chat.log", sources + "/chat.log");
  }

  JobOutcome<ItemImportReport> Run(const CancelToken& cancel = {}, bool keepBackup = false) {
    ItemImportRequest request{{sources}, out, "2026-12-10", "", keepBackup};
    return ImportItemSources(request, {}, cancel);
  }
};

TEST(ItemImport, AccountsForEveryItemMergesTheSameItemAndNamesRefusedFiles) {
  ImportFolder folder;
  const auto outcome = folder.Run();
  ASSERT_TRUE(outcome.IsFinished()) << outcome.Message();
  const ItemImportReport& report = outcome.Value();
  EXPECT_EQ(report.Read, report.Imported + report.Merged + report.Tally.SkippedCount());
  // The vest met twice, and the dump's band of the warden, which it holds twice.
  EXPECT_EQ(report.Merged, 2u);
  EXPECT_GT(report.Imported, 2u);
  const std::string text = ItemImportReportText(report);
  EXPECT_NE(text.find("Official item database, 9 items: " + folder.sources), std::string::npos);
  EXPECT_NE(text.find("  unknown bonus 'property 250': 1 (Warden's Band (Hib))\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Refused: " + folder.sources + "/notes.txt: not an item source we can read"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("OpenDAoC item table, "), std::string::npos) << text;
  EXPECT_NE(text.find("Kort's XML item, 2 items in 2 files"), std::string::npos) << text;

  Vault vault;
  ASSERT_TRUE(vault.LoadFile(folder.out).Ok());
  ASSERT_EQ(vault.Count(), report.Imported + 1);
  const TItemRecord& header = vault.Entries()[0];
  // Four kinds fit neither the label's 51 characters nor, in full, the notes' 94.
  EXPECT_EQ(header.Name.Str(), "Chat log delves and 3 more, imported 2026-12-10");
  EXPECT_EQ(report.Origin, "chatlog, opendaoc, kort, official, imported 2026-12-10");
  EXPECT_EQ(header.Note.Str(), report.Origin);
  for (std::size_t i = 1; i < vault.Count(); ++i) {
    const std::string note = vault.Entries()[i].Note.Str();
    const std::string key = note.substr(0, note.find(' '));
    EXPECT_TRUE(key == "chatlog" || key == "opendaoc" || key == "kort" || key == "official")
        << note;
  }
}

TEST(ItemImport, ACancelledImportWritesNothingAndAFinishedOneKeepsThePreviousVault) {
  ImportFolder folder;
  CancelToken cancel;
  cancel.Cancel();
  EXPECT_EQ(folder.Run(cancel).End(), JobEnd::kCancelled);
  EXPECT_FALSE(fs::exists(folder.out));

  Write(folder.out, "the previous vault");
  ASSERT_TRUE(folder.Run({}, true).IsFinished());
  const auto kept = ReadFileBytes(folder.out + ".bak");
  ASSERT_TRUE(kept.Ok());
  EXPECT_EQ(std::string(kept.Value().begin(), kept.Value().end()), "the previous vault");
}

TEST(ItemImport, SourcesWithoutAnyItemFailWithTheReason) {
  testing::TempFolder temp;
  Write(temp.File("a.txt"), "nothing here");
  Write(temp.File("b.txt"), "nor here");
  ItemImportRequest request{{temp.File("a.txt")}, temp.File("out.qmv"), "2026-12-10", "", false};
  const auto outcome = ImportItemSources(request, {}, {});
  EXPECT_EQ(outcome.Message(), "\"" + temp.File("a.txt") + "\": not an item source we can read");
  EXPECT_FALSE(fs::exists(temp.File("out.qmv")));
  // More than one: the count, and a line for each.
  request.Sources.push_back(temp.File("b.txt"));
  EXPECT_EQ(ImportItemSources(request, {}, {}).Message(),
            "none of the sources holds an item we can read; nothing written\n  \"" +
                temp.File("a.txt") + "\": not an item source we can read\n  \"" +
                temp.File("b.txt") + "\": not an item source we can read");
}

// A database refused for nesting too deep, after its first item was already
// converted, packed and counted: the vault and the report hold none of it.
TEST(ItemImport, ASourceRefusedMidwayTakesBackWhatItGave) {
  testing::TempFolder temp;
  const std::string sources = temp.File("sources");
  fs::create_directories(sources);
  fs::copy_file(DataRoot() / "../interop/data/kort/crafted_vest.xml", sources + "/vest.xml");
  std::string deep = R"({"items": [{"id": 1, "name": "Early Cloak", "category": 5, "slot": 6,
      "bonuses": [{"type": 1, "id": 4, "value": 15}, {"type": 99, "value": 1}]}, {"x": )";
  for (int i = 0; i < 70; ++i) deep += "[";
  Write(sources + "/items.json", deep);
  const auto outcome = ImportItemSources({{sources}, temp.File("out.qmv"), "2026-12-10", "", false},
                                         {}, CancelToken());
  ASSERT_TRUE(outcome.IsFinished()) << outcome.Message();
  const ItemImportReport& report = outcome.Value();
  EXPECT_EQ(report.Imported, 1u);
  EXPECT_EQ(report.Read, 1u);
  const std::string text = ItemImportReportText(report);
  EXPECT_EQ(text.find("Early Cloak"), std::string::npos) << text;
  EXPECT_NE(text.find("items.json: nested deeper than 64 levels"), std::string::npos) << text;
  Vault vault;
  ASSERT_TRUE(vault.LoadFile(temp.File("out.qmv")).Ok());
  ASSERT_EQ(vault.Count(), 2u);
  EXPECT_NE(vault.Entries()[1].Name.View(), "Early Cloak");
}

TEST(ItemImport, TheLabelNamesAsManyKindsAsFitItsFiftyOneCharacters) {
  testing::TempFolder temp;
  const fs::path data = DataRoot() / "../interop/data";
  ItemImportRequest request{
      {(data / "official").string(), (data / "chatlog").string(), (data / "emulator").string(),
       (data / "moras").string(), (data / "kort").string()},
      temp.File("out.qmv"),
      "2026-12-10",
      "",
      false};
  const auto outcome = ImportItemSources(request, {}, {});
  ASSERT_TRUE(outcome.IsFinished()) << outcome.Message();
  // "Official item database and 4 more, ..." would be 54.
  EXPECT_EQ(outcome.Value().Label, "Items of 5 kinds, imported 2026-12-10");
}

ForeignItem Item(std::vector<ForeignBonus> bonuses) {
  ForeignItem item;
  item.Name = "Test Ring";
  item.SourceId = "77";
  item.Bonuses = std::move(bonuses);
  return item;
}

TEST(ForeignItemRecord, KeepsKnownBonusesNamesUnknownOnesAndSkipsWhatDoesNotFit) {
  ImportTally tally;
  // Known codes add up; the unknown one is named and marks the entry unverified.
  auto ring =
      ForeignItemRecord(Item({{"Strength", 1, 10}, {"Strength", 1, 5}, {"Essence Damage", 0, 3}}),
                        SourceKind::kOfficialDatabase, tally);
  ASSERT_TRUE(ring);
  EXPECT_EQ(ring->BonusCode[0], 1);
  EXPECT_EQ(ring->BonusValue[0], 15);
  EXPECT_EQ(ring->BonusCode[1], 0);
  EXPECT_EQ(ring->Verified, 0);
  EXPECT_EQ(ring->Note.Str(), "official 77; unverified, left out: Essence Damage");
  ASSERT_EQ(tally.BonusesLeftOut().size(), 1u);
  EXPECT_EQ(tally.BonusesLeftOut()[0].Reason, "unknown bonus 'Essence Damage'");

  std::vector<ForeignBonus> eleven;
  for (int code = 1; code <= 11; ++code) eleven.push_back({"b", code, 1});
  EXPECT_FALSE(ForeignItemRecord(Item(eleven), SourceKind::kChatLog, tally));
  EXPECT_FALSE(ForeignItemRecord(Item({{"Essence Damage", 0, 3}}), SourceKind::kChatLog, tally));
  ASSERT_EQ(tally.Skipped().size(), 2u);
  EXPECT_EQ(tally.Skipped()[0].Reason, kTooManyBonuses);
  EXPECT_EQ(tally.Skipped()[1].Reason, kNoBonusLeft);
  EXPECT_EQ(tally.Skipped()[1].Names, std::vector<std::string>{"Test Ring"});

  auto delved = ForeignItemRecord(Item({{"Strength", 1, 10}}), SourceKind::kChatLog, tally);
  ASSERT_TRUE(delved);
  EXPECT_EQ(delved->Verified, 1);
  // Kept without a slot, and named so the player can give it one.
  EXPECT_EQ(delved->SlotKind, 0);
  ASSERT_EQ(tally.Remarks().size(), 1u);
  EXPECT_EQ(tally.Remarks()[0].Reason, kSlotUnknown);
}

}  // namespace
}  // namespace qm
