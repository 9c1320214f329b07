#include "interop/game_process.h"

#include <array>
#include <filesystem>
#include <string_view>

#include "core/file_io.h"

namespace qm {
namespace {

constexpr std::array<std::string_view, 2> kClientNames{"game.dll", "camelot.exe"};
// A command line is short; a longer one is not the game's.
constexpr std::size_t kMaxCommandBytes = 4096;

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The last part of a path in either separator, in lower case.
std::string BaseName(std::string_view word) {
  const std::size_t cut = word.find_last_of("/\\");
  if (cut != std::string_view::npos) word.remove_prefix(cut + 1);
  std::string name(word);
  for (char& c : name) c = Lower(c);
  return name;
}

// The client a command line runs, if any of its words names one.
std::optional<std::string> ClientOf(std::string_view command) {
  while (!command.empty()) {
    const std::size_t end = std::min(command.find('\0'), command.size());
    const std::string name = BaseName(command.substr(0, end));
    for (const std::string_view client : kClientNames)
      if (name == client) return name;
    command.remove_prefix(std::min(end + 1, command.size()));
  }
  return std::nullopt;
}

bool IsProcessNumber(const std::string& name) {
  return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::optional<std::string> FindRunningGame(const std::string& processTable) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(processTable, error), end; !error && it != end;
       it.increment(error)) {
    const std::string pid = it->path().filename().string();
    if (!IsProcessNumber(pid)) continue;
    // A process may end while it is read; its files are then simply gone.
    auto bytes = ReadFilePrefix((it->path() / "cmdline").string(), kMaxCommandBytes);
    if (!bytes.Ok()) continue;
    const std::string command(bytes.Value().begin(), bytes.Value().end());
    if (auto client = ClientOf(command)) return pid + " " + *client;
  }
  return std::nullopt;
}

}  // namespace qm
