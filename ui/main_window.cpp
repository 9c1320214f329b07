// The main window's widgets, their refresh from the model's view and the
// events that reach the model.
#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/active_label.h"
#include "ui/figure_panel.h"
#include "ui/side_panel.h"
#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {

MainWindow::MainWindow(TfrmGearMain& model, WindowRegistry& windows, QWidget* parent)
    : QMainWindow(parent), model_(model), windows_(windows) {
  setObjectName(QStringLiteral("frmGearMain"));
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("mainContent"));
  auto* columns = new QHBoxLayout(content);
  columns->setContentsMargins(6, 4, 6, 4);

  columns->addWidget(BuildSlotBox(content), 0, Qt::AlignTop);

  figures_ = std::make_unique<FigurePanel>(model_.View().Figures, content);
  figures_->onHover = [this](int tag) { Run([&] { model_.StatEnter(tag); }); };
  auto* middle = new QVBoxLayout;
  middle->addWidget(figures_->Primary());
  middle->addWidget(figures_->Expansion());
  middle->addStretch(1);
  columns->addLayout(middle);

  auto* right = new QVBoxLayout;
  right->addWidget(BuildCharacterBox(content));
  side_ = std::make_unique<SidePanel>(content);
  right->addWidget(side_->Box(), 1);
  columns->addLayout(right, 1);
  FollowMouse(side_->Box());

  // Small screens scroll; at the intended size everything is in view.
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QStringLiteral("mainScroll"));
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  setCentralWidget(scroll);

  BuildMenus();
  BuildQuickbar();
  statusBar()->setSizeGripEnabled(true);
  SetTabOrder();
  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

MainWindow::~MainWindow() {
  model_.SetViewChangedCallback({});
}

QWidget* MainWindow::BuildCharacterBox(QWidget* parent) {
  auto* box = new QGroupBox(QStringLiteral("Character"), parent);
  box->setObjectName(QStringLiteral("gbCharacter"));
  box->setAccessibleName(box->title());
  auto* grid = new QGridLayout(box);
  name_ = new QLineEdit(box);
  name_->setObjectName(QStringLiteral("eName"));
  name_->setAccessibleName(QStringLiteral("Character name"));
  name_->setAccessibleDescription(QStringLiteral("Character name"));
  // The record keeps 41 characters of the name.
  name_->setMaxLength(static_cast<int>(sizeof(TTemplateRecord{}.CharName.Chars)));
  level_ = ComboBinding(MakeCombo({"cbLevel", "Level"}, box));
  realmRank_ = ComboBinding(MakeCombo({"cbRealmRank", "Realm rank"}, box));
  class_ = ComboBinding(MakeCombo({"eClass", "Class"}, box));
  race_ = ComboBinding(MakeCombo({"cbRace", "Race"}, box));
  server_ = ComboBinding(MakeCombo({"cbServer", "Server"}, box));
  champion_ = new QCheckBox(QStringLiteral("Cham&p Level 3+"), box);
  champion_->setObjectName(QStringLiteral("cbChampion"));
  champion_->setAccessibleName(QStringLiteral("Champion level 3+"));

  grid->addWidget(MakeBuddyLabel("Na&me", name_, box), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 3);
  grid->addWidget(MakeBuddyLabel("Cla&ss", class_.Combo(), box), 1, 0);
  grid->addWidget(class_.Combo(), 1, 1, 1, 3);
  grid->addWidget(MakeBuddyLabel("R&ace", race_.Combo(), box), 2, 0);
  grid->addWidget(race_.Combo(), 2, 1, 1, 3);
  grid->addWidget(MakeBuddyLabel("Le&vel", level_.Combo(), box), 3, 0);
  grid->addWidget(level_.Combo(), 3, 1);
  grid->addWidget(MakeBuddyLabel("Realm Ran&k", realmRank_.Combo(), box), 3, 2);
  grid->addWidget(realmRank_.Combo(), 3, 3);
  grid->addWidget(MakeBuddyLabel("Serv&er", server_.Combo(), box), 4, 0);
  grid->addWidget(server_.Combo(), 4, 1);
  grid->addWidget(champion_, 4, 2, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    Run([&] { model_.ChangeName(FromQt(text), name_->cursorPosition()); });
  });
  connect(level_.Combo(), &QComboBox::activated, this, [this](int index) {
    Run([&] { model_.ChangeLevel(FromQt(level_.Combo()->itemText(index))); });
  });
  connect(realmRank_.Combo(), &QComboBox::activated, this,
          [this](int index) { Run([&] { model_.ChangeRealmRank(index); }); });
  connect(class_.Combo(), &QComboBox::activated, this,
          [this](int index) { Run([&] { model_.ChangeClass(index); }); });
  connect(race_.Combo(), &QComboBox::activated, this,
          [this](int index) { Run([&] { model_.ChangeRace(index); }); });
  connect(server_.Combo(), &QComboBox::activated, this,
          [this](int index) { Run([&] { model_.ChangeServerType(index); }); });
  connect(champion_, &QCheckBox::clicked, this,
          [this](bool checked) { Run([&] { model_.SetChampion(checked); }); });
  for (QWidget* w :
       std::initializer_list<QWidget*>{name_, level_.Combo(), realmRank_.Combo(), class_.Combo(),
                                       race_.Combo(), server_.Combo(), champion_})
    FollowMouse(w);
  return box;
}

QWidget* MainWindow::BuildSlotBox(QWidget* parent) {
  auto* box = new QGroupBox(QStringLiteral("Equipment Slots"), parent);
  box->setObjectName(QStringLiteral("gbSlots"));
  box->setAccessibleName(box->title());
  auto* grid = new QGridLayout(box);
  grid->setVerticalSpacing(1);
  grid->setColumnStretch(1, 1);
  // Room for a usual item name; a longer one widens the column (and a small
  // window scrolls) instead of being cut short.
  grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 24);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    SlotRow& row = slots_[static_cast<std::size_t>(slot - 1)];
    const QString caption = ToQt(SlotName(slot));
    row.Button = new QPushButton(caption, box);
    row.Button->setObjectName(QString::fromStdString(SlotObjectName('b', slot)));
    row.Button->setAccessibleName(caption);
    auto* name = new ActiveLabel(box);
    name->setObjectName(QString::fromStdString(SlotObjectName('n', slot)));
    name->setAccessibleDescription(caption + QStringLiteral(" item"));
    name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* utility = new ActiveLabel(box);
    utility->setObjectName(QString::fromStdString(SlotObjectName('u', slot)));
    utility->setAccessibleDescription(caption + QStringLiteral(" utility"));
    utility->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    utility->setMinimumWidth(utility->fontMetrics().horizontalAdvance(QStringLiteral("000.0")));
    row.Name = LabelBinding(name);
    row.Utility = LabelBinding(utility);
    grid->addWidget(row.Button, slot - 1, 0);
    grid->addWidget(name, slot - 1, 1);
    grid->addWidget(utility, slot - 1, 2);

    connect(row.Button, &QPushButton::clicked, this,
            [this, slot] { Run([&] { model_.OpenSlot(slot); }); });
    connect(name, &ActiveLabel::activated, this,
            [this, slot] { Run([&] { model_.ClearSlot(slot); }); });
    connect(name, &ActiveLabel::hovered, this,
            [this, slot] { Run([&] { model_.ItemMouseEnter(slot); }); });
    connect(utility, &ActiveLabel::activated, this,
            [this] { Run([&] { model_.CycleUtilityMode(); }); });
    connect(utility, &ActiveLabel::hovered, this,
            [this, slot] { Run([&] { model_.ItemMouseEnter(slot); }); });
    FollowMouse(row.Button);
  }
  int r = kSlotCount;
  auto* total = new ActiveLabel(box);
  total->setObjectName(QStringLiteral("lTotalUtility"));
  total->setAccessibleDescription(QStringLiteral("Utility total"));
  total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  utilityTotal_ = LabelBinding(total);
  connect(total, &ActiveLabel::activated, this,
          [this] { Run([&] { model_.CycleUtilityMode(); }); });
  grid->addWidget(total, r++, 0, 1, 3);

  QComboBox* weapon = MakeCombo({"rWepType", "Weapon selection"}, box);
  weapon_ = ComboBinding(weapon);
  auto* weaponRow = new QHBoxLayout;
  weaponRow->addWidget(MakeBuddyLabel("&Weapon Selection", weapon, box));
  weaponRow->addWidget(weapon, 1);
  grid->addLayout(weaponRow, r++, 0, 1, 3);
  connect(weapon, &QComboBox::activated, this,
          [this](int index) { Run([&] { model_.SetWeaponConfig(index); }); });

  clearAll_ = new QPushButton(QStringLiteral("&Clear All Items"), box);
  clearAll_->setObjectName(QStringLiteral("bClearAll"));
  clearAll_->setAccessibleName(QStringLiteral("Clear All Items"));
  grid->addWidget(clearAll_, r++, 0, 1, 3);
  connect(clearAll_, &QPushButton::clicked, this, [this] { Run([&] { model_.ClearAllSlots(); }); });
  FollowMouse(weapon);
  FollowMouse(clearAll_);
  return box;
}

void MainWindow::SetTabOrder() {
  std::vector<QWidget*> order{name_,          class_.Combo(),     race_.Combo(),
                              level_.Combo(), realmRank_.Combo(), server_.Combo(),
                              champion_};
  for (SlotRow& row : slots_) {
    order.push_back(row.Button);
    order.push_back(row.Name.Label());
    order.push_back(row.Utility.Label());
  }
  order.push_back(utilityTotal_.Label());
  order.push_back(weapon_.Combo());
  order.push_back(clearAll_);
  for (QWidget* w : figures_->FocusOrder()) order.push_back(w);
  order.push_back(side_->Info());
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void MainWindow::FollowMouse(QWidget* widget) {
  widget->installEventFilter(this);
}

// Focus follows the mouse over the character box, the slot buttons, the
// weapon combo, "&Clear All Items" and the information box; pointing at the
// race combo also re-runs the race change, as the model asks.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The name box would take Alt+Backspace as its own undo; the key undoes
  // the template there too, and the box keeps Ctrl+Z and Ctrl+Shift+Z.
  if (event->type() == QEvent::ShortcutOverride && watched == name_) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace && (key->modifiers() & Qt::AltModifier)) {
      event->ignore();
      return true;
    }
  }
  if (event->type() == QEvent::Enter) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isEnabled()) {
      widget->setFocus(Qt::MouseFocusReason);
      const std::string name = widget->objectName().toStdString();
      activeControl_ = name;
      if (widget == race_.Combo()) {
        Run([&] { model_.RaceMouseEnter(); });
      } else {
        Run([&] { model_.SetActiveControl(name); });
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  const bool close = model_.QueryClose();
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::PrepareFirstShow() {
  model_.FirstShow();
  Refresh();
}

void MainWindow::Refresh() {
  const MainWindowView& view = model_.View();
  if (view.Title != title_) {
    title_ = view.Title;
    setWindowTitle(ToQt(title_));
  }
  ApplyCharacter(view);
  ApplySlots(view);
  figures_->Apply(view.Figures);
  side_->Apply(view);
  ApplyMenus(view);
  if (view.ActiveControl != activeControl_) {
    activeControl_ = view.ActiveControl;
    if (auto* target = findChild<QWidget*>(QString::fromStdString(activeControl_)))
      target->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::ApplyCharacter(const MainWindowView& view) {
  if (FromQt(name_->text()) != view.NameText) {
    name_->setText(ToQt(view.NameText));
    name_->setCursorPosition(view.NameCaret);
  }
  name_->setEnabled(view.NameEnabled);
  level_.Apply(view.Level);
  realmRank_.Apply(view.RealmRank);
  class_.Apply(view.Class);
  race_.Apply(view.Race);
  server_.Apply(view.Server);
  champion_->setChecked(view.Champion.Checked);
  champion_->setEnabled(view.Champion.Enabled);
}

void MainWindow::ApplySlots(const MainWindowView& view) {
  const bool workbench = windows_.Has(kWorkbenchWindow);
  const QString missing = ToQt(WindowRegistry::MissingTip(kWorkbenchWindow));
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    SlotRow& row = slots_[i];
    const SlotRowView& state = view.Slots[i];
    row.Button->setEnabled(state.Button.Enabled && workbench);
    row.Button->setVisible(state.Button.Visible);
    if (!workbench && row.Button->statusTip() != missing) {
      row.Button->setStatusTip(missing);
      row.Button->setToolTip(missing);
    }
    row.Name.Apply(state.Name);
    row.Utility.Apply(state.Utility);
  }
  utilityTotal_.Apply(view.UtilityTotal);
  weapon_.Apply(view.Weapon);
  clearAll_->setEnabled(view.ClearAll.Enabled);
  clearAll_->setVisible(view.ClearAll.Visible);
}

}  // namespace qm::ui
