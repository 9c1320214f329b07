#pragma once
// Where the running quillmark-cli finds what the program ships and the
// player's own files, as the desktop program finds them.
#include <string>

namespace qm::cli {

// The folder of the running program, where the shipped tables are found;
// empty when the system does not say.
std::string ProgramDirectory();

// The vault a command takes when none is named, as the program starts with
// it: the player's own ($XDG_DATA_HOME/Quillmark/master.qmv) when it is
// there, else the bundled one beside the program or in ../share/quillmark/.
// Empty when there is none.
std::string DefaultVaultPath();

}  // namespace qm::cli
