#pragma once
// What an item can do besides its bonuses: the kinds of its two effect slots,
// the effect numbers they refer to, and the amount each slot holds. Every
// window that shows, chooses or filters an effect goes through these lookups.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr int kEffectKindCount = 7;        // 0 "No Procs/Effects" .. 6 "Mythirians"
inline constexpr int kEditorEffectKindCount = 6;  // the item editor offers kinds 0..5
inline constexpr int kMaxEffectAmount = 5000;

// Name of an effect kind; empty outside 0..6.
std::string_view EffectKindName(int kind);
// The kinds an item editor offers, "No Procs/Effects" .. "Selectable Effects".
std::vector<std::string_view> EditorEffectKinds();
// Name of an effect number (the process-wide effect-name list); empty past its end.
std::string_view EffectNameOf(std::size_t number);

// A filter's selector: its own first entry, then every effect name, so effect
// number n sits at position n + 1.
std::vector<std::string> EffectFilterEntries(std::string_view firstEntry);
int EffectFilterPosition(std::size_t number);
// The effect number a filter position stands for; none for the first entry
// and for positions past the list.
std::optional<std::size_t> EffectOfFilterPosition(int position);

// An amount brought into 0..5000.
std::uint16_t ClampEffectAmount(long long amount);

}  // namespace qm
