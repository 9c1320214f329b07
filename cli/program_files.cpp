#include "cli/program_files.h"

#include <cstdlib>
#include <filesystem>

#include "shell/settings.h"

namespace qm::cli {
namespace {

namespace fs = std::filesystem;

bool IsFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The user's data folder as the desktop names it: $XDG_DATA_HOME when it is
// an absolute path, else ~/.local/share.
std::string UserDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return std::string(data) + "/Quillmark";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/share/Quillmark";
  return {};
}

}  // namespace

std::string ProgramDirectory() {
  std::error_code error;
  const auto self = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.parent_path().string();
}

std::string DefaultVaultPath() {
  UserFolders folders;
  folders.data = UserDataFolder();
  if (const std::string own = UserVaultPath(folders); !own.empty() && IsFile(own)) return own;
  const std::string directory = ProgramDirectory();
  if (directory.empty()) return {};
  const fs::path program(directory);
  for (const fs::path& bundled :
       {program / kVaultFileName, program.parent_path() / "share" / "quillmark" / kVaultFileName})
    if (IsFile(bundled)) return bundled.string();
  return {};
}

}  // namespace qm::cli
