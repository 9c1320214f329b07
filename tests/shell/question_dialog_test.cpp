#include "shell/question_dialog.h"

#include <gtest/gtest.h>

#include "support/view_counter.h"

namespace qm {
namespace {

struct Layout {
  bool visible;
  int left;
};

TEST(QuestionDialog, VisibleButtonsAndTheirPlacesFollowTheOptionalCaptions) {
  struct Case {
    const char* abort;
    const char* retry;
    std::array<Layout, 4> buttons;  // ok, cancel, abort, retry
  };
  const Case cases[] = {
      {"", "", {{{true, 95}, {true, 183}, {false, 0}, {false, 0}}}},
      {"&Abort", "&Retry", {{{true, 7}, {true, 95}, {true, 183}, {true, 271}}}},
      {"&Abort", "", {{{true, 47}, {true, 135}, {true, 223}, {false, 0}}}},
      {"", "&Retry", {{{true, 95}, {true, 183}, {false, 0}, {true, 271}}}},
  };
  TCustomDlg dialog;
  for (const Case& c : cases) {
    dialog.Ask("Which ring?", "Choose", "Ring &1", "Ring &2", c.abort, c.retry);
    const QuestionDialogView& view = dialog.View();
    for (std::size_t i = 0; i < 4; ++i) {
      SCOPED_TRACE(std::string(c.abort) + "/" + c.retry + " button " + view.Buttons[i].Name);
      EXPECT_EQ(view.Buttons[i].Visible, c.buttons[i].visible);
      if (c.buttons[i].visible) {
        EXPECT_EQ(view.Buttons[i].Left, c.buttons[i].left);
        // Every visible button fits inside the dialog.
        EXPECT_LE(view.Buttons[i].Left + kQuestionButtonWidth, view.ClientWidth);
      }
    }
  }
}

TEST(QuestionDialog, CaptionsTitleAndResultsBelongToTheirButtons) {
  TCustomDlg dialog;
  const std::array<const char*, 4> names{"OKBtn", "CancelBtn", "Button1", "Button2"};
  const std::array<DialogButton, 4> buttons{DialogButton::Ok, DialogButton::Cancel,
                                            DialogButton::Abort, DialogButton::Retry};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    dialog.Ask("Changes have been made", "Save Character First?", "&Save", "&Load", "&Cancel",
               "Re&try");
    const QuestionDialogView& view = dialog.View();
    EXPECT_EQ(view.Caption, "Save Character First?");
    EXPECT_EQ(view.Message.Text, "Changes have been made");
    EXPECT_EQ(view.Buttons[0].Caption, "&Save");
    EXPECT_EQ(view.Buttons[1].Caption, "&Load");
    EXPECT_EQ(view.Buttons[2].Caption, "&Cancel");
    EXPECT_EQ(view.Buttons[3].Caption, "Re&try");
    EXPECT_STREQ(view.Buttons[i].Name, names[i]);
    EXPECT_EQ(view.ClientWidth, 361);
    EXPECT_TRUE(view.Visible);

    dialog.Press(buttons[i]);
    EXPECT_EQ(dialog.ModalResult(), static_cast<int>(i) + 1);
    EXPECT_FALSE(dialog.View().Visible);
  }
}

TEST(QuestionDialog, TheButtonRowSitsBelowTheMeasuredMessage) {
  TCustomDlg dialog;
  dialog.Ask("Short", "T", "&OK", "&Cancel", "", "");
  for (const auto& [labelHeight, rowTop, clientHeight] :
       {std::tuple{13, 21, 53}, std::tuple{52, 60, 92}, std::tuple{0, 8, 40}}) {
    dialog.SetLabelHeight(labelHeight);
    for (const DialogButtonView& b : dialog.View().Buttons) EXPECT_EQ(b.Top, rowTop);
    EXPECT_EQ(dialog.View().ClientHeight, clientHeight);
  }
}

TEST(QuestionDialog, ClosingIsRefusedUntilAButtonWasPressedInThisShowing) {
  TCustomDlg dialog;
  dialog.Ask("Load this item anyway?", "Item", "&Yes", "&No", "", "");
  EXPECT_FALSE(dialog.FormCloseQuery());
  EXPECT_TRUE(dialog.View().Visible);
  EXPECT_EQ(dialog.ModalResult(), 0);

  // A hidden button cannot answer.
  dialog.Press(DialogButton::Retry);
  EXPECT_EQ(dialog.ModalResult(), 0);
  EXPECT_FALSE(dialog.FormCloseQuery());

  dialog.Press(DialogButton::Cancel);
  EXPECT_EQ(dialog.ModalResult(), 2);
  EXPECT_TRUE(dialog.FormCloseQuery());

  // The next question starts over.
  dialog.Ask("Again?", "Item", "&Yes", "&No", "", "");
  EXPECT_EQ(dialog.ModalResult(), 0);
  EXPECT_FALSE(dialog.FormCloseQuery());
}

TEST(QuestionDialog, TheOkButtonTakesTheFocusAndTheMouseMovesIt) {
  TCustomDlg dialog;
  dialog.Ask("Which wrist?", "Wrist", "Wrist &1", "Wrist &2", "", "&Both");
  EXPECT_EQ(dialog.View().Focused, DialogButton::Ok);
  dialog.MouseEnter(DialogButton::Abort);  // hidden
  EXPECT_EQ(dialog.View().Focused, DialogButton::Ok);
  dialog.MouseEnter(DialogButton::Retry);
  dialog.PressFocused();
  EXPECT_EQ(dialog.ModalResult(), 4);

  dialog.Ask("Which wrist?", "Wrist", "Wrist &1", "Wrist &2", "", "&Both");
  EXPECT_EQ(dialog.View().Focused, DialogButton::Ok);
  dialog.PressFocused();
  EXPECT_EQ(dialog.ModalResult(), 1);
}

TEST(QuestionDialog, EachCommandThatChangesTheDialogAnnouncesOnce) {
  using testing::AnnouncementsOf;
  TCustomDlg dialog;
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { dialog.Ask("Sure?", "Title", "&Yes", "&No", "", ""); }),
            1);
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { dialog.SetLabelHeight(30); }), 1);
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { dialog.MouseEnter(DialogButton::Abort); }), 0);
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { dialog.MouseEnter(DialogButton::Cancel); }), 1);
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { (void)dialog.FormCloseQuery(); }), 0);
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { dialog.Press(DialogButton::Retry); }), 0);
  EXPECT_EQ(AnnouncementsOf(dialog, [&] { dialog.PressFocused(); }), 1);
  EXPECT_EQ(dialog.ModalResult(), 2);
}

}  // namespace
}  // namespace qm
