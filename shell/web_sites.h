#pragma once
// The web addresses the Help menu opens through the desktop shell
// (ShellPort::OpenInShell), with the menu items that open them.
#include "core/web_addresses.h"

namespace qm {

inline constexpr const char* kWebSiteMenuItem = "&Quillmark Web Site";
inline constexpr const char* kWebSiteShortcut = "F1";
inline constexpr const char* kWebSiteAddress = kMakerWebSite;

inline constexpr const char* kHeraldMenuItem = "&Camelot Herald";
inline constexpr const char* kHeraldShortcut = "Ctrl+H";
inline constexpr const char* kHeraldAddress = kHeraldWebSite;

}  // namespace qm
