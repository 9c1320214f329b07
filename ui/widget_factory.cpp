#include "ui/widget_factory.h"

#include <QHeaderView>
#include <QTableWidget>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ui/amount_box.h"

namespace qm::ui {

QString WithoutMnemonic(const QString& caption) {
  return QString(caption).remove(QLatin1Char('&'));
}

QPushButton* MakeButton(const char* objectName, const char* caption, QWidget* parent,
                        const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAccessibleName(WithoutMnemonic(QString::fromLatin1(caption)));
  if (hint) button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

QComboBox* MakeCombo(const ComboOptions& options, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(options.ObjectName);
  combo->setAccessibleName(options.Accessible);
  combo->setAccessibleDescription(options.Description.isEmpty() ? options.Accessible
                                                                : options.Description);
  if (!options.Hint.isEmpty()) combo->setToolTip(options.Hint);
  if (options.Characters > 0) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(options.Characters);
  } else {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }
  return combo;
}

QLabel* MakeBuddyLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

AmountBox* MakeAmountBox(int limit, bool spinButtons, const QString& objectName,
                         const QString& accessible, QWidget* parent) {
  auto* box = new AmountBox(limit, spinButtons, parent);
  box->setObjectName(objectName);
  box->setAccessibleName(accessible);
  return box;
}

QSpinBox* MakeSpin(const char* objectName, const char* accessible, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(objectName));
  spin->setAccessibleName(QString::fromLatin1(accessible));
  return spin;
}

QGroupBox* MakeGroupBox(const QString& caption, const char* objectName, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QString::fromLatin1(objectName));
  return group;
}

QLabel* MakeTextLabel(const char* objectName, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QTableWidget* MakeRowTable(const char* objectName, const QString& accessible, QWidget* parent) {
  auto* table = new QTableWidget(parent);
  table->setObjectName(QString::fromLatin1(objectName));
  table->setAccessibleName(accessible);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

}  // namespace qm::ui
