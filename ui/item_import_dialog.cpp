#include "ui/item_import_dialog.h"

#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/progress_panel.h"
#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {

ItemImportDialog::ItemImportDialog(FileDialogPort& files, UserPort& user,
                                   const std::string& vaultPath, QWidget* parent)
    : QDialog(parent),
      model_(files, user, vaultPath, QDate::currentDate().toString(Qt::ISODate).toStdString()) {
  setObjectName("frmItemImport");
  setWindowTitle(ToQt(kItemImportCaption));
  setAccessibleName(windowTitle());

  hint_ = LabelBinding(MakeTextLabel("lHint", this));
  target_ = LabelBinding(MakeTextLabel("lTarget", this));
  outcome_ = LabelBinding(MakeTextLabel("lOutcome", this));
  progress_ = new ProgressPanel(this);
  auto* sources = MakeRowTable("tSources", QStringLiteral("Sources to import"), this);
  sources->horizontalHeader()->setDefaultSectionSize(420);
  sources_ = TableBinding(sources);
  auto* report = MakeRowTable("tReport", QStringLiteral("Import report"), this);
  report->horizontalHeader()->setDefaultSectionSize(90);
  report_ = TableBinding(report);

  addFiles_ = MakeButton("bAddFiles", "Add &Files...", this);
  addFolder_ = MakeButton("bAddFolder", "Add F&older...", this);
  remove_ = MakeButton("bRemove", "&Remove", this);
  import_ = MakeButton("bImport", "&Import", this);
  saveReport_ = MakeButton("bSaveReport", "&Save Report...", this);
  close_ = MakeButton("bClose", "&Close", this);
  connect(addFiles_, &QPushButton::clicked, this, [this] { model_.AddFilesClick(); });
  connect(addFolder_, &QPushButton::clicked, this, [this] { model_.AddFolderClick(); });
  connect(remove_, &QPushButton::clicked, this, [this] { model_.RemoveClick(); });
  connect(import_, &QPushButton::clicked, this, [this] {
    if (model_.ImportClick()) StartJob();
  });
  connect(saveReport_, &QPushButton::clicked, this, [this] { model_.SaveReportClick(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::close);
  connect(sources, &QTableWidget::currentCellChanged, this,
          [this](int row) { model_.SelectSource(row); });
  connect(progress_, &ProgressPanel::cancelClicked, this, [this] { model_.CancelClick(); });

  auto* sourceButtons = new QHBoxLayout;
  for (QPushButton* button : {addFiles_, addFolder_, remove_}) sourceButtons->addWidget(button);
  sourceButtons->addStretch(1);
  sourceButtons->addWidget(import_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(saveReport_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint_.Label());
  layout->addWidget(sources, 1);
  layout->addLayout(sourceButtons);
  layout->addWidget(target_.Label());
  layout->addWidget(progress_);
  layout->addWidget(outcome_.Label());
  layout->addWidget(report, 2);
  layout->addLayout(buttons);
  resize(820, 600);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

void ItemImportDialog::Run() {
  show();
  raise();
  activateWindow();
}

void ItemImportDialog::StartJob() {
  StartModelJob<ItemImportReport>(runner_, model_, ImportItemSources,
                                  [this](const JobOutcome<ItemImportReport>& outcome) {
                                    if (outcome.IsFinished() && imported_) imported_();
                                  });
}

void ItemImportDialog::closeEvent(QCloseEvent* event) {
  StopModelJob(runner_, model_);
  QDialog::closeEvent(event);
}

void ItemImportDialog::Refresh() {
  const ItemImportView& view = model_.View();
  hint_.Apply(view.lHint);
  target_.Apply(view.lTarget);
  outcome_.Apply(view.lOutcome);
  sources_.Apply(view.tSources);
  const int reportRows = report_.Table()->rowCount();
  report_.Apply(view.tReport);
  // The reasons are as wide as they are; the names take what is left.
  if (report_.Table()->rowCount() != reportRows) report_.Table()->resizeColumnToContents(0);
  progress_->Apply(view.Progress);
  const std::pair<QPushButton*, const ControlState*> buttons[] = {
      {addFiles_, &view.bAddFiles}, {addFolder_, &view.bAddFolder},   {remove_, &view.bRemove},
      {import_, &view.bImport},     {saveReport_, &view.bSaveReport}, {close_, &view.bClose}};
  for (const auto& [button, state] : buttons) {
    button->setEnabled(state->Enabled && !view.Busy.Disabling(FromQt(button->objectName())));
    button->setVisible(state->Visible);
  }
}

}  // namespace qm::ui
