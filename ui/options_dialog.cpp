#include "ui/options_dialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/text_codec.h"

namespace qm::ui {
namespace {

QString Caption(const char* text) {
  return ToQt(text).remove('&');
}

QString Path(const std::string& bytes) {
  return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// On this desktop the "drives" are the file system's root and the user's home.
QStringList Drives() {
  QStringList drives;
  for (const QFileInfo& drive : QDir::drives()) drives.append(drive.absoluteFilePath());
  drives.append(QDir::homePath());
  return drives;
}

}  // namespace

OptionsDialog::OptionsDialog(Settings& settings, UserPort& user, QWidget* parent)
    : QDialog(parent), model_(settings, user) {
  setObjectName("frmOptions");
  setWindowTitle(ToQt(kOptionsCaption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                 Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);

  auto* heading = new QLabel(ToQt(kOptionsHeading), this);
  heading->setObjectName("Label1");
  heading->setAlignment(Qt::AlignCenter);
  heading->setAccessibleName(heading->text());

  auto* basic = new QGroupBox(ToQt(kBasicSettingsGroup), this);
  basic->setObjectName("BasicSettings");
  basic->setAccessibleName(Caption(kBasicSettingsGroup));
  levelFilter_ = new QComboBox(basic);
  levelFilter_->setObjectName("SLFilter");
  levelFilter_->setAccessibleName(Caption(kLevelFilterLabel));
  levelFilter_->setToolTip(ToQt(kLevelFilterHint));
  levelFilter_->setAccessibleDescription(ToQt(kLevelFilterHint));
  for (const std::string& item : model_.View().LevelFilter.Entries)
    levelFilter_->addItem(ToQt(item));
  auto* levelLabel = new QLabel(ToQt(kLevelFilterLabel), basic);
  levelLabel->setObjectName("LevelFilterLabel");
  levelLabel->setBuddy(levelFilter_);
  ok_ = new QPushButton(ToQt(kOptionsOkCaption), basic);
  ok_->setObjectName("OKBtn");
  ok_->setAccessibleName(Caption(kOptionsOkCaption));
  ok_->setDefault(true);
  cancel_ = new QPushButton(ToQt(kOptionsCancelCaption), basic);
  cancel_->setObjectName("CancelBtn");
  cancel_->setAccessibleName(Caption(kOptionsCancelCaption));
  auto* basicLayout = new QGridLayout(basic);
  basicLayout->addWidget(levelLabel, 0, 0);
  basicLayout->addWidget(levelFilter_, 1, 0);
  basicLayout->setColumnStretch(1, 1);
  basicLayout->addWidget(ok_, 0, 2);
  basicLayout->addWidget(cancel_, 1, 2);

  auto* folder = new QGroupBox(ToQt(kTemplateFolderGroup), this);
  folder->setObjectName("TemplateFolder");
  folder->setAccessibleName(Caption(kTemplateFolderGroup));
  drive_ = new QComboBox(folder);
  drive_->setObjectName("DriveCombo");
  drive_->setAccessibleName("Drive");
  drive_->setToolTip(ToQt(kDriveHint));
  drive_->setAccessibleDescription(ToQt(kDriveHint));
  drive_->addItems(Drives());
  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setRootPath(QDir::rootPath());
  directory_ = new QTreeView(folder);
  directory_->setObjectName("Directory");
  directory_->setAccessibleName("Directory");
  directory_->setToolTip(ToQt(kDirectoryHint));
  directory_->setAccessibleDescription(ToQt(kDirectoryHint));
  directory_->setModel(folders_);
  for (int column = 1; column < folders_->columnCount(); ++column) directory_->hideColumn(column);
  directory_->header()->hide();
  directory_->setMinimumHeight(180);
  auto* folderLayout = new QVBoxLayout(folder);
  folderLayout->addWidget(drive_);
  folderLayout->addWidget(directory_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(basic);
  layout->addWidget(folder);
  setMinimumWidth(360);

  for (QWidget* w :
       std::initializer_list<QWidget*>{levelFilter_, ok_, cancel_, drive_, directory_}) {
    w->installEventFilter(this);
  }
  connect(levelFilter_, &QComboBox::activated, this, [this](int index) {
    model_.SLFilterChange(index);
    Refresh();
  });
  connect(drive_, &QComboBox::activated, this, [this](int index) {
    model_.DirectoryChange(QFile::encodeName(drive_->itemText(index)).toStdString());
    Refresh();
  });
  connect(directory_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            const QString path = folders_->filePath(current);
            if (path.isEmpty() || Path(model_.View().Directory.Text) == path) return;
            model_.DirectoryChange(QFile::encodeName(path).toStdString());
          });
  // The folder list fills in the background; once the shown folder's
  // parents are there, it is brought into view again.
  connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    const QString shown = QDir::cleanPath(Path(model_.View().Directory.Text));
    if (!shown.startsWith(loaded)) return;
    // After the view has laid out the rows just added.
    QTimer::singleShot(0, this, [this, shown] {
      directory_->scrollTo(folders_->index(shown), QAbstractItemView::PositionAtCenter);
    });
  });
  // It also sorts the rows it added a moment later, which moves them again.
  connect(folders_, &QAbstractItemModel::layoutChanged, this, [this] {
    directory_->scrollTo(directory_->currentIndex(), QAbstractItemView::PositionAtCenter);
  });
  connect(ok_, &QPushButton::clicked, this, [this] {
    model_.OKBtnClick(menu_);
    accepted_ = true;
    Refresh();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    model_.CancelBtnClick();
    Refresh();
  });
}

void OptionsDialog::Prepare(const OptionsMenuChecks& menu) {
  menu_ = menu;
  accepted_ = false;
  model_.FormShow(menu);
  Refresh();
  levelFilter_->setFocus();
}

bool OptionsDialog::Run(const OptionsMenuChecks& menu) {
  Prepare(menu);
  exec();
  return accepted_;
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
  event->setAccepted(model_.FormCloseQuery());
}

void OptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only a laid-out list can bring the folder into view.
  QTimer::singleShot(0, this,
                     [this] { ShowFolder(QDir::cleanPath(Path(model_.View().Directory.Text))); });
}

void OptionsDialog::reject() {
  // Escape is the cancel button, which is off while no settings exist yet.
  model_.CancelBtnClick();
  Refresh();
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    if (auto* widget = qobject_cast<QWidget*>(watched); widget != nullptr && widget->isEnabled()) {
      widget->setFocus();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void OptionsDialog::ShowFolder(const QString& folder) {
  const QModelIndex index = folders_->index(folder);
  if (!index.isValid()) return;
  directory_->setCurrentIndex(index);
  directory_->scrollTo(index, QAbstractItemView::PositionAtCenter);
  for (int i = 0; i < drive_->count(); ++i) {
    if (folder.startsWith(drive_->itemText(i))) drive_->setCurrentIndex(i);
  }
}

void OptionsDialog::Refresh() {
  const OptionsDialogView& view = model_.View();
  levelFilter_->setCurrentIndex(view.LevelFilter.Selection);
  cancel_->setEnabled(view.Cancel.Enabled);
  ShowFolder(QDir::cleanPath(Path(view.Directory.Text)));
  if (!view.Visible && isVisible()) done(accepted_ ? Accepted : Rejected);
}

}  // namespace qm::ui
