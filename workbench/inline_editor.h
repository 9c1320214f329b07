#pragma once
// The "Inline E&ditor" tab of the item workbench: ten bonus rows (archetype,
// bonus, amount), two effect rows (kind, effect, amount) and a name, from
// which a hand-made item (Unique 1, item type "Unique (RoG)") is built. The
// rows are loaded from a source item only on request, so a user who leaves
// the tab and comes back finds the rows as they were left.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/amount_box.h"
#include "core/item_record.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

inline constexpr int kInlineBonusRows = kBonusRows;
inline constexpr int kInlineEffectRows = kEffectRows;
// The selector offers "<Select>" and archetypes "0. Attributes" .. "9. Full Listing".
inline constexpr int kInlineArchetypeEntries = 11;
// "No Procs/Effects" .. "Selectable Effects": the kinds this tab can choose.
inline constexpr int kInlineEffectKinds = 6;
inline constexpr int kNoSelection = -1;
inline constexpr std::uint16_t kNoEffectId = 65535;

inline constexpr std::string_view kCustomItemName = "Custom Item";
inline constexpr std::string_view kNameBoxDesignText = "Custom Item Name";
inline constexpr std::string_view kRoGNote = "Manually Entered (RoG) Item";
inline constexpr std::string_view kStatsBasedUponNote = "Stats based upon ";
inline constexpr std::size_t kStatsNoteLength = 68;

// One bonus row as the tab shows it; k is the row's number 1..10.
struct InlineBonusRowView {
  ComboState Archetype{{}, 0};              // a<k>: 0 "<Select>", m: catalogue archetype m
  ComboState Bonus{{"<Empty>"}, 0, false};  // c<k>: kNoSelection when the selector is cleared
  TextBoxState Amount{"0", false};          // s<k>
};

// One effect row as the tab shows it; k is the row's number 1..2.
struct InlineEffectRowView {
  ComboState Kind{{}, 0};  // cProcOne, cProcTwo: kNoSelection for a loaded kind the list lacks
  ComboState Effect{{}, kNoSelection, false};  // cbExt<k>: the effect-name list
  TextBoxState Amount{"0"};                    // Proc<k>Amt
};

struct InlineEditorView {
  TextBoxState Name{std::string(kNameBoxDesignText)};  // CustomName
  std::array<InlineBonusRowView, kInlineBonusRows> Rows{};
  std::array<InlineEffectRowView, kInlineEffectRows> Effects{};
};

// "<Select>", "0. Attributes" .. "9. Full Listing".
std::string_view InlineArchetypeEntry(int position);
// "No Procs/Effects" .. "Selectable Effects".
std::string_view InlineEffectKindEntry(int position);

// Every handler that changes View() announces once.
class InlineEditor : public ViewNotifier {
 public:
  // Called whenever the tab's item changed in a way the main window should
  // see at once (the workbench refreshes its preview from it).
  using RefreshHook = std::function<void()>;

  InlineEditor();

  void SetRefreshHook(RefreshHook hook) { refresh_ = std::move(hook); }
  // The slot being edited and the template's default crafted level, which
  // decide the built item's armour and level.
  void SetSlot(int slot, int defaultCraftedLevel);

  // The item the rows are loaded from; requestLoad marks the next entry of
  // the tab as a load.
  void SetSource(const TItemRecord& item, bool requestLoad);
  const TItemRecord& Source() const { return source_; }
  bool LoadRequested() const { return loadRequested_; }

  // "Edi&t Item Stats Directly": the selected list item with the note
  // "Stats based upon " and its name; the rows load on the next entry.
  void CopyStatsFrom(const TItemRecord& item);
  // "&Make RoG": an empty "Custom Item" marked unique; the rows load empty.
  void MakeRoG();

  // Steps 2 and 3 of entering the tab (the workbench sets the mode): loads
  // the rows when a load is requested, then refreshes.
  void EditEnter();

  // The archetype of a row changed: its amount returns to "0" and its bonus
  // list is refilled with "<Empty>" selected.
  void aChange(int row, int archetype);
  void SelectBonus(int row, int position);
  void SelectEffectKind(int effect, int kind);  // cProcOneClick
  void SelectEffect(int effect, int position);
  // The common refresh after every change.
  void bChange();

  // Keys a bonus or effect amount box lets through.
  static bool InlineStatPress(char key) { return AmountBoxAccepts(key); }
  // A bonus amount changed: normalised and previewed.
  AmountBoxEdit InlineStatChange(int row, std::string_view text, int caret);
  // An effect amount changed: normalised, but picked up only by the next
  // refresh or the return.
  AmountBoxEdit ProcValueChange(int effect, std::string_view text, int caret);
  void CustomItemNameChange(std::string_view text);

  // The item the rows describe.
  TItemRecord BuildInlineItem() const;

  const InlineEditorView& View() const { return view_; }

 private:
  void LoadRows();
  void Refresh();

  InlineEditorView view_;
  TItemRecord source_;
  bool loadRequested_ = false;
  int slot_ = 0;
  int defaultCraftedLevel_ = 51;
  // The kind each effect row was loaded with; kept when the kind list has no
  // entry for it (Mythirians), so the built item keeps a valid kind.
  std::array<int, kInlineEffectRows> loadedKind_{};
  RefreshHook refresh_;
};

}  // namespace qm
