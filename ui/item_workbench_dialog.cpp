#include "ui/item_workbench_dialog.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/text_codec.h"
#include "ui/widget_factory.h"
#include "ui/workbench_editor_tab.h"
#include "ui/workbench_load_tab.h"
#include "ui/workbench_spellcraft_tab.h"

namespace qm::ui {
namespace {

// Tab pages in the order the window shows them.
constexpr int kLoadPage = 0;
constexpr int kEditorPage = 1;
constexpr int kSpellcraftPage = 2;

}  // namespace

ItemWorkbenchDialog::ItemWorkbenchDialog(TfrmItems& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("frmItems"));
  setWindowTitle(QStringLiteral("Items"));
  setModal(true);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("ItemTabs"));
  load_ = new WorkbenchLoadTab(model_, tabs_);
  editor_ = new WorkbenchEditorTab(model_, tabs_);
  spellcraft_ = new WorkbenchSpellcraftTab(model_, tabs_);
  tabs_->insertTab(kLoadPage, load_, QStringLiteral("&Load Item"));
  tabs_->insertTab(kEditorPage, editor_, QStringLiteral("Inline E&ditor"));
  tabs_->insertTab(kSpellcraftPage, spellcraft_, QStringLiteral("&Spellcraft"));
  tabs_->tabBar()->setAccessibleName(QStringLiteral("Workbench tabs"));
  layout->addWidget(tabs_, 1);
  BuildButtons(this);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
    if (applying_) return;
    if (page == kLoadPage) model_.ActivateTab(WorkbenchTab::kLoad);
    if (page == kEditorPage) model_.ActivateTab(WorkbenchTab::kInline);
    if (page == kSpellcraftPage) model_.ActivateTab(WorkbenchTab::kSpellcraft);
  });
  SetTabOrder();
  WatchControls();
  resize(980, 600);
  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

void ItemWorkbenchDialog::SetQuickbarCommand(std::function<void()> command) {
  spellcraft_->SetQuickbarCommand(std::move(command));
}

ItemWorkbenchDialog::~ItemWorkbenchDialog() {
  model_.SetViewChangedCallback({});
}

void ItemWorkbenchDialog::BuildButtons(QWidget* parent) {
  auto* row = new QHBoxLayout;
  return_ = MakeButton("btnReturn", "&Return Item", parent);
  cancel_ = MakeButton("btnCancel", "&Cancel", parent);
  empty_ = MakeButton("btnEmpty", "&Empty Slot", parent);
  previous_ = MakeButton("btnPrev", "&Previous Item", parent);
  row->addWidget(previous_);
  row->addWidget(empty_);
  row->addStretch(1);
  row->addWidget(return_);
  row->addWidget(cancel_);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  return_->setDefault(true);
  connect(return_, &QPushButton::clicked, this, [this] { model_.btnReturnClick(); });
  connect(cancel_, &QPushButton::clicked, this, [this] { model_.btnCancelClick(); });
  connect(empty_, &QPushButton::clicked, this, [this] { model_.btnEmptyClick(); });
  connect(previous_, &QPushButton::clicked, this, [this] { model_.btnPrevClick(); });
}

void ItemWorkbenchDialog::SetTabOrder() {
  std::vector<QWidget*> order{tabs_->tabBar()};
  for (QWidget* w : load_->FocusOrder()) order.push_back(w);
  for (QWidget* w : editor_->FocusOrder()) order.push_back(w);
  for (QWidget* w : spellcraft_->FocusOrder()) order.push_back(w);
  for (QWidget* w : {return_, cancel_, empty_, previous_}) order.push_back(w);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

// The model decides the default button and where the focus goes when the
// mouse moves over a control or the focus enters one.
void ItemWorkbenchDialog::WatchControls() {
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (!widget->objectName().isEmpty()) widget->installEventFilter(this);
  }
}

bool ItemWorkbenchDialog::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Enter || type == QEvent::Leave || type == QEvent::FocusIn) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isEnabled() && !model_.Closed()) {
      const std::string name = widget->objectName().toStdString();
      if (name == "ItemLoadHolder") {
        if (type == QEvent::Enter) model_.ItemLoadHolderMouseEnter();
        if (type == QEvent::Leave) model_.ItemLoadHolderMouseLeave();
      } else if (type != QEvent::Leave) {
        if (type == QEvent::FocusIn) focused_ = name;
        model_.MouseHover(name);
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ItemWorkbenchDialog::Open(const WorkbenchRequest& request, const SlotPreview& preview) {
  focused_.clear();
  model_.Open(request, preview);
  Refresh();
}

WorkbenchOutcome ItemWorkbenchDialog::Run(const WorkbenchRequest& request,
                                          const SlotPreview& preview) {
  Open(request, preview);
  if (!model_.Closed()) exec();
  // Whatever closed the window without the model's word counts as Cancel.
  if (!model_.Closed()) model_.btnCancelClick();
  return model_.Outcome();
}

void ItemWorkbenchDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The first paint: an auto-return opening returns or cancels here, once
  // the window is on screen.
  QTimer::singleShot(0, this, [this] {
    if (isVisible()) model_.FormPaint();
  });
}

void ItemWorkbenchDialog::reject() {
  if (!model_.Closed()) model_.FormCloseQuery();
  if (isVisible()) QDialog::done(model_.Outcome().Ok ? Accepted : Rejected);
}

int ItemWorkbenchDialog::PageOf(WorkbenchTab tab) const {
  switch (tab) {
    case WorkbenchTab::kLoad:
      return kLoadPage;
    case WorkbenchTab::kInline:
      return kEditorPage;
    case WorkbenchTab::kSpellcraft:
      return kSpellcraftPage;
  }
  return kLoadPage;
}

void ItemWorkbenchDialog::Refresh() {
  if (model_.Closed()) {
    if (isVisible()) QDialog::done(model_.Outcome().Ok ? Accepted : Rejected);
    return;
  }
  const ItemsWindowView view = model_.View();
  applying_ = true;
  tabs_->setTabVisible(kEditorPage, view.InlineTab.Visible);
  tabs_->setTabVisible(kSpellcraftPage, view.SpellcraftTab.Visible);
  if (tabs_->currentIndex() != PageOf(view.ActiveTab))
    tabs_->setCurrentIndex(PageOf(view.ActiveTab));
  applying_ = false;

  load_->Apply(view);
  if (model_.Editor().Revision() != editorRevision_) {
    editorRevision_ = model_.Editor().Revision();
    editor_->Apply(model_.Editor().View());
  }
  if (model_.Spellcraft().Revision() != spellcraftRevision_) {
    spellcraftRevision_ = model_.Spellcraft().Revision();
    spellcraft_->Apply(model_.Spellcraft().View());
  }

  return_->setEnabled(view.Return.Enabled);
  QPushButton* preferred = view.Default == DefaultButton::kSearch ? load_->SearchButton() : return_;
  if (!preferred->isDefault()) {
    return_->setDefault(preferred == return_);
    load_->SearchButton()->setDefault(preferred != return_);
  }
  if (!view.FocusedControl.empty() && view.FocusedControl != focused_) {
    focused_ = view.FocusedControl;
    if (auto* target = findChild<QWidget*>(QString::fromStdString(focused_)))
      if (target->isEnabled() && target->isVisible()) {
        target->setFocus(Qt::OtherFocusReason);
        // A box that takes the focus offers its text for typing over, as a
        // box reached with the tab key does.
        if (auto* box = qobject_cast<QAbstractSpinBox*>(target)) box->selectAll();
        if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
      }
  }
}

}  // namespace qm::ui
