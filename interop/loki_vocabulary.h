#pragma once
// The words of Loki's templates: its item locations and the gem types and
// effects it writes where Kort's calculator writes others ("Hits" and
// "Power" as types of their own, "All Magic" for all casting skills). Every
// other type and effect reads as Kort's.
#include <string_view>

namespace qm {

// Our slot 1..19 for an item's loc attribute ("Left Ring" is Ring 1); 0 for
// a location we cannot place.
int LokiSlot(std::string_view loc);
// Our bonus code of a gem's type and effect; 0 when we have none for it.
int LokiBonusCode(std::string_view type, std::string_view effect);

}  // namespace qm
