#pragma once
// The game's recipe numbers of the spellcraft gems, which a quickbar button
// names. They differ between the live servers and some free servers, so they
// are data: one text file per kind of server, shipped beside the vault
// ("quickbar/live.txt", the default, and others), and a player may load a
// table of their own. A line reads
//   REALM CODE RECIPE STATUS NAME
// REALM "all", "alb", "hib" or "mid"; CODE the gem's bonus code as a crafted
// item stores it; RECIPE the gem's first recipe number (a button names
// RECIPE x 10 + tier); STATUS "confirmed" when two independent sources agree,
// "single" when one source gives it, "disputed" when sources differ; NAME the
// gem's name without its quality. '#' starts a comment line.
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

inline constexpr std::string_view kDefaultServerKind = "live";
inline constexpr std::size_t kMaxRecipeTableBytes = std::size_t{256} << 10;
inline constexpr std::size_t kMaxRecipeEntries = 4096;
inline constexpr int kAnyRealm = -1;

enum class RecipeStatus { kConfirmed, kSingle, kDisputed };

struct RecipeEntry {
  int Realm = kAnyRealm;  // kAnyRealm or 0 Albion, 1 Hibernia, 2 Midgard
  int Code = 0;
  int Recipe = 0;
  RecipeStatus Status = RecipeStatus::kSingle;
  std::string Name;
};

struct RecipeTable {
  std::vector<RecipeEntry> Entries;
  // The entry of a gem in a realm: the realm's own before one for all realms.
  const RecipeEntry* Find(int code, int realm) const;
};

// Refuses, naming the line, a line that does not read as above, a realm, code
// or recipe out of range, a gem listed twice for one realm, more than
// kMaxRecipeEntries entries, and a table without any.
Result<RecipeTable> ParseRecipeTable(std::string_view text);
// Reads and parses a table file, refused past kMaxRecipeTableBytes.
Result<RecipeTable> ReadRecipeTable(const std::string& path);

// The shipped table of a server kind: "quickbar/KIND.txt" in the program's
// folder, or in <prefix>/share/quillmark beside an installed <prefix>/bin;
// empty when neither exists or the kind is not a plain name.
std::string FindRecipeTable(const std::string& programDirectory, std::string_view kind);
// The server kinds whose tables ship with the program, sorted.
std::vector<std::string> ShippedServerKinds(const std::string& programDirectory);

}  // namespace qm
