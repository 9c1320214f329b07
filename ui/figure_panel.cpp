#include "ui/figure_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/active_label.h"
#include "ui/text_codec.h"

namespace qm::ui {
namespace {

template <typename Rows>
std::vector<const FigureRow*> Pointers(const Rows& rows) {
  std::vector<const FigureRow*> pointers;
  for (const FigureRow& row : rows) pointers.push_back(&row);
  return pointers;
}

// What a screen reader says a row is: its fixed caption, or the neutral name
// of the rows whose caption follows the class.
std::vector<QString> Captions(const std::vector<const FigureRow*>& rows, const char* generic) {
  std::vector<QString> captions;
  for (std::size_t i = 0; i < rows.size(); ++i)
    captions.push_back(generic ? QString("%1 %2").arg(generic).arg(i + 1)
                               : ToQt(rows[i]->Name.Text));
  return captions;
}

ActiveLabel* MakeLabel(const std::string& objectName, const QString& description,
                       Qt::Alignment alignment, bool focusable, QWidget* parent) {
  auto* label = new ActiveLabel(parent);
  label->setObjectName(QString::fromStdString(objectName));
  label->setAlignment(alignment | Qt::AlignVCenter);
  if (!description.isEmpty()) label->setAccessibleDescription(description);
  if (!focusable) label->setFocusPolicy(Qt::NoFocus);
  return label;
}

void SetTabStop(QWidget* widget, bool stop) {
  const Qt::FocusPolicy policy = stop ? Qt::TabFocus : Qt::NoFocus;
  if (widget->focusPolicy() != policy) widget->setFocusPolicy(policy);
}

}  // namespace

FigurePanel::FigurePanel(const TotalsDisplay& display, QWidget* parent) {
  // A group box without a name of its own is read out with its parent's title.
  primary_ = new QGroupBox(QStringLiteral("Primary Bonuses"), parent);
  primary_->setObjectName(QStringLiteral("gbPrimary"));
  primary_->setAccessibleName(primary_->title());
  expansion_ = new QGroupBox(QStringLiteral("Expansion Bonuses"), parent);
  expansion_->setObjectName(QStringLiteral("gbExpansion"));
  expansion_->setAccessibleName(expansion_->title());

  auto mainStats = Pointers(display.MainStats);
  std::vector<QString> mainCaptions = Captions(mainStats, nullptr);
  mainCaptions[kAcuityRow] = QStringLiteral("Acuity");
  const auto resists = Pointers(display.Resists);
  const auto skills = Pointers(display.Skills);
  const auto points = Pointers(display.Points);
  const auto toa = Pointers(display.ToA);
  const auto pve = Pointers(display.PvE);

  // Primary: main stats over resists beside skills over points; the two
  // expansion groups side by side. Built in TotalsDisplay::AllRows order.
  auto* primaryLayout = new QHBoxLayout(primary_);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  primaryLayout->addLayout(left);
  primaryLayout->addLayout(right);
  left->addWidget(AddGroup("Main Stats", mainStats, mainCaptions, primary_));
  left->addWidget(AddGroup("Resistance Bonuses", resists, Captions(resists, nullptr), primary_));
  left->addStretch(1);
  right->addWidget(AddGroup("Skill Bonuses", skills, Captions(skills, "Skill"), primary_));
  right->addWidget(AddGroup("Point Bonuses", points, Captions(points, nullptr), primary_));
  right->addStretch(1);

  auto* expansionLayout = new QHBoxLayout(expansion_);
  auto* toaColumn = new QVBoxLayout;
  auto* pveColumn = new QVBoxLayout;
  expansionLayout->addLayout(toaColumn);
  expansionLayout->addLayout(pveColumn);
  toaColumn->addWidget(AddGroup("ToA Bonuses", toa, Captions(toa, nullptr), expansion_));
  toaColumn->addStretch(1);
  pveColumn->addWidget(AddGroup("PvE Bonuses", pve, Captions(pve, nullptr), expansion_));
  pveColumn->addStretch(1);

  Apply(display);
}

QGroupBox* FigurePanel::AddGroup(const char* title, const std::vector<const FigureRow*>& rows,
                                 const std::vector<QString>& rowCaptions, QWidget* parent) {
  auto* box = new QGroupBox(QString::fromLatin1(title), parent);
  box->setAccessibleName(box->title());
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(0);
  grid->setHorizontalSpacing(6);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setColumnStretch(0, 1);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FigureRow& row = *rows[i];
    const QString& caption = rowCaptions[i];
    const int r = static_cast<int>(i);
    ActiveLabel* name = MakeLabel(row.NameObject, {}, Qt::AlignLeft, false, box);
    ActiveLabel* value =
        MakeLabel(row.ValueObject, caption + QStringLiteral(" value"), Qt::AlignRight, true, box);
    ActiveLabel* cap =
        MakeLabel(row.CapObject, caption + QStringLiteral(" cap"), Qt::AlignLeft, false, box);
    grid->addWidget(name, r, 0);
    grid->addWidget(value, r, 1);
    grid->addWidget(cap, r, 2);
    RowWidgets widgets{LabelBinding(name), LabelBinding(value), LabelBinding(cap), LabelBinding()};
    std::vector<ActiveLabel*> labels{name, value, cap};
    if (row.HasDiff) {
      ActiveLabel* diff = MakeLabel(row.DiffObject, caption + QStringLiteral(" difference"),
                                    Qt::AlignRight, false, box);
      grid->addWidget(diff, r, 3);
      widgets.Diff = LabelBinding(diff);
      labels.push_back(diff);
    }
    const std::size_t index = rows_.size();
    rows_.push_back(widgets);
    // Apply decides which of these are tab stops.
    focusOrder_.push_back(value);
    focusOrder_.push_back(cap);
    for (std::size_t part = 0; part < labels.size(); ++part) {
      QObject::connect(labels[part], &ActiveLabel::hovered, [this, index, part] {
        const RowWidgets& w = rows_[index];
        const LabelBinding* bindings[] = {&w.Name, &w.Value, &w.Cap, &w.Diff};
        if (onHover) onHover(bindings[part]->Tag());
      });
    }
  }
  return box;
}

void FigurePanel::Apply(const TotalsDisplay& display) {
  const std::vector<const FigureRow*> rows = display.AllRows();
  for (std::size_t i = 0; i < rows.size() && i < rows_.size(); ++i) {
    RowWidgets& w = rows_[i];
    w.Name.Apply(rows[i]->Name);
    w.Value.Apply(rows[i]->Value);
    w.Cap.Apply(rows[i]->Cap);
    if (w.Diff.Label()) w.Diff.Apply(rows[i]->Diff);
    // A row that explains nothing (an empty skill row, the acuity row of a
    // class without acuity) is no tab stop; a cap is one only where it
    // explains a bonus of its own.
    const int valueTag = rows[i]->Value.Tag;
    const int capTag = rows[i]->Cap.Tag;
    SetTabStop(w.Value.Label(), valueTag != 0);
    SetTabStop(w.Cap.Label(), capTag != 0 && capTag != valueTag);
  }
}

}  // namespace qm::ui
