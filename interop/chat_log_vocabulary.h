#pragma once
// The words a delve block in the game's chat log uses, and what they are in
// our vocabulary. The words live in data tables in chat_log_vocabulary.cpp.
#include <optional>
#include <string_view>

namespace qm {

// What follows a bonus line's number: "pts", "%", "% of power pool.",
// "lvls"; the same name means different bonuses with different units
// ("- Crush: 5 pts" is the skill, "- Crush: 5%" the resist).
enum class DelveUnit { kPoints, kPercent, kPowerPool, kLevels };

// Our code of a "- NAME: N unit" line outside the focus section; nullopt
// when the words are not ours.
std::optional<int> CodeOfDelveBonus(std::string_view name, DelveUnit unit);
// Our code of a "Bonus to WHAT: N" line ("casting speed", "Strength
// attribute bonus cap"); the words after "Bonus to ".
std::optional<int> CodeOfDelveBonusTo(std::string_view what);
// Our code of a line in the "Focus Bonuses:" section ("Fire", "Body Magic").
std::optional<int> CodeOfDelveFocus(std::string_view line);

// Position in RealmList() of "Albion", "Hibernia", "Midgard".
std::optional<int> RealmOfDelveWord(std::string_view word);
// Our class index of a class named under "Usable by:" ("Wizard", "MaulerAlb").
std::optional<int> ClassOfDelveWord(std::string_view word);
// Position in ArmorList() of an absorption percentage ("- 27% Absorption").
std::optional<int> ArmorOfDelveAbsorption(int absorption);
// Position in SlotKindList() of a line that names where the item goes
// ("Two Handed", "Large Shield"), when the delve has such a line.
std::optional<int> SlotKindOfDelveTypeLine(std::string_view line);

}  // namespace qm
