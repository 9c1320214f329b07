#pragma once
// The web addresses the Help menu opens through the desktop shell
// (ShellPort::OpenInShell), with the menu items that open them.
namespace qm {

inline constexpr const char* kWebSiteMenuItem = "&Quillmark Web Site";
inline constexpr const char* kWebSiteShortcut = "F1";
inline constexpr const char* kWebSiteAddress = "https://quillmark-classic.github.io/";

inline constexpr const char* kHeraldMenuItem = "&Camelot Herald";
inline constexpr const char* kHeraldShortcut = "Ctrl+H";
inline constexpr const char* kHeraldAddress = "https://camelotherald.com/";

}  // namespace qm
