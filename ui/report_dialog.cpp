#include "ui/report_dialog.h"

#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "core/file_io.h"
#include "report/report_files.h"
#include "ui/text_codec.h"

namespace qm::ui {
namespace {

constexpr const char* kPreviewFileName = "report.html";

// The Options menu's checkable items, in menu order: each shows one mark of
// the view and runs one command of the model.
struct ReportCheck {
  enum Placement { kOptions, kWeapons, kAfterSeparator };
  const char* name;
  const char* caption;
  char key;
  Placement placement;
  MenuItemState ReportWindowView::*mark;
  void (*command)(TSCReport& model);
};
constexpr ReportCheck kReportChecks[] = {
    {"AllStats1", "&All Stats and Items", '1', ReportCheck::kOptions, &ReportWindowView::AllStats1,
     [](TSCReport& m) { m.ChooseContent(ReportContent::kAllStatsAndItems); }},
    {"Mats", "&Material List", '2', ReportCheck::kOptions, &ReportWindowView::Mats,
     [](TSCReport& m) { m.ChooseContent(ReportContent::kMaterialList); }},
    {"NameOnly1", "Item &Names Only", '3', ReportCheck::kOptions, &ReportWindowView::NameOnly1,
     [](TSCReport& m) { m.ChooseContent(ReportContent::kItemNamesOnly); }},
    {"StatsOnly1", "Display Stats &Only", '4', ReportCheck::kOptions, &ReportWindowView::StatsOnly1,
     [](TSCReport& m) { m.ChooseContent(ReportContent::kStatsOnly); }},
    {"None1", "&None", '5', ReportCheck::kWeapons, &ReportWindowView::None1,
     [](TSCReport& m) { m.ChooseWeapon(4); }},
    {"LeftRightHand1", "&Left / Right Hand", '6', ReportCheck::kWeapons,
     &ReportWindowView::LeftRightHand1, [](TSCReport& m) { m.ChooseWeapon(0); }},
    {"ShieldTwoHand1", "&Shield / Two Hand", '7', ReportCheck::kWeapons,
     &ReportWindowView::ShieldTwoHand1, [](TSCReport& m) { m.ChooseWeapon(1); }},
    {"TwoHanded1", "&Two Handed", '8', ReportCheck::kWeapons, &ReportWindowView::TwoHanded1,
     [](TSCReport& m) { m.ChooseWeapon(2); }},
    {"Ranged1", "&Ranged", '9', ReportCheck::kWeapons, &ReportWindowView::Ranged1,
     [](TSCReport& m) { m.ChooseWeapon(3); }},
    {"DisplayRace", "Display &Race Resists", 'R', ReportCheck::kAfterSeparator,
     &ReportWindowView::DisplayRace, [](TSCReport& m) { m.ToggleDisplayRace(); }},
    {"DisplayCap", "Display &Cap Information", 'D', ReportCheck::kOptions,
     &ReportWindowView::DisplayCap, [](TSCReport& m) { m.ToggleDisplayCap(); }},
    {"Notes1", "Display &Item Notes", 'N', ReportCheck::kOptions, &ReportWindowView::Notes1,
     [](TSCReport& m) { m.ToggleNotes(); }},
    {"Expansion1", "Display E&xpansion Tag", 'I', ReportCheck::kOptions,
     &ReportWindowView::Expansion1, [](TSCReport& m) { m.ToggleExpansion(); }},
    {"DisplayUtility1", "Display &Utility", 'U', ReportCheck::kOptions,
     &ReportWindowView::DisplayUtility1, [](TSCReport& m) { m.ToggleDisplayUtility(); }},
    {"ManualEditing1", "Manual &Editing", 'E', ReportCheck::kOptions,
     &ReportWindowView::ManualEditing1, [](TSCReport& m) { m.ToggleManualEditing(); }},
};

QKeySequence Ctrl(QChar key) {
  return QKeySequence(QStringLiteral("Ctrl+") + key);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

// The memo's font: any fixed-pitch font keeps the report's columns lined up.
QFont ReportFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(12);
  return font;
}

}  // namespace

ReportDialog::ReportDialog(FileDialogPort& files, UserPort& user, ShellPort& shell,
                           std::string startFolder, QWidget* parent)
    : QDialog(parent), model_(std::move(startFolder)), files_(files), user_(user), shell_(shell) {
  setObjectName("SCReport");
  setWindowTitle(ToQt(kReportCaption));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setMinimumSize(640, 480);
  setModal(true);

  rpt_ = new QPlainTextEdit(this);
  rpt_->setObjectName("Rpt");
  rpt_->setAccessibleName(QStringLiteral("Template report"));
  rpt_->setAccessibleDescription(
      QStringLiteral("The template report: character, stats against their caps, items and "
                     "materials"));
  rpt_->setLineWrapMode(QPlainTextEdit::NoWrap);
  rpt_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  rpt_->setFont(ReportFont());
  QPalette palette = rpt_->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  rpt_->setPalette(palette);
  rpt_->viewport()->installEventFilter(this);
  rpt_->installEventFilter(this);
  connect(rpt_, &QPlainTextEdit::textChanged, this, [this] { TextEdited(); });

  auto* status = new QStatusBar(this);
  status->setObjectName("StatusBar1");
  status->setSizeGripEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(rpt_, 1);
  layout->addWidget(status);
  BuildMenus();

  chooseFont = [](const QFont& current, QWidget* owner) -> std::optional<QFont> {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, current, owner, QStringLiteral("Change Font"),
                                            QFontDialog::MonospacedFonts);
    return ok ? std::optional<QFont>(font) : std::nullopt;
  };
  setUpPrinter = [](QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("Print Spellcraft Report"));
    return dialog.exec() == QDialog::Accepted;
  };

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

ReportDialog::~ReportDialog() {
  model_.SetViewChangedCallback({});
}

QAction* ReportDialog::AddAction(QMenu* menu, const char* objectName, const char* caption,
                                 QChar key) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromLatin1(objectName));
  if (!key.isNull()) action->setShortcut(Ctrl(key));
  // The dialog has no main window to hand its shortcuts to.
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
  return action;
}

void ReportDialog::BuildMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName("MainMenu1");
  layout()->setMenuBar(bar);

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  file->setObjectName("File1");
  // A failed save has told the user already; the window has nothing to add.
  connect(AddAction(file, "SaveasText", "&Save as Text", 'T'), &QAction::triggered, this,
          [this] { static_cast<void>(model_.SaveasText(files_, user_)); });
  connect(AddAction(file, "SaveasHTML", "Save as &HTML", 'H'), &QAction::triggered, this,
          [this] { static_cast<void>(model_.SaveasHTML(files_, user_)); });
  file->addSeparator();
  connect(AddAction(file, "Print1", "&Print\xE2\x80\xA6", 'P'), &QAction::triggered, this,
          [this] { Print(); });
  connect(AddAction(file, "OpenInBrowser1", "&Open in Browser", 'B'), &QAction::triggered, this,
          [this] { OpenInBrowser(); });
  file->addSeparator();
  connect(AddAction(file, "ExportGemsToQuickbar1", "Export Gems to &Quickbar\xE2\x80\xA6", QChar()),
          &QAction::triggered, this, [this] {
            if (quickbarCommand_) quickbarCommand_();
          });
  file->addSeparator();
  connect(AddAction(file, "Exit1", "E&xit", 'X'), &QAction::triggered, this, &QDialog::accept);

  QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
  edit->setObjectName("Edit1");
  connect(AddAction(edit, "SelectAll1", "&Select All", 'A'), &QAction::triggered, this, [this] {
    FocusText();
    rpt_->selectAll();
  });
  // The selection, not the whole report: Select All first copies everything.
  connect(AddAction(edit, "CopytoClipboard1", "&Copy to Clipboard", 'C'), &QAction::triggered, this,
          [this] {
            FocusText();
            rpt_->copy();
          });

  QMenu* options = bar->addMenu(QStringLiteral("&Options"));
  options->setObjectName("Options1");
  QMenu* weapons = nullptr;
  for (const ReportCheck& item : kReportChecks) {
    if (item.placement == ReportCheck::kWeapons && !weapons) {
      weapons = options->addMenu(QStringLiteral("&Weapon Options"));
      weapons->setObjectName("EquipOptions1");
    }
    if (item.placement == ReportCheck::kAfterSeparator) options->addSeparator();
    QMenu* menu = item.placement == ReportCheck::kWeapons ? weapons : options;
    QAction* action = AddAction(menu, item.name, item.caption, QChar::fromLatin1(item.key));
    action->setCheckable(true);
    checks_.push_back(action);
    // The model decides the marks; Refresh puts them back after Qt flipped one.
    connect(action, &QAction::triggered, this,
            [this, command = item.command] { Option([&] { command(model_); }); });
  }
  options->addSeparator();
  connect(AddAction(options, "Font1", "Change &Font", 'F'), &QAction::triggered, this,
          [this] { Option([this] { ChooseFont(); }); });
}

void ReportDialog::Prepare(const ReportRequest& request) {
  model_.SetReportTemplate(request.Template);
  model_.SetMainWindowReadings(
      {request.ClassText, request.RaceIndex, request.RaceText, request.UtilityTexts});
  model_.BuildReport();
  FocusText();
}

void ReportDialog::Run(const ReportRequest& request) {
  Prepare(request);
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
}

void ReportDialog::FocusText() {
  rpt_->setFocus(Qt::OtherFocusReason);
}

void ReportDialog::ChooseFont() {
  if (!chooseFont) return;
  if (const std::optional<QFont> font = chooseFont(rpt_->font(), this)) rpt_->setFont(*font);
}

void ReportDialog::Print() {
  QPrinter printer;
  printer.setDocName(ToQt(kReportCaption));
  if (setUpPrinter && setUpPrinter(printer, this)) rpt_->print(&printer);
  FocusText();
}

// The page is the one "Save as &HTML" writes, put where the user's browser
// may read it and nothing else in the user's folders changes.
void ReportDialog::OpenInBrowser() {
  QString folder = previewFolder;
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    user_.ShowMessage("There is no folder to put the report page in.");
    return;
  }
  const QString path = QDir(folder).filePath(QString::fromLatin1(kPreviewFileName));
  const std::string bytes = ReportHtmlBytes(model_.Lines(), model_.ReportCopy().CharName.View());
  const Status written = WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes);
  if (!written.Ok()) {
    user_.ShowMessage(written.error);
    return;
  }
  shell_.OpenInShell(QUrl::fromLocalFile(path).toEncoded().toStdString());
}

// A manual edit: the model keeps the text as the player left it.
void ReportDialog::TextEdited() {
  if (rpt_->isReadOnly()) return;
  shownLines_ = SplitLines(FromQt(rpt_->toPlainText()));
  model_.EditLines(shownLines_);
}

// Moving the mouse into or over the report gives it the focus.
bool ReportDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
    if (!rpt_->hasFocus()) rpt_->setFocus(Qt::MouseFocusReason);
  }
  return QDialog::eventFilter(watched, event);
}

void ReportDialog::Refresh() {
  const ReportWindowView view = model_.View();
  for (std::size_t i = 0; i < checks_.size(); ++i) {
    const MenuItemState& mark = view.*kReportChecks[i].mark;
    checks_[i]->setChecked(mark.Checked);
    checks_[i]->setEnabled(mark.Enabled);
  }
  rpt_->setReadOnly(view.Rpt.ReadOnly);
  // Tabs are text only while the player edits; otherwise Tab leaves the report.
  rpt_->setTabChangesFocus(view.Rpt.ReadOnly);
  if (!shownOnce_ || view.Rpt.Lines != shownLines_) {
    shownOnce_ = true;
    shownLines_ = view.Rpt.Lines;
    const QSignalBlocker blocker(rpt_);
    rpt_->setPlainText(ToQtLines(shownLines_));
    rpt_->moveCursor(QTextCursor::Start);
  }
}

}  // namespace qm::ui
