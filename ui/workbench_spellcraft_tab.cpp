#include "ui/workbench_spellcraft_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {
namespace {

// The tab's combos leave room for ten characters unless they say otherwise.
ComboBinding Combo(const QString& objectName, const QString& accessible, QWidget* parent,
                   int characters = 10) {
  return ComboBinding(MakeCombo(
      {.ObjectName = objectName, .Accessible = accessible, .Characters = characters}, parent));
}

// A figure of the information panel: a caption and its value label, which
// keyboard users reach with the tab key.
QLabel* Figure(QGridLayout* grid, int row, const char* caption, const QString& objectName,
               const QString& description, QWidget* parent) {
  auto* value = new QLabel(parent);
  value->setObjectName(objectName);
  value->setAccessibleName(description);
  value->setAccessibleDescription(description);
  value->setFocusPolicy(Qt::TabFocus);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000.0")));
  grid->addWidget(new QLabel(QString::fromLatin1(caption), parent), row, 0);
  grid->addWidget(value, row, 1);
  return value;
}

// Typing into the name box turns autonaming off before the text changes.
class NameKeyWatcher : public QObject {
 public:
  NameKeyWatcher(TfrmItems& model, QObject* parent) : QObject(parent), model_(model) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!key->text().isEmpty() && key->text().at(0).isPrint())
        model_.Spellcraft().eItemNameKeyPress();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TfrmItems& model_;
};

}  // namespace

WorkbenchSpellcraftTab::WorkbenchSpellcraftTab(TfrmItems& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("SC"));
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(BuildItem());
  left->addWidget(BuildGems());
  auto* buttons = new QHBoxLayout;
  clear_ = MakeButton("btnClear", "Clear Everything", this);
  undo_ = MakeButton("btnUndo", "&Undo Changes", this);
  gemClear_ = MakeButton("btnGemClear", "Clear &Gems", this);
  buttons->addWidget(clear_);
  buttons->addWidget(undo_);
  buttons->addWidget(gemClear_);
  buttons->addStretch(1);
  quickbar_ = MakeButton("btnQuickbar", "Export Gems to &Quickbar...", this,
                         "Puts the gems of the template's crafted pieces onto the game's quickbar");
  quickbar_->hide();
  buttons->addWidget(quickbar_);
  left->addLayout(buttons);
  left->addStretch(1);
  layout->addLayout(left, 3);
  layout->addWidget(BuildInformation(), 1, Qt::AlignTop);
  connect(clear_, &QPushButton::clicked, this, [this] { model_.Spellcraft().btnClearClick(); });
  connect(undo_, &QPushButton::clicked, this, [this] { model_.Spellcraft().btnUndoClick(); });
  connect(gemClear_, &QPushButton::clicked, this,
          [this] { model_.Spellcraft().btnGemClearClick(); });
  connect(quickbar_, &QPushButton::clicked, this, [this] {
    if (quickbarCommand_) quickbarCommand_();
  });
}

void WorkbenchSpellcraftTab::SetQuickbarCommand(std::function<void()> command) {
  quickbarCommand_ = std::move(command);
  quickbar_->setVisible(static_cast<bool>(quickbarCommand_));
}

QWidget* WorkbenchSpellcraftTab::BuildItem() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  level_ = Combo(QStringLiteral("sLevel"), QStringLiteral("Level"), box);
  armour_ = Combo(QStringLiteral("cAbs"), QStringLiteral("Absorb"), box);
  fifth_ = Combo(QStringLiteral("cProc2"), QStringLiteral("Fifth Slot Bonus"), box, 28);
  name_ = new QLineEdit(box);
  name_->setObjectName(QStringLiteral("eItemName"));
  name_->setAccessibleName(QStringLiteral("Item Name"));
  name_->setMaxLength(static_cast<int>(kCraftedNameLength));
  name_->installEventFilter(new NameKeyWatcher(model_, name_));
  autoName_ = new QCheckBox(QStringLiteral("&Autonaming"), box);
  autoName_->setObjectName(QStringLiteral("AutoName"));
  autoName_->setAccessibleName(QStringLiteral("Autonaming"));
  autoName_->setToolTip(ToQt(kAutoNameHint));
  skill_ = new QSpinBox(box);
  skill_->setObjectName(QStringLiteral("eSkill"));
  skill_->setAccessibleName(QStringLiteral("Spellcraft skill"));
  skill_->setAccessibleDescription(
      QStringLiteral("Your spellcraft skill, 1 to 1200; it decides the overcharge success"));
  skill_->setRange(kMinCraftSkill, kMaxCraftSkill);
  skill_->setValue(kDefaultCraftSkill);
  quality_ = Combo(QStringLiteral("cQuality"), QStringLiteral("Item quality"), box, 3);

  const auto buddy = [box](const char* caption, QWidget* widget) {
    return MakeBuddyLabel(QString::fromLatin1(caption), widget, box);
  };
  grid->addWidget(buddy("Le&vel", level_.Combo()), 0, 0);
  grid->addWidget(level_.Combo(), 0, 1);
  grid->addWidget(buddy("A&bsorb", armour_.Combo()), 0, 2);
  grid->addWidget(armour_.Combo(), 0, 3);
  grid->addWidget(buddy("&Fifth Slot Bonus", fifth_.Combo()), 1, 0);
  grid->addWidget(fifth_.Combo(), 1, 1, 1, 3);
  grid->addWidget(buddy("Item &Name", name_), 2, 0);
  grid->addWidget(name_, 2, 1, 1, 2);
  grid->addWidget(autoName_, 2, 3);
  grid->addWidget(buddy("Spellcraft S&kill", skill_), 3, 0);
  grid->addWidget(skill_, 3, 1);
  grid->addWidget(buddy("&Quality", quality_.Combo()), 3, 2);
  grid->addWidget(quality_.Combo(), 3, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);

  // The level list holds "1".."51": position p is level p + 1.
  connect(level_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.Spellcraft().sLevelChange(index + 1); });
  connect(armour_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.Spellcraft().cAbsSelect(index); });
  connect(fifth_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.Spellcraft().cProc2Select(index); });
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.Spellcraft().SCNameChange(FromQt(text)); });
  connect(autoName_, &QCheckBox::clicked, this,
          [this](bool checked) { model_.Spellcraft().AutoNameClick(checked); });
  connect(skill_, &QSpinBox::valueChanged, this,
          [this](int skill) { model_.Spellcraft().eSkillChange(skill); });
  // The quality list holds "94".."100".
  connect(quality_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.Spellcraft().cQualityChange(index + kMinCraftQuality); });
  return box;
}

QWidget* WorkbenchSpellcraftTab::BuildGems() {
  auto* group = MakeGroupBox(QStringLiteral("Gems"), "GemGroup", this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("Stat Archtypes"), group), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Gem Slots"), group), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Values"), group), 0, 2);
  for (int k = 1; k <= kGemSlotCount; ++k) {
    GemRow& row = gems_[static_cast<std::size_t>(k - 1)];
    const QString number = QString::number(k);
    const QString gem = QStringLiteral("Gem ") + number;
    row.Archetype =
        Combo(QStringLiteral("archtype") + number, gem + QStringLiteral(" archetype"), group);
    row.Bonus = Combo(QStringLiteral("scFake") + number, gem + QStringLiteral(" bonus"), group, 16);
    row.Value = Combo(QStringLiteral("cs") + number, gem + QStringLiteral(" value"), group, 3);
    grid->addWidget(row.Archetype.Combo(), k, 0);
    grid->addWidget(row.Bonus.Combo(), k, 1);
    grid->addWidget(row.Value.Combo(), k, 2);
    connect(row.Archetype.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Spellcraft().SCArchChange(k, index); });
    connect(row.Bonus.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Spellcraft().SCFakeChange(k, index); });
    connect(row.Value.Combo(), &QComboBox::activated, this,
            [this, k](int index) { model_.Spellcraft().csChange(k, index); });
  }
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* WorkbenchSpellcraftTab::BuildInformation() {
  auto* group =
      MakeGroupBox(QStringLiteral("Spellcraft Information"), "SpellcraftInformation", this);
  auto* grid = new QGridLayout(group);
  int row = 0;
  grid->addWidget(new QLabel(QStringLiteral("<b>Gem Costs</b>"), group), row++, 0, 1, 2);
  static constexpr const char* kGemCaptions[kGemSlotCount] = {
      "Gem 1 :", "Gem 2 :", "Gem 3 :", "Gem 4 :"};
  for (int k = 1; k <= kGemSlotCount; ++k) {
    const QString number = QString::number(k);
    gems_[static_cast<std::size_t>(k - 1)].Cost =
        LabelBinding(Figure(grid, row++, kGemCaptions[k - 1], QStringLiteral("g") + number,
                            QStringLiteral("Gem ") + number + QStringLiteral(" cost"), group));
  }
  highGem_ = LabelBinding(Figure(grid, row++, "High Gem :", QStringLiteral("highgem"),
                                 QStringLiteral("High gem"), group));
  bonusLevel_ = LabelBinding(Figure(grid, row++, "Bonus Level :", QStringLiteral("blval"),
                                    QStringLiteral("Bonus level"), group));
  grid->addWidget(new QLabel(QStringLiteral("<b>Overall</b>"), group), row++, 0, 1, 2);
  charge_ = LabelBinding(Figure(grid, row++, "Current Charge :", QStringLiteral("charge"),
                                QStringLiteral("Current charge"), group));
  // The chance reads as one sentence, so it spans the caption column too.
  auto* success = new QLabel(group);
  success->setObjectName(QStringLiteral("ocsuccess"));
  success->setAccessibleName(QStringLiteral("Overcharge success"));
  success->setAccessibleDescription(
      QStringLiteral("The chance that imbuing this design succeeds, from the charge over the "
                     "imbue capacity, your spellcraft skill and the item quality"));
  success->setFocusPolicy(Qt::TabFocus);
  grid->addWidget(success, row++, 0, 1, 2);
  overchargeSuccess_ = LabelBinding(success);
  capacity_ = LabelBinding(Figure(grid, row++, "Imbue Capacity :", QStringLiteral("imbuecap"),
                                  QStringLiteral("Imbue capacity"), group));
  maxOvercharge_ = LabelBinding(Figure(grid, row++, "Max Overcharge :", QStringLiteral("maxoc"),
                                       QStringLiteral("Maximum overcharge"), group));
  return group;
}

std::vector<QWidget*> WorkbenchSpellcraftTab::FocusOrder() const {
  std::vector<QWidget*> order{level_.Combo(), armour_.Combo(), fifth_.Combo(),  name_,
                              autoName_,      skill_,          quality_.Combo()};
  for (const GemRow& row : gems_) {
    order.push_back(row.Archetype.Combo());
    order.push_back(row.Bonus.Combo());
    order.push_back(row.Value.Combo());
  }
  order.push_back(clear_);
  order.push_back(undo_);
  order.push_back(gemClear_);
  for (const GemRow& row : gems_) order.push_back(row.Cost.Label());
  for (const LabelBinding* figure :
       {&highGem_, &bonusLevel_, &charge_, &overchargeSuccess_, &capacity_, &maxOvercharge_})
    order.push_back(figure->Label());
  return order;
}

void WorkbenchSpellcraftTab::Apply(const SpellcraftView& view) {
  level_.Apply(view.Level);
  armour_.Apply(view.Armour);
  fifth_.Apply(view.Fifth);
  ApplyLineEdit(name_, view.Name);
  autoName_->setChecked(view.AutoName.Checked);
  autoName_->setEnabled(view.AutoName.Enabled);
  if (skill_->value() != view.Skill.Value || skill_->minimum() != view.Skill.Minimum ||
      skill_->maximum() != view.Skill.Maximum) {
    // The box shows the model's value; echoing it back as an edit would loop.
    const QSignalBlocker quiet(skill_);
    skill_->setRange(view.Skill.Minimum, view.Skill.Maximum);
    skill_->setValue(view.Skill.Value);
  }
  skill_->setEnabled(view.Skill.Enabled);
  quality_.Apply(view.Quality);
  for (std::size_t k = 0; k < gems_.size(); ++k) {
    const SpellcraftGemView& state = view.Gems[k];
    gems_[k].Archetype.Apply(state.Archetype);
    gems_[k].Bonus.Apply(state.Bonus);
    gems_[k].Value.Apply(state.Value);
    gems_[k].Cost.Apply(state.Cost);
  }
  highGem_.Apply(view.HighGem);
  bonusLevel_.Apply(view.BonusLevel);
  charge_.Apply(view.Charge);
  overchargeSuccess_.Apply(view.OverchargeSuccess);
  capacity_.Apply(view.Capacity);
  maxOvercharge_.Apply(view.MaxOvercharge);
}

}  // namespace qm::ui
