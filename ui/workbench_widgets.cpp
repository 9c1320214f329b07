#include "ui/workbench_widgets.h"

#include <QComboBox>
#include <QPushButton>

namespace qm::ui {

QPushButton* MakeButton(const char* objectName, const char* caption, QWidget* parent,
                        const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAccessibleName(QString::fromLatin1(caption).remove(QLatin1Char('&')));
  if (hint) button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

QComboBox* MakeCombo(const QString& objectName, const QString& accessible,
                     int minimumContentsLength, QWidget* parent, const char* hint) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(objectName);
  combo->setAccessibleName(accessible);
  combo->setAccessibleDescription(accessible);
  if (hint) combo->setToolTip(QString::fromLatin1(hint));
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  combo->setMinimumContentsLength(minimumContentsLength);
  return combo;
}

}  // namespace qm::ui
