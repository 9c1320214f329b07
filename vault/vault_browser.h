#pragma once
// The vault browser's model: its own filter choices, the result list, the
// description of the selected entry, equipping it into the current template,
// and the two web searches. It owns no data: searches go through the shared
// criteria and the vault query, entries are read from the vault.
#include <array>
#include <string>
#include <vector>

#include "core/amount_box.h"
#include "core/char_attributes.h"
#include "core/item_record.h"
#include "core/template_record.h"
#include "core/web_addresses.h"
#include "ports/ports.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"
#include "vault/vault_query.h"

namespace qm {

// What the browser needs from the main window: the current template and
// character, the "Show only Verified" setting, and the slot command.
class BrowserHost {
 public:
  virtual ~BrowserHost() = default;
  virtual const TTemplateRecord& CurrentTemplate() const = 0;
  virtual const TCharAttributes& CharAttributes() const = 0;
  virtual bool VerifiedOnlySetting() const = 0;
  // The bonus-level limit applies while the item workbench is showing.
  virtual bool WorkbenchShowing() const { return false; }
  // Puts a vault item into a template slot: the main window sets the
  // workbench's auto-return request to the item's name, runs the slot
  // command for the slot, then clears the request.
  virtual void EquipVaultItem(int slot, const TItemRecord& item) = 0;
};

// A host over a plain template record that writes the item straight into the
// slot (headless use and tests).
class TemplateBrowserHost : public BrowserHost {
 public:
  TemplateBrowserHost(TTemplateRecord& tpl, bool verifiedOnly = false);
  const TTemplateRecord& CurrentTemplate() const override { return tpl_; }
  const TCharAttributes& CharAttributes() const override { return attributes_; }
  bool VerifiedOnlySetting() const override { return verifiedOnly_; }
  void EquipVaultItem(int slot, const TItemRecord& item) override;
  // Rebuilds the class properties after the template's class changed.
  void ClassChanged();

 private:
  TTemplateRecord& tpl_;
  TCharAttributes attributes_;
  bool verifiedOnly_;
};

// The browser's filter controls (a selection of -1: nothing selected). The
// user's choices reach them only through the browser's commands.
struct BrowserFilters {
  TextBoxState Name;                      // NameFilter: at most 50 characters
  ComboState ItemSlot{{}, 0};             // Filter2: "Item Slot"
  ComboState ItemType{{}, 0};             // Filter1: "Item Type"
  ComboState Realm{{}, 3};                // Filter5: "Realm Origin"
  ComboState Expansion{{}, 0};            // Filter4: "Expansion"
  ComboState Server{{}, 0};               // FilterServer: "Server Type"
  ComboState Class{{}, 0};                // ClassFilter: "Character Class"
  std::array<ComboState, 3> Stats;        // Filter3, Filter6, Filter7
  std::array<TextBoxState, 3> Amounts;    // Edit1, Edit2, Edit3
  ComboState Proc{{"<Proc Filter>"}, 0};  // ProcFilter
  CheckState Verified;                    // cVerified: "&Verified Only"
};

// The line over the filters while the program runs on the bundled sample.
inline constexpr const char* kSampleVaultNotice =
    "Sample items for trying the program; import your own with Tools > Import Item Database...";

struct BrowserView {
  // lVaultOrigin: kSampleVaultNotice, shown only while the vault in use is
  // the bundled sample.
  LabelState VaultOrigin{kSampleVaultNotice};
  LabelState ListingCaption{"Item &Listing"};  // ListingBox: the result list's group
  ListState Items;                             // ItemList: the result names
  std::vector<int> Indices;                    // the vault index beside each name
  MemoState Description;                       // Stats
  bool ScrolledToTop = true;
  ControlState Equip{false};  // btnEquip: "&Equip Selected Item"
};

inline constexpr std::size_t kBrowserNameFilterLength = 50;

// Every command that changes View() or Filters() announces once; equipping
// changes the main window, which announces it.
class Tbrowser : public ViewNotifier {
 public:
  Tbrowser(Vault& vault, TVaultFilter& criteria, BrowserHost& host, UserPort& user,
           ShellPort& shell);

  // Choice lists of the filter controls.
  static std::vector<std::string> SlotChoices();
  static std::vector<std::string> ItemTypeChoices();
  static std::vector<std::string> RealmChoices();
  static std::vector<std::string> ExpansionChoices();
  static std::vector<std::string> ServerChoices();
  static std::vector<std::string> ClassChoices();
  static std::vector<std::string> StatChoices();
  // The slot kind the criteria get for a position of the "Item Slot" choice.
  static int SlotFilterOf(int position);

  const BrowserFilters& Filters() const { return filters_; }
  const BrowserView& View() const { return view_; }

  void Show();  // says whose vault it is, clears the filters and searches
  void BrowserSearch();
  void ClearFilters();
  void MatchCurrentClassServer();
  // The user's choice in one filter control (a list position, -1: none).
  void ChangeSlotFilter(int position);
  void ChangeItemTypeFilter(int position);
  void ChangeRealmFilter(int position);
  void ChangeExpansionFilter(int position);
  void ChangeServerFilter(int position);  // by hand: the realm choice is free again
  void ChangeClassFilter(int position);
  void ChangeStatFilter(int k, int position);  // k = 0..2
  void ChangeProcFilter(int position);
  void ChangeVerifiedOnly(bool checked);
  void SetNameFilter(const std::string& text);
  // An amount box changed (k = 0..2); returns the normalised text and caret.
  AmountBoxEdit ChangeAmount(int k, std::string_view text, int caret);
  void ResetAmount(int k);  // double click

  void SelectLine(int row);       // shows the description
  void DoubleClickLine(int row);  // selects, describes, equips when allowed
  void EquipSelected();
  void SearchItemDatabase();  // "Search Allakha&zam"
  void SearchWeb();           // "Searc&h Google"

  const TItemRecord& BrowserItem() const { return item_; }

 private:
  void FillChoices();
  void Choose(ComboState& filter, int position);
  void DescribeSelected();
  int SelectedIndex() const;

  Vault& vault_;
  TVaultFilter& criteria_;
  BrowserHost& host_;
  UserPort& user_;
  ShellPort& shell_;
  BrowserFilters filters_;
  BrowserView view_;
  TItemRecord item_{};
  VaultQueryResult result_;
};

// The name a search on the item-database site looks for: the name without
// its bracketed remarks.
std::string ItemDatabaseTerms(std::string name);
// The two searches for an item name that the vault browser and the item
// workbench offer: the item database with the name's terms, and the web
// search engine with the whole name.
std::string ItemDatabaseSearchAddress(std::string_view itemName);
std::string WebSearchAddress(std::string_view itemName);

}  // namespace qm
