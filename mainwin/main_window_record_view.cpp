// The main window's one road from the template record to its view. Whatever
// changed the record — a file loaded, a step undone or redone, a command —
// the character box, the race lines, the champion box, the weapon choice,
// the slot rows and the figures are built from the record here, so they
// cannot disagree with it or with each other.
#include <algorithm>

#include "core/class_table.h"
#include "core/item_lists.h"
#include "core/race_table.h"
#include "mainwin/main_window.h"

namespace qm {

void TfrmGearMain::ShowRecord(RecordParts parts) {
  if (parts.Name) {
    const std::string name = tpl_.CharName.Str();
    view_.NameText = name;
    view_.NameCaret = static_cast<int>(name.size());
    SetTitle(name);
    saveProposal_ = name + ".qmc";
  }
  // Values outside their lists leave the combo without a selection, and the
  // lookups treat them as "none".
  view_.Level.Selection = std::clamp<int>(tpl_.CharLevel, 5, 50) - 5;
  view_.RealmRank.Selection = std::clamp<int>(tpl_.RealmRank, 1, 13) - 1;
  view_.Class.Selection = tpl_.ClassIndex < kClassTableSize ? tpl_.ClassIndex : -1;
  view_.Server.Selection = tpl_.ServerType <= kOrigins ? tpl_.ServerType : -1;
  // The class's skill rows and race list are rebuilt only when the class
  // changed: most changes touch one slot or one field.
  if (parts.Class) {
    ApplyClass(attributes_, tpl_.ClassIndex);
    ApplyClassToDisplay(view_.Figures, tpl_.ClassIndex);
    FillRaceCombo();
  }
  if (parts.Class || parts.Race) ShowRace(tpl_.RaceIndex);

  view_.Champion.Enabled = tpl_.CharLevel == 50;
  view_.Champion.Checked = tpl_.ChampionFlag == 1;
  view_.Slots[kMyth - 1].Button.Enabled = view_.Champion.Checked && SlotButtonsActive();
  view_.Weapon.Selection = tpl_.WeaponConfig <= 4 ? tpl_.WeaponConfig : -1;
  Recalc();
}

void TfrmGearMain::ShowChangedRecord(RecordParts parts) {
  MarkChanged();
  SetSaveEnabled(true);
  ShowRecord(parts);
}

// The race at a position of the race list, with its bonuses, and its lines in
// the side panel; a position outside the list selects none.
void TfrmGearMain::ShowRace(int position) {
  view_.Race.Selection =
      position >= 0 && position < static_cast<int>(view_.Race.Entries.size()) ? position : -1;
  const std::string race = view_.Race.Text();
  ApplyRace(attributes_, race);
  view_.InfoLines.clear();
  if (!race.empty() && race != kNoRace) view_.InfoLines = RaceSummary(attributes_);
}

}  // namespace qm
