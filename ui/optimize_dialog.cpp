#include "ui/optimize_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "mainwin/main_window.h"
#include "optimizer/solve.h"
#include "ui/comparison_table.h"
#include "ui/owned_names_model.h"
#include "ui/progress_panel.h"
#include "ui/text_codec.h"
#include "ui/view_binding.h"
#include "ui/widget_factory.h"

namespace qm::ui {
namespace {

void ApplyCheck(QAbstractButton* button, const CheckState& state) {
  const QSignalBlocker blocker(button);
  button->setChecked(state.Checked);
  button->setEnabled(state.Enabled);
}

void ApplyControl(QWidget* widget, const ControlState& state, bool busy = false) {
  widget->setEnabled(state.Enabled && !busy);
  widget->setVisible(state.Visible);
}

// "Chest" as the slot's control names end: "cbModeChest", "lItemRHand".
QString SlotControl(const char* prefix, int slot) {
  return QString::fromLatin1(prefix) + QString::fromStdString(SlotObjectName('x', slot).substr(1));
}

}  // namespace

OptimizeDialog::OptimizeDialog(SettingsStorePort& store, std::span<const TItemRecord> vault,
                               QWidget* parent)
    : QDialog(parent), model_(store, vault) {
  setObjectName("frmOptimize");
  setWindowTitle(ToQt(model_.View().Caption));
  setAccessibleName(windowTitle());
  setModal(true);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("tabPages");
  pages_->setAccessibleName(QStringLiteral("Optimizer pages"));
  slotsPage_ = BuildSlotsPage();
  goalPage_ = BuildGoalPage();
  pages_->addTab(slotsPage_, QStringLiteral("&Slots and Items"));
  pages_->addTab(goalPage_, QStringLiteral("&Goal and Spellcraft"));
  pages_->addTab(BuildResultPage(), QStringLiteral("&Result"));
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) { model_.PageChange(page); });

  timeLimit_ = MakeSpin("seTimeLimit", "Time limit in seconds", this);
  timeLimit_->setSuffix(QStringLiteral(" s"));
  connect(timeLimit_, &QSpinBox::valueChanged, this,
          [this](int value) { model_.TimeLimitChange(value); });
  auto* hint = MakeTextLabel("lHint", this);
  hint->setAccessibleDescription(QStringLiteral("Why the search cannot start yet"));
  hint_ = LabelBinding(hint);
  optimize_ = MakeButton("bOptimize", "&Optimize", this, "Search for the best template");
  connect(optimize_, &QPushButton::clicked, this, [this] {
    if (model_.OptimizeClick()) StartJob();
  });
  timeLimit_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* runRow = new QHBoxLayout;
  runRow->addWidget(MakeBuddyLabel(QStringLiteral("&Time limit:"), timeLimit_, this));
  runRow->addWidget(timeLimit_);
  runRow->addWidget(hint, 10);
  runRow->addStretch(1);
  runRow->addWidget(optimize_);

  progress_ = new ProgressPanel(this);
  connect(progress_, &ProgressPanel::cancelClicked, this, [this] { model_.CancelClick(); });
  auto* search = MakeTextLabel("lSearch", this);
  search->setAccessibleDescription(
      QStringLiteral("The best template so far, the bound and the gap"));
  search_ = LabelBinding(search);
  auto* outcome = MakeTextLabel("lOutcome", this);
  outcome->setAccessibleDescription(QStringLiteral("What the search came to"));
  outcome_ = LabelBinding(outcome);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  close_ = buttons->button(QDialogButtonBox::Close);
  close_->setObjectName("bClose");
  close_->setAccessibleName(QStringLiteral("Close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(runRow);
  layout->addWidget(progress_);
  layout->addWidget(search);
  layout->addWidget(outcome);
  layout->addWidget(buttons);
  resize(860, 680);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

QWidget* OptimizeDialog::BuildSlotsPage() {
  auto* page = new QWidget(this);
  auto* slotsBox = MakeGroupBox(QStringLiteral("What each slot may become"), "gbSlots", page);
  auto* grid = new QGridLayout(slotsBox);
  grid->setVerticalSpacing(2);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const auto s = static_cast<std::size_t>(slot - 1);
    const QString name = ToQt(SlotName(slot));
    auto* combo = MakeCombo({SlotControl("cbMode", slot), QStringLiteral("Mode of ") + name}, page);
    auto* item = new QLabel(page);
    item->setObjectName(SlotControl("lItem", slot));
    item->setAccessibleDescription(QStringLiteral("The item the ") + name + " slot holds now");
    item->setMinimumWidth(160);
    modes_[s] = ComboBinding(combo);
    items_[s] = LabelBinding(item);
    grid->addWidget(MakeBuddyLabel(name + QStringLiteral(":"), combo, page), slot - 1, 0);
    grid->addWidget(combo, slot - 1, 1);
    grid->addWidget(item, slot - 1, 2);
    connect(combo, &QComboBox::activated, this,
            [this, slot](int index) { model_.SlotModeChange(slot, index); });
  }
  grid->setColumnStretch(2, 1);
  defaultModes_ = MakeButton("bDefaultModes", "Default Mod&es", page,
                             "Every slot as the template suggests: unique, artifact and Myth items "
                             "kept, armour spellcrafted, the rest from the vault");
  connect(defaultModes_, &QPushButton::clicked, this, [this] { model_.DefaultModesClick(); });
  grid->addWidget(defaultModes_, kSlotCount, 1, 1, 2, Qt::AlignLeft);

  auto* itemsBox = MakeGroupBox(QStringLiteral("Vault items to choose from"), "gbItems", page);
  auto* vault =
      MakeCombo({QStringLiteral("cbVault"), QStringLiteral("Vault items to choose from")}, page);
  vault_ = ComboBinding(vault);
  connect(vault, &QComboBox::activated, this, [this](int index) { model_.VaultChange(index); });
  ownedFilter_ = new QLineEdit(page);
  ownedFilter_->setObjectName("eOwnedFilter");
  ownedFilter_->setAccessibleName(QStringLiteral("Filter the item names"));
  ownedFilter_->setPlaceholderText(QStringLiteral("Filter names"));
  ownedFilter_->setClearButtonEnabled(true);
  connect(ownedFilter_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.OwnedFilterChange(FromQt(text)); });
  ownedNames_ = new OwnedNamesModel(model_, this);
  ownedList_ = new QListView(page);
  ownedList_->setObjectName("lvOwned");
  ownedList_->setAccessibleName(QStringLiteral("Items you own"));
  ownedList_->setAccessibleDescription(QStringLiteral("Mark the items you own"));
  ownedList_->setUniformItemSizes(true);
  ownedList_->setModel(ownedNames_);
  auto* ownedCount = new QLabel(page);
  ownedCount->setObjectName("lOwnedCount");
  ownedCount_ = LabelBinding(ownedCount);
  auto* items = new QVBoxLayout(itemsBox);
  items->addWidget(vault);
  items->addWidget(ownedFilter_);
  items->addWidget(ownedList_, 1);
  items->addWidget(ownedCount);

  auto* layout = new QHBoxLayout(page);
  layout->addWidget(slotsBox, 3);
  layout->addWidget(itemsBox, 2);
  return page;
}

QWidget* OptimizeDialog::BuildGoalPage() {
  auto* page = new QWidget(this);
  auto* goalBox = MakeGroupBox(QStringLiteral("What each figure is worth"), "gbGoal", page);
  goals_ = new QTableWidget(0, static_cast<int>(kGoalColumns.size()), page);
  goals_->setObjectName("gGoals");
  goals_->setAccessibleName(QStringLiteral("Goal per figure"));
  goals_->setAccessibleDescription(
      QStringLiteral("The weight of each capped figure, its least value, and the order in which "
                     "figures are filled before the weighted goal"));
  QStringList headers;
  for (std::string_view column : kGoalColumns) headers << ToQt(column);
  goals_->setHorizontalHeaderLabels(headers);
  goals_->verticalHeader()->hide();
  goals_->verticalHeader()->setDefaultSectionSize(goals_->fontMetrics().height() + 6);
  goals_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  goals_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  goals_->setSelectionMode(QAbstractItemView::SingleSelection);
  goals_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  connect(goals_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    model_.GoalEdit(item->row(), item->column(), FromQt(item->text()));
  });
  restoreDefaults_ = MakeButton("bRestoreDefaults", "Restore &Defaults", page,
                                "Every figure weighed as the utility measure weighs it");
  connect(restoreDefaults_, &QPushButton::clicked, this, [this] { model_.RestoreDefaultsClick(); });
  auto* goal = new QVBoxLayout(goalBox);
  goal->addWidget(goals_, 1);
  auto* restoreRow = new QHBoxLayout;
  restoreRow->addStretch(1);
  restoreRow->addWidget(restoreDefaults_);
  goal->addLayout(restoreRow);

  auto* craftBox = MakeGroupBox(QStringLiteral("Spellcrafted pieces"), "gbSpellcraft", page);
  itemLevel_ = MakeSpin("seItemLevel", "Item level", page);
  quality_ = MakeSpin("seQuality", "Quality", page);
  quality_->setSuffix(QStringLiteral("%"));
  limitPoints_ = new QRadioButton(QStringLiteral("Overcharge at &most"), page);
  limitPoints_->setObjectName("rbPoints");
  points_ = MakeSpin("sePoints", "Overcharge points at most", page);
  points_->setSuffix(QStringLiteral(" points"));
  limitSuccess_ = new QRadioButton(QStringLiteral("Overcharge s&uccess at least"), page);
  limitSuccess_->setObjectName("rbSuccess");
  success_ = MakeSpin("seSuccess", "Overcharge success at least, in percent", page);
  success_->setSuffix(QStringLiteral("%"));
  auto* skill = new QLabel(page);
  skill->setObjectName("lSkill");
  skill_ = LabelBinding(skill);
  skillGems_ = new QCheckBox(QStringLiteral("Allow s&kill, all-skill and focus gems"), page);
  skillGems_->setObjectName("cbSkillGems");
  for (QAbstractButton* button :
       {static_cast<QAbstractButton*>(limitPoints_), static_cast<QAbstractButton*>(limitSuccess_),
        static_cast<QAbstractButton*>(skillGems_)})
    button->setAccessibleName(WithoutMnemonic(button->text()));
  connect(itemLevel_, &QSpinBox::valueChanged, this, [this](int v) { model_.ItemLevelChange(v); });
  connect(quality_, &QSpinBox::valueChanged, this, [this](int v) { model_.QualityChange(v); });
  connect(points_, &QSpinBox::valueChanged, this, [this](int v) { model_.PointsChange(v); });
  connect(success_, &QSpinBox::valueChanged, this, [this](int v) { model_.SuccessChange(v); });
  connect(limitPoints_, &QRadioButton::clicked, this,
          [this] { model_.LimitChange(OverchargeLimit::kPoints); });
  connect(limitSuccess_, &QRadioButton::clicked, this,
          [this] { model_.LimitChange(OverchargeLimit::kSuccess); });
  connect(skillGems_, &QCheckBox::clicked, this,
          [this](bool checked) { model_.SkillGemsClick(checked); });

  auto* craft = new QGridLayout(craftBox);
  craft->addWidget(MakeBuddyLabel(QStringLiteral("Item &level:"), itemLevel_, page), 0, 0);
  craft->addWidget(itemLevel_, 0, 1);
  craft->addWidget(MakeBuddyLabel(QStringLiteral("&Quality:"), quality_, page), 1, 0);
  craft->addWidget(quality_, 1, 1);
  craft->addWidget(limitPoints_, 2, 0);
  craft->addWidget(points_, 2, 1);
  craft->addWidget(limitSuccess_, 3, 0);
  craft->addWidget(success_, 3, 1);
  craft->addWidget(skill, 3, 2);
  craft->addWidget(skillGems_, 4, 0, 1, 3);
  craft->setColumnStretch(2, 1);
  craft->setRowStretch(5, 1);

  auto* layout = new QHBoxLayout(page);
  layout->addWidget(goalBox, 3);
  layout->addWidget(craftBox, 2);
  return page;
}

QWidget* OptimizeDialog::BuildResultPage() {
  auto* page = new QWidget(this);
  auto* unmet = MakeTextLabel("lUnmet", page);
  unmet->setAccessibleDescription(QStringLiteral("The minimums no template meets"));
  unmet_ = LabelBinding(unmet);
  compare_ = MakeComparisonTable(
      "gCompare", QStringLiteral("The current template (A) against the proposal (B)"), page);
  auto* crafted = MakeRowTable("tCrafted", QStringLiteral("Crafted pieces and their gems"), page);
  crafted->setColumnCount(3);  // slot, gems, imbue points
  crafted->horizontalHeader()->setStretchLastSection(false);
  crafted->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  crafted->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  crafted->verticalHeader()->setDefaultSectionSize(crafted->fontMetrics().height() + 6);
  crafted_ = TableBinding(crafted);
  apply_ = MakeButton("bApply", "&Apply", page,
                      "Put the proposal into the template; Undo takes it back");
  discard_ = MakeButton("bDiscard", "Dis&card", page, "Leave the template as it is");
  connect(apply_, &QPushButton::clicked, this, [this] {
    if (model_.ApplyClick()) accept();
  });
  connect(discard_, &QPushButton::clicked, this, [this] { model_.DiscardClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(apply_);
  buttons->addWidget(discard_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(unmet);
  layout->addWidget(
      new QLabel(QStringLiteral("Changed figures: A the current template, B the proposal"), page));
  layout->addWidget(compare_, 3);
  layout->addWidget(new QLabel(QStringLiteral("Crafted pieces:"), page));
  layout->addWidget(crafted, 2);
  layout->addLayout(buttons);
  return page;
}

OptimizeDialog::~OptimizeDialog() {
  runner_.CancelAndWait();
  model_.SetViewChangedCallback({});
}

void OptimizeDialog::Prepare(const OptimizeTemplateRequest& request) {
  model_.FormShow(request);
  optimize_->setFocus(Qt::OtherFocusReason);
}

void OptimizeDialog::Run(const OptimizeTemplateRequest& request) {
  Prepare(request);
  exec();
}

void OptimizeDialog::done(int result) {
  StopModelJob(runner_, model_);
  QDialog::done(result);
}

void OptimizeDialog::StartJob() {
  StartModelJob<OptimizerResult>(
      runner_, model_,
      [](const OptimizerRequest& request, const ProgressCallback& progress, const CancelToken&) {
        OptimizerRequest running = request;
        running.Progress = progress;
        return Optimize(running);
      });
}

void OptimizeDialog::ApplyGoals() {
  const std::vector<GoalLineView>& lines = model_.View().Goals;
  const QSignalBlocker blocker(goals_);
  goals_->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t r = 0; r < lines.size(); ++r) {
    for (std::size_t c = 0; c < lines[r].Cells.size(); ++c) {
      const QString text = ToQt(lines[r].Cells[c]);
      QTableWidgetItem* item = goals_->item(static_cast<int>(r), static_cast<int>(c));
      if (item == nullptr) {
        item = new QTableWidgetItem;
        if (c == 0) {
          item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        } else {
          item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        goals_->setItem(static_cast<int>(r), static_cast<int>(c), item);
      }
      if (item->text() != text) item->setText(text);
    }
  }
}

void OptimizeDialog::Refresh() {
  const OptimizeView& view = model_.View();
  const bool busy = view.Busy.Busy;
  {
    const QSignalBlocker blocker(pages_);
    pages_->setCurrentIndex(view.Page);
  }
  slotsPage_->setEnabled(!busy);
  goalPage_->setEnabled(!busy);
  for (std::size_t s = 0; s < view.Slots.size(); ++s) {
    items_[s].Apply(view.Slots[s].Item);
    modes_[s].Apply(view.Slots[s].Mode);
  }
  vault_.Apply(view.Vault);
  ApplyLineEdit(ownedFilter_, view.OwnedFilter);
  ownedList_->setEnabled(view.OwnedList.Enabled);
  ownedNames_->Refresh();
  ownedCount_.Apply(view.OwnedCount);
  ApplySpin(itemLevel_, view.ItemLevel);
  ApplySpin(quality_, view.Quality);
  ApplyCheck(limitPoints_, view.LimitPoints);
  ApplySpin(points_, view.Points);
  ApplyCheck(limitSuccess_, view.LimitSuccess);
  ApplySpin(success_, view.Success);
  skill_.Apply(view.Skill);
  ApplyCheck(skillGems_, view.SkillGems);
  ApplyGoals();
  ApplyControl(defaultModes_, view.DefaultModes);
  ApplyControl(restoreDefaults_, view.RestoreDefaults, view.Busy.Disabling("bRestoreDefaults"));
  ApplySpin(timeLimit_, view.TimeLimit);
  timeLimit_->setEnabled(!busy);
  ApplyControl(optimize_, view.Optimize, view.Busy.Disabling("bOptimize"));
  hint_.Apply(view.Hint);
  progress_->Apply(view.Progress);
  search_.Apply(view.Search);
  outcome_.Apply(view.Outcome);
  unmet_.Apply(view.Unmet);
  if (view.Compare != shownCompare_) {
    ApplyComparisonLines(compare_, view.Compare);
    shownCompare_ = view.Compare;
  }
  crafted_.Apply(view.Crafted);
  ApplyControl(apply_, view.Apply);
  ApplyControl(discard_, view.Discard);
}

}  // namespace qm::ui
