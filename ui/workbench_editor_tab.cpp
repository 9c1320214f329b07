#include "ui/workbench_editor_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/amount_box.h"
#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {
namespace {

constexpr const char* kEffectKindNames[kInlineEffectRows] = {"cProcOne", "cProcTwo"};

// The editor's combos leave room for fourteen characters.
ComboBinding Combo(const QString& objectName, const QString& accessible, QWidget* parent) {
  return ComboBinding(
      MakeCombo({.ObjectName = objectName, .Accessible = accessible, .Characters = 14}, parent));
}

}  // namespace

WorkbenchEditorTab::WorkbenchEditorTab(TfrmItems& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("Edit"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildStats(), 3);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildEffects());
  rog_ = MakeButton("RoG", "&Make RoG", this);
  export_ =
      MakeButton("btnExport", "Export QMX", this, "Exports currently selected item as a QMX file");
  import_ = MakeButton("btnImportQMX", "Import QMX/QMI/XML", this, "Imports a QMX file");
  right->addWidget(rog_);
  right->addWidget(export_);
  right->addWidget(import_);
  right->addStretch(1);
  layout->addLayout(right, 2);
  connect(rog_, &QPushButton::clicked, this, [this] { model_.RoGClick(); });
  connect(export_, &QPushButton::clicked, this, [this] { model_.btnExportClick(); });
  connect(import_, &QPushButton::clicked, this, [this] { model_.btnImportQMXClick(); });
}

QWidget* WorkbenchEditorTab::BuildStats() {
  auto* group = MakeGroupBox(QStringLiteral("Ite&m Stats"), "ItemStats", this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(2);
  name_ = new QLineEdit(group);
  name_->setObjectName(QStringLiteral("CustomName"));
  name_->setAccessibleName(QStringLiteral("Item Name"));
  name_->setMaxLength(static_cast<int>(sizeof(TItemRecord{}.Name.Chars)));
  grid->addWidget(MakeBuddyLabel(QStringLiteral("Item Name"), name_, group), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Stat Archtypes"), group), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Stat Types"), group), 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Stat Amounts"), group), 1, 2);
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.Editor().CustomItemNameChange(FromQt(text)); });

  for (int k = 0; k < kInlineBonusRows; ++k) {
    EditorRow& row = rows_[static_cast<std::size_t>(k)];
    const QString number = QString::number(k + 1);
    const QString bonus = QStringLiteral("Bonus ") + number;
    row.First = Combo(QStringLiteral("a") + number, bonus + QStringLiteral(" archetype"), group);
    row.Second = Combo(QStringLiteral("c") + number, bonus, group);
    row.Amount = MakeAmountBox(kBonusAmountLimit, true, QStringLiteral("s") + number,
                               bonus + QStringLiteral(" amount"), group);
    grid->addWidget(row.First.Combo(), k + 2, 0);
    grid->addWidget(row.Second.Combo(), k + 2, 1);
    grid->addWidget(row.Amount, k + 2, 2);
    Forward(row, k, &InlineEditor::aChange, &InlineEditor::SelectBonus,
            &InlineEditor::InlineStatChange);
  }
  grid->setColumnStretch(1, 1);
  // Spare height goes below the rows, so the captions stay above their boxes.
  grid->setRowStretch(kInlineBonusRows + 2, 1);
  return group;
}

QWidget* WorkbenchEditorTab::BuildEffects() {
  auto* group = MakeGroupBox(QStringLiteral("Proc E&ffects"), "ProcEffects", this);
  auto* grid = new QGridLayout(group);
  for (int k = 0; k < kInlineEffectRows; ++k) {
    EditorRow& row = effects_[static_cast<std::size_t>(k)];
    const QString number = QString::number(k + 1);
    const QString effect = QStringLiteral("Effect ") + number;
    row.First =
        Combo(QString::fromLatin1(kEffectKindNames[k]), effect + QStringLiteral(" kind"), group);
    row.Second = Combo(QStringLiteral("cbExt") + number, effect, group);
    row.Amount = MakeAmountBox(kEffectAmountLimit, true,
                               QStringLiteral("Proc") + number + QStringLiteral("Amt"),
                               effect + QStringLiteral(" amount"), group);
    grid->addWidget(row.First.Combo(), k * 2, 0, 1, 2);
    grid->addWidget(row.Second.Combo(), k * 2 + 1, 0);
    grid->addWidget(row.Amount, k * 2 + 1, 1);
    Forward(row, k, &InlineEditor::SelectEffectKind, &InlineEditor::SelectEffect,
            &InlineEditor::ProcValueChange);
  }
  grid->setColumnStretch(0, 1);
  return group;
}

void WorkbenchEditorTab::Forward(EditorRow& row, int k, ChoiceCommand first, ChoiceCommand second,
                                 AmountCommand amount) {
  connect(row.First.Combo(), &QComboBox::activated, this,
          [this, k, first](int index) { (model_.Editor().*first)(k, index); });
  connect(row.Second.Combo(), &QComboBox::activated, this,
          [this, k, second](int index) { (model_.Editor().*second)(k, index); });
  AmountBox* box = row.Amount;
  box->onEdited = [this, k, amount, box](const std::string& text, int caret) {
    box->ShowEdit((model_.Editor().*amount)(k, text, caret));
  };
}

std::vector<QWidget*> WorkbenchEditorTab::FocusOrder() const {
  std::vector<QWidget*> order{name_};
  const auto add = [&order](const EditorRow& row) {
    order.insert(order.end(), {row.First.Combo(), row.Second.Combo(), row.Amount});
  };
  std::for_each(rows_.begin(), rows_.end(), add);
  std::for_each(effects_.begin(), effects_.end(), add);
  order.push_back(rog_);
  order.push_back(export_);
  order.push_back(import_);
  return order;
}

void WorkbenchEditorTab::Apply(const InlineEditorView& view) {
  ApplyLineEdit(name_, view.Name);
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    const InlineBonusRowView& state = view.Rows[k];
    rows_[k].First.Apply(state.Archetype);
    rows_[k].Second.Apply(state.Bonus);
    rows_[k].Amount->ShowState(state.Amount);
  }
  for (std::size_t k = 0; k < effects_.size(); ++k) {
    const InlineEffectRowView& state = view.Effects[k];
    effects_[k].First.Apply(state.Kind);
    effects_[k].Second.Apply(state.Effect);
    effects_[k].Amount->ShowState(state.Amount);
  }
}

}  // namespace qm::ui
