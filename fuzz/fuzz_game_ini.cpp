// A character's settings file of the game through its reader and editor: any
// bytes give a one-line refusal, or a file whose edit changes nothing but the
// named values: editing with no assignments gives the bytes back, the edited
// file reads back every value it was given, and editing it again with the
// same values changes nothing more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "interop/game_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto ini = qm::GameIni::Parse(std::string(reinterpret_cast<const char*>(data), size));
  if (!ini.Ok()) {
    if (ini.Error().empty() || ini.Error().find('\n') != std::string::npos) std::abort();
    return 0;
  }
  if (ini.Value().WithValues({}) != ini.Value().Bytes()) std::abort();
  const std::vector<qm::IniAssignment> assignments = {
      {"Quickbar", "Hotkey_0", "45,1300009,,-1"},
      {"Quickbar2", "Hotkey_99", "45,1308809,,2385"},
      {"Macros", "Macro_1", "Alb,/craft Albion"},
  };
  const std::string edited = ini.Value().WithValues(assignments);
  auto again = qm::GameIni::Parse(edited);
  if (!again.Ok()) {
    // Only the size bound may refuse what the edit made longer.
    if (edited.size() <= qm::kMaxGameIniBytes) std::abort();
    return 0;
  }
  for (const qm::IniAssignment& a : assignments)
    if (again.Value().Value(a.Section, a.Key) != a.Value) std::abort();
  if (again.Value().WithValues(assignments) != edited) std::abort();
  return 0;
}
