#include "ui/support/view_check.h"

#include <QTableWidget>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStringList>

#include "ui/text_codec.h"

namespace qm::testing {
namespace {

std::string Quoted(const QString& text) {
  return "'" + text.toStdString() + "'";
}

// Hidden, not "not visible": a window the test never shows still hides
// exactly the controls its model hides.
std::string StateMismatch(const QWidget* widget, bool enabled, bool visible) {
  if (widget->isEnabled() != enabled) return enabled ? "disabled" : "enabled";
  if (widget->isHidden() == visible) return visible ? "hidden" : "shown";
  return {};
}

QString Joined(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined << ui::ToQt(line);
  return joined.join(QLatin1Char('\n'));
}

}  // namespace

template <typename T>
T* ViewCheck::Find(const std::string& name) {
  T* found = window_->findChild<T*>(QString::fromStdString(name));
  if (!found) Fail(name, "missing");
  return found;
}

void ViewCheck::Fail(const std::string& name, const std::string& what) {
  found_.push_back(name + ": " + what);
}

std::string LabelMismatch(const QObject* object, const LabelState& state) {
  const auto* label = qobject_cast<const QLabel*>(object);
  if (!label) return "missing";
  if (label->text() != ui::ToQt(state.Text))
    return "text " + Quoted(label->text()) + " != '" + state.Text + "'";
  const QColor colour = label->palette().color(QPalette::WindowText);
  if (colour != QColor(state.Colour.Red, state.Colour.Green, state.Colour.Blue))
    return "colour " + colour.name().toStdString();
  if (label->toolTip() != (state.HintEnabled ? ui::ToQt(state.Hint) : QString()))
    return "hint " + Quoted(label->toolTip());
  return StateMismatch(label, state.Enabled, state.Visible);
}

void ViewCheck::Label(const std::string& name, const LabelState& state) {
  const std::string mismatch =
      LabelMismatch(window_->findChild<QLabel*>(QString::fromStdString(name)), state);
  if (!mismatch.empty()) Fail(name, mismatch);
}

void ViewCheck::Combo(const std::string& name, const ComboState& state) {
  auto* combo = Find<QComboBox>(name);
  if (!combo) return;
  QStringList shown, entries;
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  for (const std::string& entry : state.Entries) entries << ui::ToQt(entry);
  if (shown != entries) return Fail(name, "entries " + Quoted(shown.join('|')));
  const int selection = state.Selection < combo->count() ? state.Selection : -1;
  if (combo->currentIndex() != selection)
    return Fail(name, "selection " + std::to_string(combo->currentIndex()) +
                          " != " + std::to_string(selection));
  if (combo->isEnabled() != state.Enabled) Fail(name, state.Enabled ? "disabled" : "enabled");
}

void ViewCheck::Check(const std::string& name, const CheckState& state) {
  auto* box = Find<QAbstractButton>(name);
  if (!box) return;
  if (box->isChecked() != state.Checked) return Fail(name, state.Checked ? "unchecked" : "checked");
  if (box->isEnabled() != state.Enabled) Fail(name, state.Enabled ? "disabled" : "enabled");
}

void ViewCheck::Control(const std::string& name, const ControlState& state) {
  if (auto* widget = Find<QWidget>(name)) {
    const std::string mismatch = StateMismatch(widget, state.Enabled, state.Visible);
    if (!mismatch.empty()) Fail(name, mismatch);
  }
}

void ViewCheck::TextBox(const std::string& name, const TextBoxState& state) {
  auto* widget = Find<QWidget>(name);
  if (!widget) return;
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    text = edit->text();
  } else if (auto* box = qobject_cast<QAbstractSpinBox*>(widget)) {
    text = box->text();
  } else {
    return Fail(name, "not a text box");
  }
  if (text != ui::ToQt(state.Text)) return Fail(name, "text " + Quoted(text));
  const std::string mismatch = StateMismatch(widget, state.Enabled, state.Visible);
  if (!mismatch.empty()) Fail(name, mismatch);
}

void ViewCheck::List(const std::string& name, const ListState& state) {
  auto* list = Find<QAbstractItemView>(name);
  if (!list) return;
  const QAbstractItemModel* rows = list->model();
  std::vector<std::string> shown;
  for (int row = 0; row < rows->rowCount(); ++row)
    shown.push_back(ui::FromQt(rows->data(rows->index(row, 0)).toString()));
  if (shown != state.Entries)
    return Fail(name, std::to_string(shown.size()) + " rows, not " +
                          std::to_string(state.Entries.size()) + " as listed");
  const int current = list->currentIndex().isValid() ? list->currentIndex().row() : -1;
  if (current != (state.HasSelection() ? state.Selection : -1))
    Fail(name, "current row " + std::to_string(current));
}

void ViewCheck::Table(const std::string& name, const TableState& state) {
  auto* table = Find<QTableWidget>(name);
  if (!table) return;
  if (table->columnCount() != static_cast<int>(state.Captions.size()))
    return Fail(name, std::to_string(table->columnCount()) + " columns");
  for (int column = 0; column < table->columnCount(); ++column) {
    const QTableWidgetItem* header = table->horizontalHeaderItem(column);
    if (!header || ui::FromQt(header->text()) != state.Captions[static_cast<std::size_t>(column)])
      Fail(name, "caption of column " + std::to_string(column));
  }
  if (table->rowCount() != static_cast<int>(state.Rows.size()))
    return Fail(name, std::to_string(table->rowCount()) + " rows, not " +
                          std::to_string(state.Rows.size()));
  for (int row = 0; row < table->rowCount(); ++row) {
    const auto& cells = state.Rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
      const TableCell& cell = cells[static_cast<std::size_t>(column)];
      const QTableWidgetItem* item = table->item(row, column);
      const std::string where =
          " of row " + std::to_string(row) + " column " + std::to_string(column);
      if (!item || ui::FromQt(item->text()) != cell.Text) {
        Fail(name, "text" + where);
      } else if (item->foreground().color() !=
                 QColor(cell.Colour.Red, cell.Colour.Green, cell.Colour.Blue)) {
        Fail(name, "colour" + where);
      }
    }
  }
  const QModelIndexList selected = table->selectionModel()->selectedRows();
  const int shown = selected.size() == 1 ? selected.front().row() : -1;
  if (shown != (state.HasSelection() ? state.Selection : -1))
    Fail(name, "selected row " + std::to_string(shown));
}

void ViewCheck::Memo(const std::string& name, const MemoState& state) {
  auto* memo = Find<QPlainTextEdit>(name);
  if (!memo) return;
  if (memo->toPlainText() != Joined(state.Lines)) return Fail(name, "text differs");
  if (memo->isReadOnly() != state.ReadOnly) Fail(name, state.ReadOnly ? "editable" : "read-only");
}

void ViewCheck::SpinBox(const std::string& name, const SpinBoxState& state) {
  auto* box = Find<QSpinBox>(name);
  if (!box) return;
  if (box->value() != state.Value || box->minimum() != state.Minimum ||
      box->maximum() != state.Maximum)
    return Fail(name, "value " + std::to_string(box->value()));
  if (box->isEnabled() != state.Enabled) Fail(name, state.Enabled ? "disabled" : "enabled");
}

void ViewCheck::MenuItem(const std::string& name, const MenuItemState& state) {
  auto* action = Find<QAction>(name);
  if (!action) return;
  if (action->text() != ui::ToQt(state.Caption))
    return Fail(name, "caption " + Quoted(action->text()));
  if (action->isVisible() != state.Visible) return Fail(name, state.Visible ? "hidden" : "shown");
  // Qt disables a hidden action.
  MenuMark(name, state.Checked, state.Enabled && state.Visible);
}

void ViewCheck::MenuMark(const std::string& name, bool checked, bool enabled) {
  auto* action = Find<QAction>(name);
  if (!action) return;
  if (action->isChecked() != checked) return Fail(name, checked ? "unchecked" : "checked");
  if (action->isEnabled() != enabled) Fail(name, enabled ? "disabled" : "enabled");
}

void ViewCheck::MenuVisible(const std::string& name, bool visible) {
  if (auto* menu = Find<QMenu>(name); menu && menu->menuAction()->isVisible() != visible)
    Fail(name, visible ? "hidden" : "shown");
}

void ViewCheck::Title(const std::string& name, const std::string& text) {
  auto* widget = Find<QWidget>(name);
  if (!widget) return;
  const auto* box = qobject_cast<QGroupBox*>(widget);
  const QString shown = box ? box->title() : widget->windowTitle();
  if (shown != ui::ToQt(text)) Fail(name, "title " + Quoted(shown));
}

std::string Describe(const std::vector<std::string>& mismatches) {
  std::string text;
  for (std::size_t i = 0; i < mismatches.size() && i < 3; ++i) text += mismatches[i] + "; ";
  return text;
}

}  // namespace qm::testing
