#pragma once
// Compares a window's widgets with its model's view, control by control: each
// named control of the view is found under the window by its object name and
// must show its state exactly (texts, entries, selection, marks, colours,
// enabled and visible states). A window's controls are listed once, in its
// ViewMismatches overload, so a new control is covered by naming it there.
#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "ports/view_state.h"

namespace qm::testing {

class ViewCheck {
 public:
  explicit ViewCheck(const QObject* window) : window_(window) {}

  void Label(const std::string& name, const LabelState& state);
  void Combo(const std::string& name, const ComboState& state);
  void Check(const std::string& name, const CheckState& state);
  void Control(const std::string& name, const ControlState& state);
  void TextBox(const std::string& name, const TextBoxState& state);
  void List(const std::string& name, const ListState& state);
  void Table(const std::string& name, const TableState& state);
  void Memo(const std::string& name, const MemoState& state);
  void SpinBox(const std::string& name, const SpinBoxState& state);
  void MenuItem(const std::string& name, const MenuItemState& state);
  // A menu item whose caption the window fixes: only its mark and state.
  void MenuMark(const std::string& name, bool checked, bool enabled = true);
  // A menu's own entry in its parent menu.
  void MenuVisible(const std::string& name, bool visible);
  // A group box's title or a window's caption.
  void Title(const std::string& name, const std::string& text);
  void Fail(const std::string& name, const std::string& what);

  const std::vector<std::string>& Mismatches() const { return found_; }

 private:
  template <typename T>
  T* Find(const std::string& name);

  const QObject* window_;
  std::vector<std::string> found_;
};

// Where a label differs from its state; empty when it shows it exactly.
std::string LabelMismatch(const QObject* label, const LabelState& state);

// The first few mismatches on one line, for a failure message.
std::string Describe(const std::vector<std::string>& mismatches);

}  // namespace qm::testing

// Fails the test, naming the first mismatches, unless the window shows its view.
#define QM_VERIFY_VIEW(mismatches)                                       \
  do {                                                                   \
    const std::vector<std::string> qmFound = (mismatches);               \
    QVERIFY2(qmFound.empty(), ::qm::testing::Describe(qmFound).c_str()); \
  } while (false)
