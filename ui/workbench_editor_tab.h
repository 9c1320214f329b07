#pragma once
// The "Inline E&ditor" tab of the item workbench: the name box, ten bonus rows
// (archetype a<k>, bonus c<k>, amount s<k>), two effect rows in "Proc
// E&ffects" (kind, effect, amount) and the buttons "&Make RoG", "Export QMX"
// and "Import QMX/QMI/XML". Rows are edited through the workbench's inline
// editor model; the item files go through the workbench.
#include <QWidget>
#include <array>
#include <vector>

#include "ui/view_binding.h"
#include "workbench/item_search.h"

class QLineEdit;
class QPushButton;

namespace qm::ui {

class AmountBox;

class WorkbenchEditorTab : public QWidget {
  Q_OBJECT
 public:
  WorkbenchEditorTab(TfrmItems& model, QWidget* parent = nullptr);

  void Apply(const InlineEditorView& view);
  std::vector<QWidget*> FocusOrder() const;

 private:
  // A bonus row (archetype, bonus, amount) or an effect row (kind, effect,
  // amount): two choices and an amount, each sent to the editor for its row.
  struct EditorRow {
    ComboBinding First, Second;
    AmountBox* Amount = nullptr;
  };
  using ChoiceCommand = void (InlineEditor::*)(int row, int position);
  using AmountCommand = AmountBoxEdit (InlineEditor::*)(int row, std::string_view text, int caret);

  QWidget* BuildStats();
  QWidget* BuildEffects();
  void Forward(EditorRow& row, int k, ChoiceCommand first, ChoiceCommand second,
               AmountCommand amount);

  TfrmItems& model_;
  QLineEdit* name_ = nullptr;
  std::array<EditorRow, kInlineBonusRows> rows_;
  std::array<EditorRow, kInlineEffectRows> effects_;
  QPushButton *rog_ = nullptr, *export_ = nullptr, *import_ = nullptr;
};

}  // namespace qm::ui
