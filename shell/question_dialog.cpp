#include "shell/question_dialog.h"

namespace qm {
namespace {

// Left edges of the visible buttons, ok first, for each choice of the two
// optional buttons: all four; abort without retry; ok and cancel only; and
// retry without abort, which keeps the two-button places and adds retry at
// the far right.
struct ButtonRow {
  bool abort;
  bool retry;
  std::array<int, 4> left;  // ok, cancel, abort, retry; 0 where hidden
};

constexpr std::array<ButtonRow, 4> kButtonRows{{
    {true, true, {7, 95, 183, 271}},
    {true, false, {47, 135, 223, 0}},
    {false, false, {95, 183, 0, 0}},
    {false, true, {95, 183, 0, 271}},
}};

constexpr std::array<const char*, 4> kButtonNames{"OKBtn", "CancelBtn", "Button1", "Button2"};

}  // namespace

TCustomDlg::TCustomDlg() {
  for (std::size_t i = 0; i < view_.Buttons.size(); ++i) {
    view_.Buttons[i].Name = kButtonNames[i];
    view_.Buttons[i].Result = static_cast<int>(i) + 1;
  }
  SetLabelHeight(0);
}

void TCustomDlg::Ask(std::string_view message, std::string_view title, std::string_view okCaption,
                     std::string_view cancelCaption, std::string_view abortCaption,
                     std::string_view retryCaption) {
  view_.Caption = title;
  view_.Message.Text = message;
  const std::array<std::string_view, 4> captions{okCaption, cancelCaption, abortCaption,
                                                 retryCaption};
  const bool abort = !abortCaption.empty();
  const bool retry = !retryCaption.empty();
  for (const ButtonRow& row : kButtonRows) {
    if (row.abort != abort || row.retry != retry) continue;
    for (std::size_t i = 0; i < view_.Buttons.size(); ++i) {
      DialogButtonView& b = view_.Buttons[i];
      b.Caption = captions[i];
      b.Visible = i < 2 || (i == 2 ? abort : retry);
      b.Left = row.left[i];
    }
  }
  view_.Focused = DialogButton::Ok;
  view_.Visible = true;
  modalResult_ = 0;
  NotifyViewChanged();
}

void TCustomDlg::SetLabelHeight(int height) {
  view_.LabelHeight = height;
  const int rowTop = height + kQuestionRowGap;
  for (DialogButtonView& b : view_.Buttons) b.Top = rowTop;
  view_.ClientHeight = rowTop + kQuestionRowHeight;
  NotifyViewChanged();
}

void TCustomDlg::Press(DialogButton button) {
  const DialogButtonView& b = Button(button);
  if (!view_.Visible || !b.Visible) return;
  modalResult_ = b.Result;
  view_.Visible = false;
  NotifyViewChanged();
}

void TCustomDlg::MouseEnter(DialogButton button) {
  if (!Button(button).Visible) return;
  view_.Focused = button;
  NotifyViewChanged();
}

bool TCustomDlg::FormCloseQuery() {
  if (modalResult_ == 0) return false;
  view_.Visible = false;
  NotifyViewChanged();
  return true;
}

}  // namespace qm
