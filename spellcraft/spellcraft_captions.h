#pragma once
// The fixed texts of the "&Spellcraft" tab, by the object name of the control
// that shows them, so the window and its tests agree on every caption.
#include <array>
#include <string_view>

namespace qm {

struct ControlCaption {
  // The control the text belongs to: its own caption for selectors, boxes and
  // buttons, the label beside it for the figures ("g1" .. "maxoc"); empty for
  // the headings.
  std::string_view Control;
  std::string_view Caption;
};

inline constexpr std::string_view kSpellcraftTabName = "SC";
inline constexpr std::string_view kSpellcraftTabCaption = "&Spellcraft";

inline constexpr std::array<ControlCaption, 25> kSpellcraftCaptions = {{
    {"sLevel", "Le&vel"},
    {"cAbs", "A&bsorb"},
    {"cProc2", "&Fifth Slot Bonus"},
    {"eItemName", "Item &Name"},
    {"AutoName", "&Autonaming"},
    {"btnClear", "Clear Everything"},
    {"btnUndo", "&Undo Changes"},
    {"btnGemClear", "Clear &Gems"},
    {"", "Stat Archtypes"},
    {"", "Gem Slots"},
    {"", "Values"},
    {"", "Spellcraft Information"},
    {"", "Gem Costs"},
    {"g1", "Gem 1 :"},
    {"g2", "Gem 2 :"},
    {"g3", "Gem 3 :"},
    {"g4", "Gem 4 :"},
    {"highgem", "High Gem :"},
    {"blval", "Bonus Level :"},
    {"", "Overall"},
    {"charge", "Current Charge :"},
    {"imbuecap", "Imbue Capacity :"},
    {"maxoc", "Max Overcharge :"},
    {"btnReturn", "&Return Item"},
    {"SC", "&Spellcraft"},
}};

// Caption of (or beside) a named control; empty when it has none.
constexpr std::string_view SpellcraftCaption(std::string_view control) {
  for (const ControlCaption& entry : kSpellcraftCaptions)
    if (!control.empty() && entry.Control == control) return entry.Caption;
  return {};
}

}  // namespace qm
