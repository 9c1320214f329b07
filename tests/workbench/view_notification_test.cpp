// The workbench's change announcements: once per command however many steps
// it takes, the two tabs heard through the workbench, and one live preview
// into the main window's slot per command.
#include <gtest/gtest.h>

#include "item_workbench_fixture.h"
#include "support/view_counter.h"

namespace qm::testing {
namespace {

TEST_F(ItemWorkbenchTest, LoadTabCommandsAnnounceAndPreviewOnce) {
  EXPECT_EQ(AnnouncementsOf(window_, [&] { Open(RequestFor(kChest, 7)); }), 1);
  const int row = Row("Breastplate of Valor");
  ASSERT_GE(row, 0);
  std::size_t before = previews_.size();
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.SelectEntry(row); }), 1);
  EXPECT_EQ(previews_.size(), before + 1);
  EXPECT_EQ(tpl_.Slot(kChest).Name.View(), "Breastplate of Valor");

  // Leaving a tab and coming back previews twice inside, once outside.
  window_.ActivateTab(WorkbenchTab::kInline);
  before = previews_.size();
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.ActivateTab(WorkbenchTab::kLoad); }), 1);
  EXPECT_EQ(previews_.size(), before + 1);

  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.FilterChange(SearchFilter::kStat1, 2); }), 1);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.DirectoryChange(); }), 1);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.MouseHover("Filt1"); }), 1);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.nGoogle(); }), 0);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.SelectEntry(-1); }), 0);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.btnCancelClick(); }), 1);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.btnCancelClick(); }), 0) << "already closed";
}

TEST_F(ItemWorkbenchTest, TheTabsAnnounceThroughTheWorkbench) {
  Open(RequestFor(kChest, 7));
  window_.ActivateTab(WorkbenchTab::kSpellcraft);
  SpellcraftCalculator& craft = window_.Spellcraft();
  InlineEditor& editor = window_.Editor();

  // The clear runs every gem, the fifth slot and the armour through the
  // design: still one announcement and one preview.
  const auto craftRevision = craft.Revision();
  const auto editorRevision = editor.Revision();
  std::size_t before = previews_.size();
  EXPECT_EQ(AnnouncementsOf(window_, [&] { craft.btnClearClick(); }), 1);
  EXPECT_EQ(previews_.size(), before + 1);
  EXPECT_EQ(craft.Revision(), craftRevision + 1);
  EXPECT_EQ(editor.Revision(), editorRevision) << "the window leaves the editor's tab alone";

  before = previews_.size();
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.ActivateTab(WorkbenchTab::kInline); }), 1);
  EXPECT_GT(editor.Revision(), editorRevision);
  EXPECT_EQ(previews_.size(), before + 1);
  before = previews_.size();
  EXPECT_EQ(AnnouncementsOf(window_, [&] { editor.aChange(0, 1); }), 1);
  EXPECT_EQ(previews_.size(), before + 1);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { editor.ProcValueChange(0, "5", 1); }), 1);
  EXPECT_EQ(AnnouncementsOf(window_, [&] { window_.RoGClick(); }), 1);
  EXPECT_EQ(window_.Editor().View().Name.Text, "Custom Item");
}

}  // namespace
}  // namespace qm::testing
