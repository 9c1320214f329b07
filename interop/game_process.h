#pragma once
// Whether the game runs now. The game writes a character's settings file
// when it closes, over whatever a tool wrote meanwhile, so the quickbar is
// written only while no game process runs. The check looks through the
// process table (/proc) for a process whose command names the game's client,
// "game.dll" or "camelot.exe" (under Wine or Proton the command is the
// Windows path of one of them).
#include <optional>
#include <string>

namespace qm {

inline constexpr const char* kProcessTable = "/proc";

// The first game process found, as "PID NAME"; nullopt when none runs or the
// table cannot be read.
std::optional<std::string> FindRunningGame(const std::string& processTable = kProcessTable);

}  // namespace qm
