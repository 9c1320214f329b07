#include "ui/vault_browser_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/amount_box.h"
#include "ui/item_list_model.h"
#include "ui/text_codec.h"
#include "ui/widget_factory.h"

namespace qm::ui {
namespace {

constexpr int kAmountLimit = 200;
constexpr std::array<const char*, 3> kStatNames = {"Filter3", "Filter6", "Filter7"};
constexpr std::array<const char*, 3> kStatHints = {"Stat Filter", "Stat Filter 2", "Stat Filter 3"};
constexpr std::array<const char*, 3> kAmountNames = {"Edit1", "Edit2", "Edit3"};

}  // namespace

VaultBrowserDialog::VaultBrowserDialog(Vault& vault, TVaultFilter& criteria, BrowserHost& host,
                                       UserPort& user, ShellPort& shell, QWidget* parent)
    : QDialog(parent), model_(vault, criteria, host, user, shell) {
  setObjectName("browser");
  setWindowTitle(QStringLiteral("Vault Browser"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  auto* origin = new QLabel(this);
  origin->setObjectName("lVaultOrigin");
  origin->setAccessibleDescription(QStringLiteral("Whose items the vault holds"));
  origin->setWordWrap(true);
  origin_ = LabelBinding(origin);
  import_ = MakeButton("btnImport", "&Import Item Database...", this);
  import_->setVisible(false);
  connect(import_, &QPushButton::clicked, this, [this] {
    close();
    QTimer::singleShot(0, this, [this] {
      if (importCommand_) importCommand_();
    });
  });
  auto* top = new QHBoxLayout;
  top->addWidget(origin, 1);
  top->addWidget(import_, 0, Qt::AlignRight);
  layout->addLayout(top);
  layout->addWidget(BuildFilters());
  layout->addWidget(BuildListing(), 1);

  // Keyboard order follows the window from top left to bottom right.
  std::vector<QWidget*> order{name_,          slot_.Combo(),      type_.Combo(),
                              realm_.Combo(), expansion_.Combo(), server_.Combo(),
                              class_.Combo()};
  for (std::size_t k = 0; k < stats_.size(); ++k) {
    order.push_back(stats_[k].Combo());
    order.push_back(amounts_[k]);
  }
  for (QWidget* w :
       std::initializer_list<QWidget*>{proc_.Combo(), verified_, search_, clear_, match_, list_,
                                       equip_, itemDatabase_, webSearch_, description_})
    order.push_back(w);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  for (QWidget* w : order) FollowMouse(w);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

VaultBrowserDialog::~VaultBrowserDialog() {
  model_.SetViewChangedCallback({});
}

QComboBox* VaultBrowserDialog::AddChoice(QGridLayout* grid, int row, int column,
                                         const char* objectName, const char* caption,
                                         const char* hint, ComboBinding& binding) {
  const QString hintText = QString::fromLatin1(hint);
  QComboBox* combo = MakeCombo({.ObjectName = QString::fromLatin1(objectName),
                                .Accessible = WithoutMnemonic(QString::fromLatin1(caption)),
                                .Description = hintText,
                                .Hint = hintText,
                                .Characters = 16},
                               grid->parentWidget());
  grid->addWidget(MakeBuddyLabel(QString::fromLatin1(caption), combo, grid->parentWidget()), row,
                  column);
  grid->addWidget(combo, row + 1, column);
  binding = ComboBinding(combo);
  return combo;
}

QWidget* VaultBrowserDialog::BuildFilters() {
  auto* box = new QGroupBox(QStringLiteral("Filters"), this);
  box->setObjectName("FilterBox");
  auto* grid = new QGridLayout(box);

  name_ = new QLineEdit(box);
  name_->setObjectName("NameFilter");
  name_->setMaxLength(static_cast<int>(kBrowserNameFilterLength));
  name_->setToolTip(QStringLiteral("Type a name to search the database by keyword"));
  name_->setAccessibleName(QStringLiteral("Key word"));
  name_->setAccessibleDescription(name_->toolTip());
  auto* nameLabel = new QLabel(QStringLiteral("Key &Word"), box);
  nameLabel->setBuddy(name_);
  grid->addWidget(nameLabel, 0, 0);
  grid->addWidget(name_, 1, 0);
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetNameFilter(FromQt(text)); });

  QComboBox* slot = AddChoice(grid, 0, 1, "Filter2", "Item Sl&ot", "Slot Filter", slot_);
  QComboBox* type = AddChoice(grid, 0, 2, "Filter1", "Item &Type", "Item Type Filter", type_);
  QComboBox* realm = AddChoice(grid, 0, 3, "Filter5", "&Realm Origin", "Realm Filter", realm_);
  QComboBox* expansion =
      AddChoice(grid, 2, 0, "Filter4", "E&xpansion", "Expansion Filter", expansion_);
  QComboBox* server =
      AddChoice(grid, 2, 1, "FilterServer", "Server Ty&pe", "Server Type Filter", server_);
  QComboBox* classes =
      AddChoice(grid, 2, 2, "ClassFilter", "Character Cl&ass", "Class Use Filter", class_);
  connect(slot, &QComboBox::activated, this, [this](int index) { model_.ChangeSlotFilter(index); });
  connect(type, &QComboBox::activated, this,
          [this](int index) { model_.ChangeItemTypeFilter(index); });
  connect(realm, &QComboBox::activated, this,
          [this](int index) { model_.ChangeRealmFilter(index); });
  connect(expansion, &QComboBox::activated, this,
          [this](int index) { model_.ChangeExpansionFilter(index); });
  connect(server, &QComboBox::activated, this,
          [this](int index) { model_.ChangeServerFilter(index); });
  connect(classes, &QComboBox::activated, this,
          [this](int index) { model_.ChangeClassFilter(index); });

  auto* stats = new QGroupBox(QStringLiteral("Stat Filters"), box);
  stats->setObjectName("StatFilters");
  auto* statGrid = new QGridLayout(stats);
  for (std::size_t k = 0; k < stats_.size(); ++k) {
    auto* combo = new QComboBox(stats);
    combo->setObjectName(QString::fromLatin1(kStatNames[k]));
    combo->setToolTip(QString::fromLatin1(kStatHints[k]));
    combo->setAccessibleName(QString::fromLatin1(kStatHints[k]));
    combo->setAccessibleDescription(QString::fromLatin1(kStatHints[k]));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    stats_[k] = ComboBinding(combo);
    auto* amount = new AmountBox(kAmountLimit, true, stats);
    amount->setObjectName(QString::fromLatin1(kAmountNames[k]));
    amount->setAccessibleName(QString::fromLatin1(kStatHints[k]) + QStringLiteral(" amount"));
    amount->setAccessibleDescription(QStringLiteral("The least amount of the stat, 0 to 200"));
    amounts_[k] = amount;
    statGrid->addWidget(combo, static_cast<int>(k), 0);
    statGrid->addWidget(amount, static_cast<int>(k), 1);
    const int at = static_cast<int>(k);
    connect(combo, &QComboBox::activated, this,
            [this, at](int index) { model_.ChangeStatFilter(at, index); });
    amount->onEdited = [this, amount, at](const std::string& text, int caret) {
      amount->ShowEdit(model_.ChangeAmount(at, text, caret));
    };
    amount->onDoubleClicked = [this, at] { model_.ResetAmount(at); };
  }
  grid->addWidget(stats, 0, 4, 4, 1);

  auto* proc = new QComboBox(box);
  proc->setObjectName("ProcFilter");
  proc->setAccessibleName(QStringLiteral("Proc filter"));
  proc->setAccessibleDescription(QStringLiteral("Proc filter"));
  proc->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  proc->setMinimumContentsLength(20);
  proc_ = ComboBinding(proc);
  connect(proc, &QComboBox::activated, this, [this](int index) { model_.ChangeProcFilter(index); });
  auto* procLabel = new QLabel(QStringLiteral("Proc &Filter"), box);
  procLabel->setBuddy(proc);
  grid->addWidget(procLabel, 2, 3);
  grid->addWidget(proc, 3, 3);

  verified_ = new QCheckBox(QStringLiteral("&Verified Only"), box);
  verified_->setObjectName("cVerified");
  verified_->setAccessibleName(QStringLiteral("Verified Only"));
  connect(verified_, &QCheckBox::clicked, this,
          [this](bool checked) { model_.ChangeVerifiedOnly(checked); });

  search_ = MakeButton("btnSearch", "&Search Vault", box);
  search_->setDefault(true);
  clear_ = MakeButton("btnClear", "&Clear Filters", box);
  match_ = MakeButton("btnMatch", "&Match Current Class/Server", box);
  // Enter presses the filter button that has the focus; anywhere else it searches.
  for (QPushButton* button : {search_, clear_, match_}) button->setAutoDefault(true);
  connect(search_, &QPushButton::clicked, this, [this] { model_.BrowserSearch(); });
  connect(clear_, &QPushButton::clicked, this, [this] { model_.ClearFilters(); });
  connect(match_, &QPushButton::clicked, this, [this] { model_.MatchCurrentClassServer(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(verified_);
  buttons->addStretch(1);
  buttons->addWidget(search_);
  buttons->addWidget(clear_);
  buttons->addWidget(match_);
  grid->addLayout(buttons, 4, 0, 1, 5);
  return box;
}

QWidget* VaultBrowserDialog::BuildListing() {
  auto* area = new QWidget(this);
  auto* columns = new QHBoxLayout(area);
  columns->setContentsMargins(0, 0, 0, 0);

  listing_ = new QGroupBox(area);
  listing_->setObjectName("ListingBox");
  auto* listingLayout = new QVBoxLayout(listing_);
  results_ = new ItemListModel(this);
  list_ = new QListView(listing_);
  list_->setObjectName("ItemList");
  list_->setAccessibleName(QStringLiteral("Item Listing"));
  list_->setAccessibleDescription(QStringLiteral("The names of the items the search found"));
  list_->setModel(results_);
  list_->setUniformItemSizes(true);  // 100,000 rows lay out without measuring each
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->installEventFilter(this);
  listingLayout->addWidget(list_, 1);
  connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) model_.SelectLine(current.row());
          });
  connect(list_, &QListView::doubleClicked, this,
          [this](const QModelIndex& index) { model_.DoubleClickLine(index.row()); });

  equip_ = MakeButton("btnEquip", "&Equip Selected Item", listing_);
  itemDatabase_ = MakeButton("btnItemDatabase", "Search Allakha&zam", listing_);
  webSearch_ = MakeButton("btnWebSearch", "Searc&h Google", listing_);
  connect(equip_, &QPushButton::clicked, this, [this] { model_.EquipSelected(); });
  connect(itemDatabase_, &QPushButton::clicked, this, [this] { model_.SearchItemDatabase(); });
  connect(webSearch_, &QPushButton::clicked, this, [this] { model_.SearchWeb(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(equip_);
  buttons->addWidget(itemDatabase_);
  buttons->addWidget(webSearch_);
  listingLayout->addLayout(buttons);
  columns->addWidget(listing_, 1);

  auto* statsBox = new QGroupBox(QStringLiteral("Stats"), area);
  statsBox->setObjectName("StatsBox");
  auto* statsLayout = new QVBoxLayout(statsBox);
  description_ = new QPlainTextEdit(statsBox);
  description_->setObjectName("Stats");
  description_->setReadOnly(true);
  description_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  description_->setAccessibleName(QStringLiteral("Stats"));
  description_->setAccessibleDescription(QStringLiteral("The description of the selected item"));
  description_->setTabChangesFocus(true);
  statsLayout->addWidget(description_);
  columns->addWidget(statsBox, 1);
  return area;
}

void VaultBrowserDialog::FollowMouse(QWidget* widget) {
  widget->installEventFilter(this);
}

// Moving the mouse over any control focuses it; Enter on the result list
// does what a double click does.
bool VaultBrowserDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isEnabled() && !widget->hasFocus())
      widget->setFocus(Qt::MouseFocusReason);
  } else if (watched == list_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        list_->currentIndex().isValid()) {
      model_.DoubleClickLine(list_->currentIndex().row());
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void VaultBrowserDialog::Prepare() {
  model_.Show();
}

void VaultBrowserDialog::SetImportCommand(std::function<void()> command) {
  importCommand_ = std::move(command);
  import_->setVisible(static_cast<bool>(importCommand_));
}

void VaultBrowserDialog::Run() {
  Prepare();
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
}

void VaultBrowserDialog::Refresh() {
  const BrowserFilters& filters = model_.Filters();
  if (FromQt(name_->text()) != filters.Name.Text) name_->setText(ToQt(filters.Name.Text));
  slot_.Apply(filters.ItemSlot);
  type_.Apply(filters.ItemType);
  realm_.Apply(filters.Realm);
  expansion_.Apply(filters.Expansion);
  server_.Apply(filters.Server);
  class_.Apply(filters.Class);
  for (std::size_t k = 0; k < stats_.size(); ++k) {
    stats_[k].Apply(filters.Stats[k]);
    amounts_[k]->ShowText(filters.Amounts[k].Text);
  }
  proc_.Apply(filters.Proc);
  verified_->setChecked(filters.Verified.Checked);

  const BrowserView& view = model_.View();
  origin_.Apply(view.VaultOrigin);
  listing_->setTitle(ToQt(view.ListingCaption.Text));
  results_->Show(view.Items.Entries);  // a new list resets the current line
  if (list_->currentIndex().row() != view.Items.Selection) {
    const QSignalBlocker blocker(list_->selectionModel());
    if (view.Items.HasSelection()) {
      const QModelIndex current = results_->index(view.Items.Selection);
      list_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
      list_->scrollTo(current);
    } else {
      list_->selectionModel()->clearSelection();
      list_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    list_->viewport()->update();
  }
  if (view.Description.Lines != shownDescription_) {
    shownDescription_ = view.Description.Lines;
    description_->setPlainText(ToQtLines(shownDescription_));
    if (view.ScrolledToTop) description_->verticalScrollBar()->setValue(0);
  }
  equip_->setEnabled(view.Equip.Enabled);
}

}  // namespace qm::ui
