#pragma once
// The figures of the main window: every total beside its cap, coloured black
// (nothing), blue (in use) or red (over cap), with the hints and the bonus
// code tags that hovering uses.
#include <array>
#include <string>
#include <vector>

#include "core/char_attributes.h"
#include "core/template_record.h"
#include "engine/totals.h"
#include "ports/view_state.h"

namespace qm {

struct FigureRow {
  // Object names of the four labels ("lStrName", "lStr", "lStrCap", "lStrDis").
  std::string NameObject, ValueObject, CapObject, DiffObject;
  LabelState Name, Value, Cap, Diff;
  bool HasDiff = false;
  // The numbers the value and cap labels show, for the template comparison;
  // 0 while the row shows nothing.
  int Amount = 0, CapAmount = 0;
};

enum class FigureGroup { kMainStats, kResists, kSkills, kPoints, kToA, kPvE };

struct TotalsDisplay {
  std::array<FigureRow, 6>
      MainStats;  // Strength, Constitution, Dexterity, Quickness, acuity, Hit Points
  std::array<FigureRow, 9> Resists;  // Crush .. Spirit
  std::array<FigureRow, 8> Skills;   // the class's eight rows
  std::vector<FigureRow> Points;     // Experience, Realm Points, Bounty Points, Cash Drop
  std::vector<FigureRow> ToA;
  std::vector<FigureRow> PvE;

  // Every row, in display order, for the window layer and the tests.
  std::vector<const FigureRow*> AllRows() const;
  // The row whose value label has this object name, or nullptr.
  const FigureRow* Find(const std::string& valueObject) const;
};

inline constexpr int kAcuityRow = 4;
inline constexpr int kHitPointsRow = 5;

// The texts the window starts with, before any recalculation.
TotalsDisplay InitialTotalsDisplay();

// The class change: captions and tags of the skill rows; the rows are cleared
// first, and the display-only rows show "0" and "/ 0".
void ApplyClassToDisplay(TotalsDisplay& display, int classIndex);

// Steps 2 to 9 of a recalculation: every figure, cap, difference, colour and
// hint from the totals and caps just computed.
void RecalcTotalsDisplay(TotalsDisplay& display, const TTemplateRecord& tpl,
                         const TCharAttributes& attributes, const TotalsAndCaps& result);

// The colour of a slot's name label by the item's type.
Colour ItemTypeColour(int itemType);

}  // namespace qm
