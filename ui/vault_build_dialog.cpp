#include "ui/vault_build_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/progress_panel.h"
#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {
VaultBuildDialog::VaultBuildDialog(FileDialogPort& files, QWidget* parent)
    : QDialog(parent), model_(files) {
  setObjectName("frmVaultBuild");
  setWindowTitle(ToQt(kVaultBuildCaption));
  setAccessibleName(windowTitle());

  source_ = LabelBinding(MakeTextLabel("lSource", this));
  target_ = LabelBinding(MakeTextLabel("lTarget", this));
  outcome_ = LabelBinding(MakeTextLabel("lOutcome", this));
  progress_ = new ProgressPanel(this);

  auto* table = MakeRowTable("tSkipped", QStringLiteral("Skipped files"), this);
  table->horizontalHeader()->setDefaultSectionSize(320);
  skipped_ = TableBinding(table);

  build_ = MakeButton("bBuild", "&Build a Vault...", this);
  close_ = MakeButton("bClose", "&Close", this);
  connect(build_, &QPushButton::clicked, this, [this] {
    if (model_.BuildClick()) StartJob();
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  connect(progress_, &ProgressPanel::cancelClicked, this, [this] { model_.CancelClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(build_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(source_.Label());
  layout->addWidget(target_.Label());
  layout->addWidget(progress_);
  layout->addWidget(outcome_.Label());
  layout->addWidget(table, 1);
  layout->addLayout(buttons);
  resize(640, 360);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

void VaultBuildDialog::Run() {
  if (!model_.BuildClick()) return;
  show();
  raise();
  activateWindow();
  StartJob();
}

void VaultBuildDialog::StartJob() {
  StartModelJob<XmlVaultBuildReport>(runner_, model_, BuildXmlVault);
}

void VaultBuildDialog::closeEvent(QCloseEvent* event) {
  StopModelJob(runner_, model_);
  QDialog::closeEvent(event);
}

void VaultBuildDialog::Refresh() {
  const VaultBuildView& view = model_.View();
  source_.Apply(view.lSource);
  target_.Apply(view.lTarget);
  outcome_.Apply(view.lOutcome);
  skipped_.Apply(view.tSkipped);
  progress_->Apply(view.Progress);
  build_->setEnabled(view.bBuild.Enabled && !view.Busy.Disabling("bBuild"));
  close_->setEnabled(view.bClose.Enabled && !view.Busy.Disabling("bClose"));
}

}  // namespace qm::ui
