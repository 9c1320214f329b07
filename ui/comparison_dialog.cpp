#include "ui/comparison_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/text_codec.h"
#include "ui/view_binding.h"

namespace qm::ui {
namespace {

constexpr const char* kDirectionWords[] = {"worse", "better", "unchanged"};

QLabel* MakeLabel(const char* objectName, const char* accessible, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setAccessibleDescription(QString::fromLatin1(accessible));
  return label;
}

}  // namespace

ComparisonDialog::ComparisonDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmCompare");
  setWindowTitle(ToQt(model_.View().Caption));
  setModal(true);

  templateA_ = LabelBinding(MakeLabel("lTemplateA", "The template in column A", this));
  templateB_ = LabelBinding(MakeLabel("lTemplateB", "The template in column B", this));
  summary_ = LabelBinding(
      MakeLabel("lSummary", "How many figures got worse, better or stayed the same", this));

  changedOnly_ = new QCheckBox(ToQt(kChangedOnlyCaption), this);
  changedOnly_->setObjectName("cbChangedOnly");
  changedOnly_->setAccessibleName(QStringLiteral("Show changed figures only"));
  connect(changedOnly_, &QCheckBox::toggled, this,
          [this](bool checked) { model_.ShowChangedOnly(checked); });

  table_ = new QTableWidget(0, static_cast<int>(kComparisonColumns.size()), this);
  table_->setObjectName("gFigures");
  table_->setAccessibleName(QStringLiteral("Compared figures"));
  table_->setAccessibleDescription(
      QStringLiteral("Every figure of both templates and the difference; worse first, in red, "
                     "then better, in blue, then unchanged"));
  QStringList headers;
  for (std::string_view column : kComparisonColumns) headers << ToQt(column);
  table_->setHorizontalHeaderLabels(headers);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->verticalHeader()->setVisible(false);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);  // the figure

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  close_ = buttons->button(QDialogButtonBox::Close);
  close_->setObjectName("bClose");
  close_->setAccessibleName(QStringLiteral("Close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(templateA_.Label());
  layout->addWidget(templateB_.Label());
  layout->addWidget(summary_.Label());
  layout->addWidget(changedOnly_);
  layout->addWidget(table_, 1);
  layout->addWidget(buttons);
  resize(760, 600);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

void ComparisonDialog::Prepare(const ComparisonRequest& request) {
  model_.SetTemplates(request);
  table_->scrollToTop();
  table_->setFocus(Qt::OtherFocusReason);
}

void ComparisonDialog::Run(const ComparisonRequest& request) {
  Prepare(request);
  exec();
}

void ComparisonDialog::Refresh() {
  const ComparisonWindowView& view = model_.View();
  templateA_.Apply(view.TemplateA);
  templateB_.Apply(view.TemplateB);
  summary_.Apply(view.Summary);
  {
    const QSignalBlocker blocker(changedOnly_);
    changedOnly_->setChecked(view.ChangedOnly.Checked);
  }
  table_->setUpdatesEnabled(false);
  table_->setRowCount(static_cast<int>(view.Lines.size()));
  for (std::size_t r = 0; r < view.Lines.size(); ++r) {
    const ComparisonLineView& line = view.Lines[r];
    const QColor colour = ToQColor(line.Colour);
    const QString direction =
        QString::fromLatin1(kDirectionWords[static_cast<std::size_t>(line.Direction)]);
    for (std::size_t c = 0; c < line.Cells.size(); ++c) {
      const QString text = ToQt(line.Cells[c]);
      auto* item = new QTableWidgetItem(text);
      item->setForeground(colour);
      if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      // A screen reader hears the direction the colour shows.
      item->setData(Qt::AccessibleTextRole,
                    ToQt(kComparisonColumns[c]) + QStringLiteral(" ") + text +
                        (c == 4 ? QStringLiteral(", ") + direction : QString()));
      table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  }
  table_->setUpdatesEnabled(true);
}

}  // namespace qm::ui
