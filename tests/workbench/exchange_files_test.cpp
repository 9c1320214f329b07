// Item exchange files: kinds by path, export names, slot fit, and the
// export and import commands run through scripted dialogs.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/legacy_item.h"
#include "core/template_record.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "tools/samples.h"
#include "workbench/inline_editor.h"
#include "workbench/item_exchange.h"

namespace qm {
namespace {

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  return bytes.Ok() ? bytes.Value() : std::vector<std::uint8_t>{};
}

TEST(ExchangeFileKinds, DecidedByCaseSensitiveSubstrings) {
  const std::pair<const char*, ExchangeFileKind> cases[] = {
      {"/items/sword.qmx", ExchangeFileKind::kItem},
      {"/items/sword.qmi", ExchangeFileKind::kOldItem},
      {"/items/sword.xml", ExchangeFileKind::kXml},
      {"/items/ITEM.QMX", ExchangeFileKind::kNone},
      {"/items/sword.XML", ExchangeFileKind::kNone},
      {"/items/sword.txt", ExchangeFileKind::kNone},
      // A later match in the order qmx, qmi, xml wins, wherever it sits.
      {"/qmx/sword.xml", ExchangeFileKind::kXml},
      {"/xml/sword.qmx", ExchangeFileKind::kXml},
      {"/qmi/sword.qmx", ExchangeFileKind::kOldItem},
      {"/home/qmxfiles/sword", ExchangeFileKind::kItem},
  };
  for (const auto& [path, kind] : cases) {
    EXPECT_EQ(ExchangeKindOfPath(path), kind) << path;
  }
}

TEST(ExchangeExportNames, ReplaceEveryCharacterAFileNameCannotHold) {
  EXPECT_EQ(ExportFileName("Sword/of:Fire"), "Sword-of-Fire");
  EXPECT_EQ(ExportFileName("a\\b?c*d:e<f>g|h\"i.j"), "a-b-c-d-e-f-g-h-i-j");
  EXPECT_EQ(ExportFileName("Plain Name"), "Plain Name");

  EXPECT_EQ(WithItemExtension("/out/sword"), "/out/sword.qmx");
  EXPECT_EQ(WithItemExtension("/out/sword.qmx"), "/out/sword.qmx");
  EXPECT_EQ(WithItemExtension("/out/a.qmx.d/sword"), "/out/a.qmx.d/sword");
  EXPECT_EQ(WithItemExtension("/out/sword.QMX"), "/out/sword.QMX.qmx");
}

TEST(ExchangeSlotFit, EqualKindsAlwaysFitAndHandsTakeTheirKin) {
  for (int index = 0; index <= 30; ++index) {
    EXPECT_TRUE(SlotKindFits(index, index)) << index;
  }
  EXPECT_TRUE(SlotKindFits(13, 14));
  EXPECT_TRUE(SlotKindFits(13, 21));
  EXPECT_TRUE(SlotKindFits(13, 22));
  EXPECT_FALSE(SlotKindFits(13, 15));  // a two-hander in the right hand
  EXPECT_TRUE(SlotKindFits(14, 24));
  EXPECT_FALSE(SlotKindFits(14, 13));
  EXPECT_TRUE(SlotKindFits(17, 15));
  EXPECT_FALSE(SlotKindFits(16, 17));
  EXPECT_TRUE(SlotKindFits(26, 17));
  EXPECT_FALSE(SlotKindFits(7, 8));  // a helm is no chest piece
  EXPECT_FALSE(SlotKindFits(15, 13));
  EXPECT_FALSE(SlotKindFits(0, 3));
  EXPECT_TRUE(SlotKindFits(27, 3));  // beyond the listed indexes anything goes
  EXPECT_TRUE(SlotKindFits(40, 0));
}

class ExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override { editor_.SetSlot(kChest, 51); }
  std::string File(const std::string& name) const { return folder_.File(name); }

  // Imports into the editor the way the workbench does.
  bool ImportInto(int slotFilterIndex) {
    auto item = ImportItemForSlot(folder_.Path().string(), slotFilterIndex, files_, user_);
    if (!item) return false;
    editor_.SetSource(*item, true);
    editor_.EditEnter();
    return true;
  }

  void FillEditor() {
    TItemRecord chest = EmptyItem();
    chest.SlotKind = 7;
    editor_.SetSource(chest, true);
    editor_.EditEnter();
    editor_.CustomItemNameChange("Ring/of:Stars");
    editor_.aChange(0, 1);
    editor_.SelectBonus(0, 3);
    editor_.InlineStatChange(0, "15", 2);
    editor_.aChange(4, 2);
    editor_.SelectBonus(4, 2);
    editor_.InlineStatChange(4, "9", 1);
    editor_.aChange(9, 8);
    editor_.SelectBonus(9, 1);
    editor_.InlineStatChange(9, "5", 1);
    editor_.SelectEffectKind(0, 1);
    editor_.SelectEffect(0, 33);
    editor_.ProcValueChange(0, "120", 3);
    editor_.SelectEffectKind(1, 3);
    editor_.SelectEffect(1, 2);
    editor_.ProcValueChange(1, "4500", 4);
  }

  testing::TempFolder folder_;
  testing::FakeUserPort user_;
  testing::FakeFileDialogs files_;
  InlineEditor editor_;
};

TEST_F(ExchangeTest, ExportSuggestsASafeNameAndAppendsTheExtension) {
  FillEditor();
  files_.saveAnswers.push_back(File("stars"));
  const auto written = ExportInlineItem(editor_, folder_.Path().string(), files_, user_);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, File("stars.qmx"));

  ASSERT_EQ(files_.saveRequests.size(), 1u);
  const FileDialogRequest& request = files_.saveRequests[0];
  EXPECT_EQ(request.Title, "Save Item");
  EXPECT_EQ(request.Filter, "Quillmark Export|*.qmx");
  EXPECT_EQ(request.DefaultExtension, "qmx");
  EXPECT_EQ(request.InitialFolder, folder_.Path().string());
  EXPECT_EQ(request.FileName, "Ring-of-Stars");
  EXPECT_TRUE(request.PromptOverwrite);

  const auto bytes = FileBytes(File("stars.qmx"));
  ASSERT_EQ(bytes.size(), sizeof(TItemRecord));
  const TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(std::memcmp(bytes.data(), &built, sizeof built), 0);
  EXPECT_FALSE(std::filesystem::exists(File("stars")));
}

TEST_F(ExchangeTest, ExportReplacesAnExistingFileAndKeepsANameThatHoldsTheExtension) {
  FillEditor();
  WriteText(File("old.qmx.bak"), std::string(1000, 'x'));
  files_.saveAnswers.push_back(File("old.qmx.bak"));
  ASSERT_TRUE(ExportInlineItem(editor_, folder_.Path().string(), files_, user_));
  EXPECT_EQ(FileBytes(File("old.qmx.bak")).size(), sizeof(TItemRecord));
  EXPECT_TRUE(user_.messages.empty());
}

TEST_F(ExchangeTest, ExportDoesNothingForABlankNameOrACancelledDialog) {
  editor_.CustomItemNameChange(" ");
  EXPECT_FALSE(ExportInlineItem(editor_, folder_.Path().string(), files_, user_));
  EXPECT_TRUE(files_.saveRequests.empty());

  FillEditor();
  EXPECT_FALSE(ExportInlineItem(editor_, folder_.Path().string(), files_, user_));
  EXPECT_EQ(files_.saveRequests.size(), 1u);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(ExchangeTest, AFailedExportIsReportedAndWritesNothing) {
  FillEditor();
  files_.saveAnswers.push_back(File("missing-folder/stars"));
  EXPECT_FALSE(ExportInlineItem(editor_, folder_.Path().string(), files_, user_));
  ASSERT_EQ(user_.messages.size(), 1u);
  EXPECT_NE(user_.messages[0].find("missing-folder"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(folder_.Path()));
}

TEST_F(ExchangeTest, ExportThenImportReproducesTheEditor) {
  FillEditor();
  const InlineEditorView before = editor_.View();
  files_.saveAnswers.push_back(File("stars"));
  ASSERT_TRUE(ExportInlineItem(editor_, folder_.Path().string(), files_, user_));

  editor_.MakeRoG();
  editor_.EditEnter();
  ASSERT_EQ(editor_.BuildInlineItem().BonusCode[0], 0);

  files_.openAnswers.push_back(File("stars.qmx"));
  ASSERT_TRUE(ImportInto(7));
  const InlineEditorView& after = editor_.View();
  EXPECT_EQ(after.Name.Text, "Ring/of:Stars");
  for (int k = 0; k < kInlineBonusRows; ++k) {
    EXPECT_EQ(after.Rows[k].Archetype.Selection, before.Rows[k].Archetype.Selection) << k;
    EXPECT_EQ(after.Rows[k].Bonus.Selection, before.Rows[k].Bonus.Selection) << k;
    EXPECT_EQ(after.Rows[k].Amount.Text, before.Rows[k].Amount.Text) << k;
  }
  for (int k = 0; k < kInlineEffectRows; ++k) {
    EXPECT_EQ(after.Effects[k].Kind.Selection, before.Effects[k].Kind.Selection) << k;
    EXPECT_EQ(after.Effects[k].Effect.Selection, before.Effects[k].Effect.Selection) << k;
    EXPECT_EQ(after.Effects[k].Amount.Text, before.Effects[k].Amount.Text) << k;
  }
  EXPECT_TRUE(user_.questions.empty());  // the exported item keeps the chest's slot kind
}

TEST_F(ExchangeTest, ImportDialogOffersTheThreeKindsInTheStartFolder) {
  ImportInto(7);
  ASSERT_EQ(files_.openRequests.size(), 1u);
  const FileDialogRequest& request = files_.openRequests[0];
  EXPECT_EQ(request.Title, "Import QMX/QMI/XML");
  EXPECT_EQ(request.Filter,
            "Quillmark Export ( After 1.91 )|*.qmx|Quillmark Item ( Before 1.91 )|*.qmi|"
            "XML (Ormindel/Tavro)|*.xml");
  EXPECT_EQ(request.DefaultExtension, "qmx");
  EXPECT_EQ(request.InitialFolder, folder_.Path().string());
  EXPECT_TRUE(request.FileMustExist);
  EXPECT_TRUE(user_.messages.empty());  // cancelled: nothing else happens
}

TEST_F(ExchangeTest, UpperCaseExtensionIsAnInvalidImportFile) {
  TItemRecord item = samples::MakeItem("Shouting Sword", {{1, 5}});
  WriteBytes(File("ITEM.QMX"), samples::ItemBytes(item));
  files_.openAnswers.push_back(File("ITEM.QMX"));
  EXPECT_FALSE(ImportInto(7));
  EXPECT_EQ(user_.messages, std::vector<std::string>{"Invalid import file"});
}

TEST_F(ExchangeTest, ALongItemFileImportsItsFirstRecordOnly) {
  TItemRecord first = samples::MakeItem("First Cloak", {{2, 7}});
  first.SlotKind = 3;
  TItemRecord second = samples::MakeItem("Second Cloak", {{3, 9}});
  auto bytes = samples::ItemBytes(first);
  const auto more = samples::ItemBytes(second);
  bytes.insert(bytes.end(), more.begin(), more.end());
  WriteBytes(File("cloaks.qmx"), bytes);
  files_.openAnswers.push_back(File("cloaks.qmx"));
  ASSERT_TRUE(ImportInto(3));
  EXPECT_EQ(editor_.View().Name.Text, "First Cloak");
  EXPECT_EQ(editor_.BuildInlineItem().BonusCode[0], 2);
  EXPECT_EQ(editor_.BuildInlineItem().SlotKind, 3);
}

TEST_F(ExchangeTest, AShortFileLeavesTheEditorAsItWas) {
  FillEditor();
  const TItemRecord before = editor_.BuildInlineItem();
  WriteBytes(File("short.qmx"), std::vector<std::uint8_t>(100, 1));
  WriteBytes(File("short.qmi"), std::vector<std::uint8_t>(157, 0));
  files_.openAnswers = {File("short.qmx"), File("short.qmi")};
  EXPECT_FALSE(ImportInto(7));
  EXPECT_FALSE(ImportInto(7));
  EXPECT_EQ(user_.messages,
            (std::vector<std::string>{"Read beyond end of file", "Read beyond end of file"}));
  const TItemRecord after = editor_.BuildInlineItem();
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST_F(ExchangeTest, AMissingFileIsReported) {
  files_.openAnswers.push_back(File("gone.qmx"));
  EXPECT_FALSE(ImportInto(7));
  ASSERT_EQ(user_.messages.size(), 1u);
  EXPECT_NE(user_.messages[0].find("gone.qmx"), std::string::npos);
}

TEST_F(ExchangeTest, OldItemFilesAreConverted) {
  TLegacyItemRecord legacy = samples::MakeLegacyItem("Old Bracer", 1, {{4, 6}, {12, 3}});
  legacy.SlotKind = 6;
  WriteBytes(File("bracer.qmi"), samples::LegacyItemBytes(legacy));
  files_.openAnswers.push_back(File("bracer.qmi"));
  ASSERT_TRUE(ImportInto(6));
  EXPECT_EQ(editor_.View().Name.Text, "Old Bracer");
  EXPECT_EQ(editor_.Source().Note.View(), "Imported QMI");
  const TItemRecord built = editor_.BuildInlineItem();
  EXPECT_EQ(built.BonusCode[0], 4);
  EXPECT_EQ(built.BonusValue[0], 6);
  EXPECT_EQ(built.BonusCode[1], 12);
}

constexpr const char* kXmlSword =
    "<?xml version=\"1.0\"?>\n"
    "<SCItem>\n"
    "<ItemName>Blade of Dawn</ItemName>\n"
    "<Location>Right Hand</Location>\n"
    "<Realm>Albion</Realm>\n"
    "<Level>50</Level>\n"
    "<Type>Slash</Type>\n"
    "<SLOT Number=\"0\">\n"
    "<Effect>Strength</Effect>\n"
    "<Amount>12</Amount>\n"
    "<Type>Stat</Type>\n"
    "</SLOT>\n"
    "</SCItem>\n";

TEST_F(ExchangeTest, XmlItemsAreConvertedEvenUnderAFolderNamedQmx) {
  std::filesystem::create_directory(folder_.Path() / "qmx");
  WriteText(File("qmx/sword.xml"), kXmlSword);
  files_.openAnswers.push_back(File("qmx/sword.xml"));
  ASSERT_TRUE(ImportInto(13));
  EXPECT_EQ(editor_.View().Name.Text, "Blade of Dawn");
  EXPECT_EQ(editor_.Source().SlotKind, 13);
  EXPECT_EQ(editor_.BuildInlineItem().BonusCode[0], 1);
  EXPECT_EQ(editor_.BuildInlineItem().BonusValue[0], 12);
  EXPECT_TRUE(user_.questions.empty());
}

TEST_F(ExchangeTest, ABinaryItemReadAsXmlFailsToImport) {
  FillEditor();
  const TItemRecord before = editor_.BuildInlineItem();
  WriteBytes(File("sword.qmx.xml"), samples::ItemBytes(samples::MakeItem("Sword", {{1, 5}})));
  files_.openAnswers.push_back(File("sword.qmx.xml"));
  EXPECT_FALSE(ImportInto(13));
  EXPECT_EQ(user_.messages.back(), "This file did not import properly. Aborting Import");
  const TItemRecord after = editor_.BuildInlineItem();
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST_F(ExchangeTest, AnOutOfOrderXmlFileIsReportedTwice) {
  WriteText(File("bad.xml"),
            "<?xml version=\"1.0\"?>\n<SCItem>\n<ItemName>X</ItemName>\n<Type>Slash</Type>\n");
  files_.openAnswers.push_back(File("bad.xml"));
  EXPECT_FALSE(ImportInto(13));
  ASSERT_EQ(user_.messages.size(), 2u);
  EXPECT_NE(user_.messages[0].find("<Location>Missing</Location"), std::string::npos);
  EXPECT_EQ(user_.messages[1], "This file did not import properly. Aborting Import");
}

TEST_F(ExchangeTest, ASlotMismatchAsksBeforeLoading) {
  TItemRecord twoHander = samples::MakeItem("Great Maul", {{1, 10}});
  twoHander.SlotKind = 15;
  WriteBytes(File("maul.qmx"), samples::ItemBytes(twoHander));

  files_.openAnswers = {File("maul.qmx"), File("maul.qmx")};
  user_.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(ImportInto(13));  // "&Cancel"
  EXPECT_NE(editor_.View().Name.Text, "Great Maul");
  ASSERT_TRUE(ImportInto(13));  // "&Load Item"
  EXPECT_EQ(editor_.View().Name.Text, "Great Maul");

  ASSERT_EQ(user_.questions.size(), 2u);
  const auto& question = user_.questions[0];
  EXPECT_EQ(question.title, "Load Item?");
  EXPECT_EQ(question.message,
            "This item does not appear to fit in this slot. Would you like to load it anyway?");
  EXPECT_EQ(question.ok, "&Load Item");
  EXPECT_EQ(question.cancel, "&Cancel");
  EXPECT_EQ(question.abort, "");
  EXPECT_EQ(question.retry, "");
}

}  // namespace
}  // namespace qm
