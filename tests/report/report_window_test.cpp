// The report window model and the two save formats.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "report/report_files.h"
#include "report/report_window.h"
#include "report_fixtures.h"
#include "support/fake_ports.h"
#include "support/temp_folder.h"
#include "support/view_counter.h"

namespace qm {
namespace {

using testing::CraftedItem;
using testing::HasLine;
using testing::Item;
using testing::Template;
using Lines = std::vector<std::string>;

constexpr int kArmsman = 0;
constexpr int kWarrior = 46;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ReportFiles, TextSaveIsEveryLineWithCrLf) {
  EXPECT_EQ(ReportTextBytes({"a", "", " ", "\xe9t\xe9"}), "a\r\n\r\n \r\n\xe9t\xe9\r\n");
  EXPECT_EQ(ReportTextBytes({}), "");
  // The text save keeps the raw text, markup characters included.
  EXPECT_EQ(ReportTextBytes({"<b>&"}), "<b>&\r\n");
}

TEST(ReportFiles, HtmlPageDropsTheLastThreeLinesAndEscapes) {
  const Lines lines = {"Title", "Sword <of> Fire & Ice",
                       " ",     "<== End Report ==>",
                       " ",     "Quillmark can be downloaded at https://quillmark.example.org/"};
  EXPECT_EQ(ReportHtmlBytes(lines, "Bob & <Alice>"),
            "<HTML><HEAD><TITLE>SpellCraft Report for : Bob &amp; &lt;Alice&gt;</TITLE></HEAD>\r\n"
            "<BODY><CENTER><FONT SIZE=+2>Spellcraft Report for : Bob &amp; &lt;Alice&gt;"
            "</FONT></CENTER><BR><HR><PRE>\r\n"
            "Title\r\n"
            "Sword &lt;of&gt; Fire &amp; Ice\r\n"
            " \r\n"
            "<HR>\r\n"
            "Quillmark can be downloaded at <A HREF=\"https://quillmark.example.org/\">"
            "quillmark.example.org</A>\r\n"
            "<HR>\r\n"
            "</PRE></BODY></HTML>\r\n");
  // Three lines or fewer leave nothing to copy.
  for (const Lines& few : {Lines{}, Lines{"a"}, Lines{"a", "b", "c"}}) {
    const std::string page = ReportHtmlBytes(few, "X");
    EXPECT_NE(page.find("<PRE>\r\n<HR>\r\n"), std::string::npos) << few.size();
  }
  EXPECT_NE(ReportHtmlBytes({"a", "b", "c", "d"}, "X").find("<PRE>\r\na\r\n<HR>"),
            std::string::npos);
  EXPECT_EQ(EscapeHtml("a&&b<<>>"), "a&amp;&amp;b&lt;&lt;&gt;&gt;");
  EXPECT_EQ(EscapeHtml("\xe9 \"quoted\""), "\xe9 \"quoted\"");
}

TEST(ReportWindow, WeaponChecksFollowTheTemplate) {
  TSCReport report;
  for (int config = 0; config < 5; ++config) {
    report.SetReportTemplate(Template("W", kWarrior, config));
    for (int choice = 0; choice < 5; ++choice)
      EXPECT_EQ(report.WeaponChecked(choice), choice == config) << config << "/" << choice;
  }
  report.SetReportTemplate(Template("W", kWarrior, 9));
  for (int choice = 0; choice < 5; ++choice) EXPECT_FALSE(report.WeaponChecked(choice));
}

TEST(ReportWindow, WeaponChoiceChangesOnlyTheReportCopy) {
  TTemplateRecord tpl = Template("W", kWarrior, 4);
  tpl.Slot(kTwoHand) = Item("Great Axe", {{104, 3}});
  TSCReport report;
  report.SetReportTemplate(tpl);
  report.SetMainWindowReadings(ReadingsFromTemplate(tpl, 0));
  report.BuildReport();
  EXPECT_FALSE(HasLine(report.Lines(), "Two Hand : Great Axe"));

  EXPECT_TRUE(report.View().None1.Checked);
  report.ChooseWeapon(2);
  EXPECT_TRUE(report.View().TwoHanded1.Checked);
  EXPECT_FALSE(report.View().None1.Checked);
  EXPECT_EQ(report.ReportCopy().WeaponConfig, 2);
  EXPECT_TRUE(report.WeaponChecked(2));
  EXPECT_FALSE(report.WeaponChecked(4));
  EXPECT_TRUE(HasLine(report.Lines(), "Two Hand : Great Axe"));
  EXPECT_TRUE(HasLine(report.Lines(), "Weapons Equipped : Two Handed ( 2H )"));
  EXPECT_EQ(tpl.WeaponConfig, 4);

  // Opening again starts from the template's own configuration; options stay.
  report.ToggleDisplayCap();
  report.SetReportTemplate(tpl);
  report.BuildReport();
  EXPECT_EQ(report.ReportCopy().WeaponConfig, 4);
  EXPECT_FALSE(report.Options().DisplayCap);
  EXPECT_FALSE(HasLine(report.Lines(), "-=- Cap Increases -=-"));
}

TEST(ReportWindow, OptionsRebuildAndDiscardManualEdits) {
  TTemplateRecord tpl = Template("O", kArmsman);
  tpl.RaceIndex = 2;
  tpl.Slot(kChest) = CraftedItem("Crafted", 51, 4, {{1, 2, 0}});
  TSCReport report;
  report.SetReportTemplate(tpl);
  report.SetMainWindowReadings(ReadingsFromTemplate(tpl, 0));
  report.BuildReport();
  const ReportWindowView start = report.View();
  EXPECT_TRUE(start.AllStats1.Checked && !start.Mats.Checked && !start.NameOnly1.Checked &&
              !start.StatsOnly1.Checked);
  EXPECT_TRUE(start.DisplayRace.Checked && start.DisplayCap.Checked && start.Notes1.Checked &&
              start.Expansion1.Checked && start.DisplayUtility1.Checked &&
              !start.ManualEditing1.Checked);
  EXPECT_TRUE(HasLine(report.Lines(), "Race           : Briton"));

  EXPECT_TRUE(start.Rpt.ReadOnly);
  EXPECT_FALSE(report.EditLines({"edited"}));  // read-only until manual editing is on
  report.ToggleManualEditing();
  EXPECT_TRUE(report.EditLines({"edited"}));
  EXPECT_EQ(report.Lines(), Lines{"edited"});
  EXPECT_EQ(report.View().Rpt.Lines, Lines{"edited"});
  EXPECT_FALSE(report.View().Rpt.ReadOnly);

  report.ToggleDisplayRace();
  EXPECT_FALSE(HasLine(report.Lines(), "Race           : Briton"));
  EXPECT_FALSE(HasLine(report.Lines(), "edited"));
  report.ToggleDisplayUtility();
  EXPECT_FALSE(HasLine(report.Lines(), "Total Utility     : 0.0"));
  report.ChooseContent(ReportContent::kMaterialList);
  EXPECT_TRUE(HasLine(report.Lines(), "Gem 1 : 1 Lo , 1 Essence of Life , 1 Draconic Fire"));
  EXPECT_EQ(report.Tally().Gems[0], 1);
  report.ChooseContent(ReportContent::kMaterialList);  // already on: rebuilt the same
  EXPECT_EQ(report.Tally().Gems[0], 1);
  report.ToggleNotes();
  report.ToggleExpansion();
  EXPECT_FALSE(HasLine(report.Lines(), "Expansion : Classic Areas ('Mainland')"));
  report.ChooseContent(ReportContent::kStatsOnly);
  EXPECT_FALSE(HasLine(report.Lines(), "<== Equipment Info ==>"));
  const ReportWindowView end = report.View();
  EXPECT_TRUE(!end.AllStats1.Checked && !end.Mats.Checked && !end.NameOnly1.Checked &&
              end.StatsOnly1.Checked);
  EXPECT_TRUE(!end.DisplayRace.Checked && end.DisplayCap.Checked && !end.Notes1.Checked &&
              !end.Expansion1.Checked && !end.DisplayUtility1.Checked &&
              end.ManualEditing1.Checked);
}

TEST(ReportWindow, SavesWriteTheDocumentThroughTheDialog) {
  testing::TempFolder folder;
  TTemplateRecord tpl = Template("Tom & <Jerry>", kArmsman);
  tpl.Slot(kJewel) = Item("Gem <1>", {{1, 3}});
  TSCReport report(folder.Path().string());
  report.SetReportTemplate(tpl);
  report.SetMainWindowReadings(ReadingsFromTemplate(tpl, 0));
  report.BuildReport();

  testing::FakeFileDialogs dialogs;
  testing::FakeUserPort user;
  const std::string textPath = folder.File("report.txt");
  const std::string htmlPath = folder.File("report.html");
  WriteFile(textPath, std::string(100000, 'x'));  // a longer old file is replaced whole
  dialogs.saveAnswers = {textPath, htmlPath};
  EXPECT_TRUE(report.SaveasText(dialogs, user).Ok());
  EXPECT_TRUE(report.SaveasHTML(dialogs, user).Ok());
  EXPECT_EQ(FileText(textPath), ReportTextBytes(report.Lines()));
  EXPECT_EQ(FileText(htmlPath), ReportHtmlBytes(report.Lines(), "Tom & <Jerry>"));
  EXPECT_NE(FileText(htmlPath).find("Jewel : Gem &lt;1&gt;\r\n"), std::string::npos);
  EXPECT_NE(FileText(textPath).find("Jewel : Gem <1>\r\n"), std::string::npos);
  EXPECT_TRUE(user.messages.empty());

  ASSERT_EQ(dialogs.saveRequests.size(), 2u);
  const FileDialogRequest& text = dialogs.saveRequests[0];
  EXPECT_EQ(text.Title, "Save Spellcraft Report");
  EXPECT_EQ(text.Filter, "Text files|*.TXT");
  EXPECT_EQ(text.DefaultExtension, "txt");
  EXPECT_EQ(text.FileName, "report.txt");
  EXPECT_EQ(text.InitialFolder, folder.Path().string());
  EXPECT_TRUE(text.PromptOverwrite);
  const FileDialogRequest& html = dialogs.saveRequests[1];
  EXPECT_EQ(html.Filter, "HTML Files|*.HTM;*.HTML");
  EXPECT_EQ(html.DefaultExtension, "html");
  EXPECT_EQ(html.FileName, "report.html");
  EXPECT_TRUE(html.PromptOverwrite);
}

TEST(ReportWindow, CancelledOrFailedSave) {
  testing::TempFolder folder;
  TSCReport report(folder.Path().string());
  report.SetReportTemplate(Template("C", kArmsman));
  report.BuildReport();
  testing::FakeFileDialogs dialogs;
  testing::FakeUserPort user;
  EXPECT_TRUE(report.SaveasText(dialogs, user).Ok());  // cancelled: nothing happens
  EXPECT_TRUE(user.messages.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

  // A folder in the way of the file: the error is shown, nothing is written.
  const std::string blocked = folder.File("blocked.txt");
  std::filesystem::create_directory(blocked);
  dialogs.saveAnswers = {blocked, folder.File("missing/report.html")};
  EXPECT_FALSE(report.SaveasText(dialogs, user).Ok());
  EXPECT_FALSE(report.SaveasHTML(dialogs, user).Ok());
  EXPECT_EQ(user.messages.size(), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
  // No temporary file is left behind.
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(ReportWindow, ReadingsFromATemplate) {
  TTemplateRecord tpl = Template("R", kWarrior);
  tpl.RaceIndex = 6;
  tpl.Slot(kJewel) = Item("A", {{1, 15}, {11, 5}});
  MainWindowReadings readings = ReadingsFromTemplate(tpl, 0);
  EXPECT_EQ(readings.ClassText, "(Mid) Warrior ");
  EXPECT_EQ(readings.RaceIndex, 6);
  EXPECT_EQ(readings.RaceText, "Troll");
  EXPECT_EQ(readings.SlotMeasures[0], "20.0");
  EXPECT_EQ(readings.SlotMeasures[1], "0.0");
  EXPECT_EQ(ReadingsFromTemplate(tpl, 2).SlotMeasures[0], "14");

  tpl.RaceIndex = 40;  // not in the realm's list
  readings = ReadingsFromTemplate(tpl, 0);
  EXPECT_EQ(readings.RaceIndex, 0);
  EXPECT_EQ(readings.RaceText, "<None>");
  tpl.ClassIndex = 99;
  readings = ReadingsFromTemplate(tpl, 0);
  EXPECT_EQ(readings.ClassText, "");
  EXPECT_EQ(readings.RaceText, "<None>");
}

TEST(ReportWindow, EachMenuCommandAnnouncesOnceAndSavingNothing) {
  using testing::AnnouncementsOf;
  TSCReport report;
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.SetReportTemplate(Template("W", kWarrior, 1)); }),
            1);
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.ChooseWeapon(3); }), 1);
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.ChooseWeapon(7); }), 0);
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.ToggleNotes(); }), 1);
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.EditLines({"x"}); }), 0) << "editing is off";
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.ToggleManualEditing(); }), 1);
  EXPECT_EQ(AnnouncementsOf(report, [&] { report.EditLines({"x"}); }), 1);
  testing::FakeFileDialogs dialogs;  // cancelled
  testing::FakeUserPort user;
  EXPECT_EQ(AnnouncementsOf(report, [&] { (void)report.SaveasText(dialogs, user); }), 0);
}

}  // namespace
}  // namespace qm
