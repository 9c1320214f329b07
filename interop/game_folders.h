#pragma once
// Where the game keeps its characters' settings files: the "Electronic Arts/
// Dark Age of Camelot" folder of the player's roaming application data, which
// on Linux lies inside the Wine or Proton prefix the game runs in.
#include <string>
#include <vector>

namespace qm {

struct GameFolderHints {
  std::string Home;        // $HOME
  std::string WinePrefix;  // $WINEPREFIX, may be empty
  std::string User;        // $USER, the Wine user's folder name
};

// The folders the game's settings may be in, most likely first: the Wine
// prefix's, then each Steam Proton prefix's.
std::vector<std::string> GameSettingsFolders(const GameFolderHints& hints);
// The first of them that exists; empty when none does.
std::string FindGameSettingsFolder(const GameFolderHints& hints);

}  // namespace qm
