#pragma once
// Effect numbers and their names. The effect-name list is process-wide: 133
// compiled entries, to which the vault loader appends names it does not know.
// Older templates numbered effects by position in six per-kind lists.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/template_record.h"

namespace qm {

inline constexpr std::size_t kCompiledEffectNames = 133;

// Entry of the effect-name list; empty past its end.
std::string_view EffectName(std::size_t number);
std::size_t EffectNameCount();
std::optional<std::size_t> EffectNumberOf(std::string_view text);
std::size_t AppendEffectName(std::string_view text);
// Drops appended names (tests, and a fresh vault load).
void ResetEffectNames();
// Drops the names appended after the list had count names (never the compiled ones).
void ShrinkEffectNames(std::size_t count);

// The per-kind list of kind 1..6 (empty span for any other kind).
std::span<const std::string_view> EffectKindNames(int kind);
// Turns per-kind positions of an older template into effect numbers and sets
// EffectIdsGlobal = 1. The caller marks the template changed.
void ConvertEffectIds(TTemplateRecord& tpl);

}  // namespace qm
