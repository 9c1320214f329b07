#pragma once
// The web addresses the program opens: its own site, the game's news site, and
// the two places an item name can be looked up. One constant each, so every
// window and report names the same place.
namespace qm {

inline constexpr const char* kMakerWebSite = "https://quillmark.example.org/";
inline constexpr const char* kMakerWebHost = "quillmark.example.org";
inline constexpr const char* kHeraldWebSite = "https://camelotherald.com/";
// The item-name searches: the item database's search page and a web search engine.
inline constexpr const char* kItemDatabaseSearch = "https://camelot.allakhazam.com/searchdb.html";
inline constexpr const char* kWebSearch = "https://www.google.com/search";

}  // namespace qm
