#include "ui/comparison_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/comparison_table.h"
#include "ui/text_codec.h"
#include "ui/view_binding.h"

namespace qm::ui {
namespace {

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

  table_ = MakeComparisonTable("gFigures", QStringLiteral("Compared figures"), this);

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
  ApplyComparisonLines(table_, view.Lines);
}

}  // namespace qm::ui
