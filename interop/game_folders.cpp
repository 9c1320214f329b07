#include "interop/game_folders.h"

#include <filesystem>

namespace qm {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGameFolder = "Electronic Arts/Dark Age of Camelot";

void AddPrefix(const fs::path& prefix, const std::string& user, std::vector<std::string>& out) {
  if (prefix.empty() || user.empty()) return;
  const fs::path users = prefix / "drive_c" / "users" / user;
  // Newer Wine names the folder AppData/Roaming, older "Application Data".
  out.push_back((users / "AppData" / "Roaming" / kGameFolder).string());
  out.push_back((users / "Application Data" / kGameFolder).string());
}

}  // namespace

std::vector<std::string> GameSettingsFolders(const GameFolderHints& hints) {
  std::vector<std::string> folders;
  const fs::path home(hints.Home);
  AddPrefix(hints.WinePrefix.empty() ? home / ".wine" : fs::path(hints.WinePrefix), hints.User,
            folders);
  if (hints.Home.empty()) return folders;
  std::error_code error;
  for (const fs::path& steam : {home / ".steam" / "steam", home / ".local" / "share" / "Steam"}) {
    for (fs::directory_iterator it(steam / "steamapps" / "compatdata", error), end;
         !error && it != end; it.increment(error))
      AddPrefix(it->path() / "pfx", "steamuser", folders);
    error.clear();
  }
  return folders;
}

std::string FindGameSettingsFolder(const GameFolderHints& hints) {
  std::error_code error;
  for (const std::string& folder : GameSettingsFolders(hints))
    if (fs::is_directory(folder, error)) return folder;
  return {};
}

}  // namespace qm
