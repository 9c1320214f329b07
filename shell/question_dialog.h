#pragma once
// The question dialog: a message, a title and two to four buttons whose
// captions the caller chooses. The ok and cancel buttons always show; an
// empty abort or retry caption hides that button, and the visible buttons
// are spread so the row stays centred. The dialog only ends through a button.
#include <array>
#include <string>
#include <string_view>

#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

enum class DialogButton : int { Ok = 0, Cancel = 1, Abort = 2, Retry = 3 };

inline constexpr int kQuestionClientWidth = 361;
inline constexpr int kQuestionButtonWidth = 75;
inline constexpr int kQuestionButtonHeight = 25;
inline constexpr int kQuestionLabelLeft = 8;
inline constexpr int kQuestionLabelTop = 4;
inline constexpr int kQuestionLabelWidth = kQuestionClientWidth - 2 * kQuestionLabelLeft;
// The button row's top is the label's height plus this; the client area ends
// kQuestionRowHeight below the row's top.
inline constexpr int kQuestionRowGap = 8;
inline constexpr int kQuestionRowHeight = 32;

struct DialogButtonView {
  const char* Name;  // the object name: OKBtn, CancelBtn, Button1, Button2
  std::string Caption;
  int Result = 0;  // 1 to 4
  bool Visible = false;
  int Left = 0;
  int Top = 0;
};

struct QuestionDialogView {
  std::string Caption;  // the title
  LabelState Message;   // Label1: centred, word-wrapped, as tall as its text
  int LabelHeight = 0;
  std::array<DialogButtonView, 4> Buttons;  // ok, cancel, abort, retry
  int ClientWidth = kQuestionClientWidth;
  int ClientHeight = 0;
  DialogButton Focused = DialogButton::Ok;
  bool Visible = false;
};

// Every command that changes View() announces once.
class TCustomDlg : public ViewNotifier {
 public:
  TCustomDlg();

  // Prepares a new showing: captions, which buttons show and where. The ok
  // button is the default and takes the focus.
  void Ask(std::string_view message, std::string_view title, std::string_view okCaption,
           std::string_view cancelCaption, std::string_view abortCaption,
           std::string_view retryCaption);
  // The window measured the word-wrapped message: the button row sits below it.
  void SetLabelHeight(int height);
  // A button was pressed: its result ends the showing. Hidden buttons do nothing.
  void Press(DialogButton button);
  // Enter presses the focused button.
  void PressFocused() { Press(view_.Focused); }
  void MouseEnter(DialogButton button);
  // The title bar's or keyboard's close: refused until a button was pressed.
  bool FormCloseQuery();

  // 1 ok, 2 cancel, 3 abort, 4 retry; 0 while no button was pressed.
  int ModalResult() const { return modalResult_; }
  const QuestionDialogView& View() const { return view_; }

 private:
  DialogButtonView& Button(DialogButton b) { return view_.Buttons[static_cast<std::size_t>(b)]; }

  QuestionDialogView view_;
  int modalResult_ = 0;
};

}  // namespace qm
