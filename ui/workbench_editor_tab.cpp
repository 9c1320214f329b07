#include "ui/workbench_editor_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/amount_box.h"
#include "ui/text_codec.h"

namespace qm::ui {
namespace {

constexpr const char* kEffectKindNames[kInlineEffectRows] = {"cProcOne", "cProcTwo"};

QComboBox* Combo(const QString& objectName, const QString& accessible, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(objectName);
  combo->setAccessibleName(accessible);
  combo->setAccessibleDescription(accessible);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(14);
  return combo;
}

QPushButton* Button(const char* objectName, const char* caption, const char* hint,
                    QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAccessibleName(QString::fromLatin1(caption).remove(QLatin1Char('&')));
  if (hint) button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

WorkbenchEditorTab::WorkbenchEditorTab(TfrmItems& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("Edit"));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(BuildStats(), 3);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildEffects());
  rog_ = Button("RoG", "&Make RoG", nullptr, this);
  export_ =
      Button("btnExport", "Export QMX", "Exports currently selected item as a QMX file", this);
  import_ = Button("btnImportQMX", "Import QMX/QMI/XML", "Imports a QMX file", this);
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
  auto* group = new QGroupBox(QStringLiteral("Ite&m Stats"), this);
  group->setObjectName(QStringLiteral("ItemStats"));
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(2);
  name_ = new QLineEdit(group);
  name_->setObjectName(QStringLiteral("CustomName"));
  name_->setAccessibleName(QStringLiteral("Item Name"));
  name_->setMaxLength(static_cast<int>(sizeof(TItemRecord{}.Name.Chars)));
  auto* nameLabel = new QLabel(QStringLiteral("Item Name"), group);
  nameLabel->setBuddy(name_);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(name_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("Stat Archtypes"), group), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Stat Types"), group), 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Stat Amounts"), group), 1, 2);
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.Editor().CustomItemNameChange(FromQt(text)); });

  for (int k = 0; k < kInlineBonusRows; ++k) {
    BonusRow& row = rows_[static_cast<std::size_t>(k)];
    const QString number = QString::number(k + 1);
    row.Archetype = ComboBinding(
        Combo(QStringLiteral("a") + number,
              QStringLiteral("Bonus ") + number + QStringLiteral(" archetype"), group));
    row.Bonus =
        ComboBinding(Combo(QStringLiteral("c") + number, QStringLiteral("Bonus ") + number, group));
    row.Amount = new AmountBox(kBonusAmountLimit, true, group);
    row.Amount->setObjectName(QStringLiteral("s") + number);
    row.Amount->setAccessibleName(QStringLiteral("Bonus ") + number + QStringLiteral(" amount"));
    grid->addWidget(row.Archetype.Combo(), k + 2, 0);
    grid->addWidget(row.Bonus.Combo(), k + 2, 1);
    grid->addWidget(row.Amount, k + 2, 2);
    connect(row.Archetype.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Editor().aChange(k, index); });
    connect(row.Bonus.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Editor().SelectBonus(k, index); });
    AmountBox* amount = row.Amount;
    amount->onEdited = [this, k, amount](const std::string& text, int caret) {
      amount->ShowEdit(model_.Editor().InlineStatChange(k, text, caret));
    };
  }
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* WorkbenchEditorTab::BuildEffects() {
  auto* group = new QGroupBox(QStringLiteral("Proc E&ffects"), this);
  group->setObjectName(QStringLiteral("ProcEffects"));
  auto* grid = new QGridLayout(group);
  for (int k = 0; k < kInlineEffectRows; ++k) {
    EffectRow& row = effects_[static_cast<std::size_t>(k)];
    const QString number = QString::number(k + 1);
    row.Kind =
        ComboBinding(Combo(QString::fromLatin1(kEffectKindNames[k]),
                           QStringLiteral("Effect ") + number + QStringLiteral(" kind"), group));
    row.Effect = ComboBinding(
        Combo(QStringLiteral("cbExt") + number, QStringLiteral("Effect ") + number, group));
    row.Amount = new AmountBox(kEffectAmountLimit, true, group);
    row.Amount->setObjectName(QStringLiteral("Proc") + number + QStringLiteral("Amt"));
    row.Amount->setAccessibleName(QStringLiteral("Effect ") + number + QStringLiteral(" amount"));
    grid->addWidget(row.Kind.Combo(), k * 2, 0, 1, 2);
    grid->addWidget(row.Effect.Combo(), k * 2 + 1, 0);
    grid->addWidget(row.Amount, k * 2 + 1, 1);
    connect(row.Kind.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Editor().SelectEffectKind(k, index); });
    connect(row.Effect.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Editor().SelectEffect(k, index); });
    AmountBox* amount = row.Amount;
    amount->onEdited = [this, k, amount](const std::string& text, int caret) {
      amount->ShowEdit(model_.Editor().ProcValueChange(k, text, caret));
    };
  }
  grid->setColumnStretch(0, 1);
  return group;
}

std::vector<QWidget*> WorkbenchEditorTab::FocusOrder() const {
  std::vector<QWidget*> order{name_};
  for (const BonusRow& row : rows_) {
    order.push_back(row.Archetype.Combo());
    order.push_back(row.Bonus.Combo());
    order.push_back(row.Amount);
  }
  for (const EffectRow& row : effects_) {
    order.push_back(row.Kind.Combo());
    order.push_back(row.Effect.Combo());
    order.push_back(row.Amount);
  }
  order.push_back(rog_);
  order.push_back(export_);
  order.push_back(import_);
  return order;
}

void WorkbenchEditorTab::Apply(const InlineEditorView& view) {
  if (FromQt(name_->text()) != view.Name.Text) {
    const int caret = name_->cursorPosition();
    name_->setText(ToQt(view.Name.Text));
    name_->setCursorPosition(caret);
  }
  name_->setEnabled(view.Name.Enabled);
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    const InlineBonusRowView& state = view.Rows[k];
    rows_[k].Archetype.Apply(state.Archetype);
    rows_[k].Bonus.Apply(state.Bonus);
    rows_[k].Amount->ShowText(state.Amount.Text);
    rows_[k].Amount->setEnabled(state.Amount.Enabled);
  }
  for (std::size_t k = 0; k < effects_.size(); ++k) {
    const InlineEffectRowView& state = view.Effects[k];
    effects_[k].Kind.Apply(state.Kind);
    effects_[k].Effect.Apply(state.Effect);
    effects_[k].Amount->ShowText(state.Amount.Text);
    effects_[k].Amount->setEnabled(state.Amount.Enabled);
  }
}

}  // namespace qm::ui
