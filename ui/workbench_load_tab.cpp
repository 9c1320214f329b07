#include "ui/workbench_load_tab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/amount_box.h"
#include "ui/item_list_model.h"
#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {
namespace {

constexpr const char* kStatFilterNames[3] = {"Filt2", "filt3", "filt4"};
constexpr const char* kStatAmountNames[3] = {"stat1amt", "stat2amt", "stat3amt"};
constexpr const char* kMinimumHint =
    "Enter desired stat minimum here, or double click to reset to zero";

// The filters leave room for eighteen characters.
ComboBinding Combo(const char* objectName, const QString& accessible, const char* hint,
                   QWidget* parent) {
  return ComboBinding(MakeCombo({.ObjectName = QString::fromLatin1(objectName),
                                 .Accessible = accessible,
                                 .Hint = QString::fromLatin1(hint),
                                 .Characters = 18},
                                parent));
}

}  // namespace

WorkbenchLoadTab::WorkbenchLoadTab(TfrmItems& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("Load"));
  auto* columns = new QHBoxLayout(this);
  columns->addWidget(BuildListing(), 1);
  auto* holder = new QWidget(this);
  holder->setObjectName(QStringLiteral("ItemLoadHolder"));
  auto* right = new QVBoxLayout(holder);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(BuildFilters());
  right->addWidget(BuildDisplay(), 1);
  columns->addWidget(holder, 1);
}

QWidget* WorkbenchLoadTab::BuildListing() {
  listing_ = new QGroupBox(ToQt(kListingDesignCaption), this);
  listing_->setObjectName(QStringLiteral("ListingGroup"));
  auto* layout = new QVBoxLayout(listing_);
  list_ = new QListView(listing_);
  list_->setObjectName(QStringLiteral("LItems"));
  list_->setAccessibleName(QStringLiteral("Item listing"));
  list_->setAccessibleDescription(QStringLiteral("Items found by the search"));
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  items_ = new ItemListModel(list_);
  list_->setModel(items_);
  layout->addWidget(list_);
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) model_.SelectEntry(current.row());
          });
  connect(list_, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { model_.LItemsDblClick(index.row()); });
  return listing_;
}

QWidget* WorkbenchLoadTab::BuildFilters() {
  auto* group = MakeGroupBox(QStringLiteral("Filters"), "FilterGroup", this);
  auto* grid = new QGridLayout(group);
  int row = 0;
  grid->addWidget(new QLabel(QStringLiteral("Item Type Filters"), group), row++, 0, 1, 2);
  itemType_ = Combo("Filt1", QStringLiteral("Item type filter"), "Item Type Filter", group);
  grid->addWidget(itemType_.Combo(), row++, 0, 1, 2);
  connect(itemType_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.FilterChange(SearchFilter::kItemType, index); });

  grid->addWidget(new QLabel(QStringLiteral("Bonus Added Filters"), group), row++, 0, 1, 2);
  constexpr SearchFilter kStatFilters[3] = {SearchFilter::kStat1, SearchFilter::kStat2,
                                            SearchFilter::kStat3};
  for (std::size_t k = 0; k < 3; ++k) {
    const QString number = QString::number(k + 1);
    stats_[k] =
        Combo(kStatFilterNames[k], QStringLiteral("Bonus filter ") + number, "Stat Filter", group);
    auto* amount =
        MakeAmountBox(kFilterMinimumLimit, false, QString::fromLatin1(kStatAmountNames[k]),
                      QStringLiteral("Bonus filter ") + number + QStringLiteral(" minimum"), group);
    amount->setToolTip(QString::fromLatin1(kMinimumHint));
    amounts_[k] = amount;
    grid->addWidget(stats_[k].Combo(), row, 0);
    grid->addWidget(amount, row++, 1);
    const SearchFilter filter = kStatFilters[k];
    connect(stats_[k].Combo(), &QComboBox::activated, this, [this, filter, k](int index) {
      model_.FilterChange(filter, index);
      // Another bonus resets its minimum: the box shows what the model kept.
      amounts_[k]->ShowText(model_.View().StatAmounts[k].Text);
    });
    const int box = static_cast<int>(k);
    amount->onEdited = [this, box, amount](const std::string& text, int caret) {
      amount->ShowEdit(model_.statamtChange(box, text, caret));
    };
    amount->onDoubleClicked = [this, box, amount] {
      model_.stat1amtDblClick(box);
      amount->ShowText(model_.View().StatAmounts[static_cast<std::size_t>(box)].Text);
    };
  }
  armour_ = Combo("ArmorFilt", QStringLiteral("Armor filter"), nullptr, group);
  weapon_ = Combo("WeaponFilt", QStringLiteral("Weapon type filter"), nullptr, group);
  proc_ = Combo("ProcFilter", QStringLiteral("Proc filter"), nullptr, group);
  grid->addWidget(armour_.Combo(), row++, 0, 1, 2);
  grid->addWidget(weapon_.Combo(), row++, 0, 1, 2);
  grid->addWidget(proc_.Combo(), row++, 0, 1, 2);
  connect(armour_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.FilterChange(SearchFilter::kArmour, index); });
  connect(weapon_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.FilterChange(SearchFilter::kWeapon, index); });
  connect(proc_.Combo(), &QComboBox::activated, this,
          [this](int index) { model_.FilterChange(SearchFilter::kProc, index); });

  search_ = MakeButton("iSearch", "&Search", group);
  grid->addWidget(search_, row++, 0, 1, 2, Qt::AlignRight);
  connect(search_, &QPushButton::clicked, this, [this] { model_.DirectoryChange(); });
  grid->setColumnStretch(0, 1);
  return group;
}

QWidget* WorkbenchLoadTab::BuildDisplay() {
  auto* group = MakeGroupBox(QStringLiteral("Stat Display"), "StatDisplay", this);
  auto* layout = new QVBoxLayout(group);
  memo_ = new QPlainTextEdit(group);
  memo_->setObjectName(QStringLiteral("ItemMemo"));
  memo_->setReadOnly(true);
  memo_->setAccessibleName(QStringLiteral("Stat display"));
  memo_->setAccessibleDescription(QStringLiteral("The selected item's description"));
  memo_->setTabChangesFocus(true);
  layout->addWidget(memo_, 1);
  auto* buttons = new QHBoxLayout;
  google_ = MakeButton("btnGoogle", "Searc&h Google", group);
  database_ = MakeButton("btnSearch", "Search Allakha&zam", group);
  copyStats_ = MakeButton("btnCopyStats", "Edi&t Item Stats Directly", group);
  buttons->addWidget(google_);
  buttons->addWidget(database_);
  buttons->addWidget(copyStats_);
  layout->addLayout(buttons);
  connect(google_, &QPushButton::clicked, this, [this] { model_.nGoogle(); });
  connect(database_, &QPushButton::clicked, this, [this] { model_.nAllakhazam(); });
  connect(copyStats_, &QPushButton::clicked, this, [this] { model_.btnCopyStatsClick(); });
  return group;
}

std::vector<QWidget*> WorkbenchLoadTab::FocusOrder() const {
  std::vector<QWidget*> order{list_, itemType_.Combo()};
  for (std::size_t k = 0; k < 3; ++k) {
    order.push_back(stats_[k].Combo());
    order.push_back(amounts_[k]);
  }
  for (QWidget* w : {static_cast<QWidget*>(armour_.Combo()), static_cast<QWidget*>(weapon_.Combo()),
                     static_cast<QWidget*>(proc_.Combo()), static_cast<QWidget*>(search_),
                     static_cast<QWidget*>(memo_), static_cast<QWidget*>(google_),
                     static_cast<QWidget*>(database_), static_cast<QWidget*>(copyStats_)})
    order.push_back(w);
  return order;
}

void WorkbenchLoadTab::Apply(const ItemsWindowView& view) {
  if (view.ListingCaption.Text != caption_) {
    caption_ = view.ListingCaption.Text;
    listing_->setTitle(ToQt(caption_));
  }
  if (view.Items.Entries != items_->Names()) {
    items_->Show(view.Items.Entries);
    selection_ = -2;
  }
  ShowSelection(view.Items.Selection);
  if (view.ItemMemo.Lines != memoLines_) {
    memoLines_ = view.ItemMemo.Lines;
    memo_->setPlainText(ToQtLines(memoLines_));
  }
  itemType_.Apply(view.ItemType);
  for (std::size_t k = 0; k < 3; ++k) {
    stats_[k].Apply(view.Stats[k]);
    amounts_[k]->ShowState(view.StatAmounts[k]);
  }
  armour_.Apply(view.Armour);
  weapon_.Apply(view.Weapon);
  proc_.Apply(view.Proc);
  copyStats_->setEnabled(view.CopyStats.Enabled);
}

void WorkbenchLoadTab::ShowSelection(int row) {
  if (row == selection_) return;
  selection_ = row;
  const QSignalBlocker blocker(list_->selectionModel());
  const QModelIndex index = items_->index(row, 0);
  if (index.isValid()) {
    list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index);
  } else {
    list_->selectionModel()->clearSelection();
    list_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
  }
}

}  // namespace qm::ui
