#include "shell/vault_loading.h"

#include "vault/vault.h"

namespace qm {

VaultLoadOutcome ProgramVaultLoader::LoadVault(const std::string& vaultPath) {
  const VaultLoadStatus status = qm::LoadVault(vaultPath, shell_);
  return {status.exitCode, status.message};
}

}  // namespace qm
