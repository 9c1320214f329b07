#pragma once
// The vault step of start-up for the real program: loads the program's one
// vault from its file, with the busy cursor while it is parsed, marks whose
// it is, and tells start-up what to say and how to end when the file is
// unusable.
#include <string>

#include "ports/ports.h"
#include "shell/startup.h"

namespace qm {

class ProgramVaultLoader : public VaultLoaderPort {
 public:
  explicit ProgramVaultLoader(ShellPort* shell = nullptr) : shell_(shell) {}
  VaultLoadOutcome LoadVault(const std::string& vaultPath, VaultOwner owner) override;

 private:
  ShellPort* shell_;
};

}  // namespace qm
