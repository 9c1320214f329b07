#pragma once
// The web addresses the program opens: its own site, the game's news site, and
// the two places an item name can be looked up. One constant each, so every
// window and report names the same place.
namespace qm {

inline constexpr const char* kMakerWebSite = "https://quillmark.example.org/";
inline constexpr const char* kMakerWebHost = "quillmark.example.org";
inline constexpr const char* kHeraldWebSite = "https://camelotherald.com/";
// Item-name searches append "searchdb.html?terms=…&a=Search" and "search?hl=en&q=…".
inline constexpr const char* kItemDatabaseSite = "https://camelot.allakhazam.com/";
inline constexpr const char* kWebSearchSite = "https://www.google.com/";

}  // namespace qm
