#pragma once
// Zenkcraft's templates (.znk): an XML <PlayerSaveData> with the character
// (name, realm, class, race, level), its items (position, source kind, name,
// notes, level, quality, enabled, stat entries) and a trailer (the weapon the
// totals count, the auto-template settings).
#include <cstddef>
#include <string_view>

#include "core/result.h"
#include "interop/foreign_template.h"

namespace qm {

// A template file past this size is refused before it is parsed.
inline constexpr std::size_t kMaxZenkcraftBytes = std::size_t{16} << 20;

// True when the first element (past an XML declaration, comments and a byte
// order mark) is <PlayerSaveData>.
bool LooksLikeZenkcraftTemplate(std::string_view head);

// The template in our record. Items Zenkcraft says a spellcrafter made are
// marked Crafted with their gems' bonuses in rows 1.. in gem order. What the
// record cannot hold is one warning line each. A file that is not a
// Zenkcraft template, or breaks off, fails with one line: "NAME, line N: why".
Result<ForeignTemplate> ReadZenkcraftTemplate(std::string_view text, std::string_view fileName);

}  // namespace qm
