#include "ui/quickbar_export_dialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/text_codec.h"
#include "ui/view_binding.h"
#include "ui/widget_factory.h"

namespace qm::ui {
namespace {

// A button of a caption in UTF-8, as this window writes its own.
QPushButton* MakeUtf8Button(const char* objectName, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  return button;
}

void ApplyControl(QWidget* widget, const ControlState& state) {
  widget->setEnabled(state.Enabled);
  widget->setVisible(state.Visible);
}

}  // namespace

void QtClipboardPort::CopyText(std::string_view text) {
  QGuiApplication::clipboard()->setText(ToQt(text));
}

QuickbarExportDialog::QuickbarExportDialog(UserPort& user, FileDialogPort& files,
                                           QuickbarExportSetup setup, QWidget* parent)
    : QDialog(parent), model_({user, files, clipboard_}, std::move(setup)) {
  setObjectName("frmQuickbarExport");
  setWindowTitle(ToQt(model_.View().Caption));
  setModal(true);

  iniFile_ = new QLineEdit(this);
  iniFile_->setObjectName("eIniFile");
  iniFile_->setAccessibleName(QStringLiteral("Character's settings file"));
  browse_ = MakeUtf8Button("btnBrowse", "&Browse\xE2\x80\xA6", this);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(iniFile_, 1);
  fileRow->addWidget(browse_);

  auto* kind = new QComboBox(this);
  kind->setObjectName("cbServerKind");
  kind->setAccessibleName(QStringLiteral("Server kind"));
  serverKind_ = ComboBinding(kind);
  loadRecipes_ = MakeUtf8Button("btnLoadRecipes", "&Load Table\xE2\x80\xA6", this);
  auto* recipes = new QLabel(this);
  recipes->setObjectName("lRecipes");
  recipes_ = LabelBinding(recipes);
  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(kind);
  kindRow->addWidget(loadRecipes_);
  kindRow->addWidget(recipes, 1);

  bar_ = MakeSpin("seBar", "Quickbar", this);
  page_ = MakeSpin("sePage", "Page", this);
  slot_ = MakeSpin("seSlot", "First slot", this);
  auto* placeRow = new QHBoxLayout;
  for (auto [caption, spin] :
       {std::pair{"Quickbar", bar_}, {"Page", page_}, {"First slot", slot_}}) {
    placeRow->addWidget(new QLabel(QString::fromLatin1(caption), this));
    placeRow->addWidget(spin);
  }
  realmSwitch_ = new QCheckBox(QStringLiteral("&Realm switch button first"), this);
  realmSwitch_->setObjectName("cbRealmSwitch");
  placeRow->addWidget(realmSwitch_);
  placeRow->addStretch(1);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Settings file:"), fileRow);
  form->addRow(QStringLiteral("Server kind:"), kindRow);
  form->addRow(QStringLiteral("Place:"), placeRow);

  auto* table = new QTableWidget(this);
  table->setObjectName("tPreview");
  table->setAccessibleName(QStringLiteral("Keys the export writes"));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  preview_ = TableBinding(table);

  auto* status = new QLabel(this);
  status->setObjectName("lStatus");
  status->setWordWrap(true);
  status_ = LabelBinding(status);

  export_ = MakeUtf8Button("btnExport", "&Export", this);
  restore_ = MakeUtf8Button("btnRestore", "&Restore Quickbar\xE2\x80\xA6", this);
  copyShopping_ = MakeUtf8Button("btnCopyShopping", "Copy Shopping &List", this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setObjectName("btnClose");
  buttons->addButton(export_, QDialogButtonBox::ActionRole);
  buttons->addButton(restore_, QDialogButtonBox::ActionRole);
  buttons->addButton(copyShopping_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(table, 1);
  layout->addWidget(status);
  layout->addWidget(buttons);
  resize(760, 440);

  connect(iniFile_, &QLineEdit::editingFinished, this,
          [this] { model_.IniFileChange(FromQt(iniFile_->text())); });
  connect(browse_, &QPushButton::clicked, this, [this] { model_.BrowseClick(); });
  connect(kind, &QComboBox::currentIndexChanged, this,
          [this](int index) { model_.ServerKindChange(index); });
  connect(loadRecipes_, &QPushButton::clicked, this, [this] { model_.LoadRecipesClick(); });
  connect(bar_, &QSpinBox::valueChanged, this, [this](int value) { model_.BarChange(value); });
  connect(page_, &QSpinBox::valueChanged, this, [this](int value) { model_.PageChange(value); });
  connect(slot_, &QSpinBox::valueChanged, this, [this](int value) { model_.SlotChange(value); });
  connect(realmSwitch_, &QCheckBox::toggled, this,
          [this](bool checked) { model_.RealmSwitchClick(checked); });
  connect(export_, &QPushButton::clicked, this, [this] { model_.ExportClick(); });
  connect(restore_, &QPushButton::clicked, this, [this] { model_.RestoreClick(); });
  connect(copyShopping_, &QPushButton::clicked, this, [this] { model_.CopyShoppingClick(); });

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

QuickbarExportDialog::~QuickbarExportDialog() {
  model_.SetViewChangedCallback({});
}

void QuickbarExportDialog::Refresh() {
  const QuickbarExportView& view = model_.View();
  ApplyLineEdit(iniFile_, view.IniFile);
  ApplyControl(browse_, view.Browse);
  serverKind_.Apply(view.ServerKind);
  ApplyControl(loadRecipes_, view.LoadRecipes);
  recipes_.Apply(view.Recipes);
  ApplySpin(bar_, view.Bar);
  ApplySpin(page_, view.Page);
  ApplySpin(slot_, view.Slot);
  {
    const QSignalBlocker blocker(realmSwitch_);
    realmSwitch_->setChecked(view.RealmSwitch.Checked);
    realmSwitch_->setEnabled(view.RealmSwitch.Enabled);
  }
  preview_.Apply(view.Preview);
  preview_.Table()->resizeColumnsToContents();
  status_.Apply(view.Status);
  ApplyControl(export_, view.Export);
  ApplyControl(restore_, view.Restore);
  ApplyControl(copyShopping_, view.CopyShopping);
}

void QuickbarExportDialog::Prepare(const QuickbarRequest& request) {
  model_.FormShow(request.Template);
  iniFile_->setFocus(Qt::OtherFocusReason);
}

void QuickbarExportDialog::Run(const QuickbarRequest& request) {
  Prepare(request);
  exec();
}

}  // namespace qm::ui
