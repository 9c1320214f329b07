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
  struct BonusRow {
    ComboBinding Archetype, Bonus;
    AmountBox* Amount = nullptr;
  };
  struct EffectRow {
    ComboBinding Kind, Effect;
    AmountBox* Amount = nullptr;
  };

  QWidget* BuildStats();
  QWidget* BuildEffects();

  TfrmItems& model_;
  QLineEdit* name_ = nullptr;
  std::array<BonusRow, kInlineBonusRows> rows_;
  std::array<EffectRow, kInlineEffectRows> effects_;
  QPushButton *rog_ = nullptr, *export_ = nullptr, *import_ = nullptr;
};

}  // namespace qm::ui
