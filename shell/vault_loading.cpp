#include "shell/vault_loading.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "vault/vault.h"

namespace qm {
namespace {

// The start-up texts ask for a reinstall or a download, which is no help
// about a file of the player's own; these say what is wrong with it instead.
struct RefusalReason {
  int exitCode;
  std::string_view reason;
};
constexpr RefusalReason kRefusalReasons[] = {
    {kExitVaultMissing, "it cannot be opened"},
    {kExitVaultBadHeader, "it is not a vault file"},
    {kExitVaultBadVersion, "its vault version is unknown"},
    {kExitVaultBadCount, "its entry count does not fit its entries"},
};

std::string ReasonOf(const VaultLoadStatus& status) {
  const auto* found =
      std::find_if(std::begin(kRefusalReasons), std::end(kRefusalReasons),
                   [&](const RefusalReason& r) { return r.exitCode == status.exitCode; });
  std::string reason =
      found != std::end(kRefusalReasons) ? std::string(found->reason) : status.base;
  if (!status.detail.empty()) reason += ": " + status.detail;
  return reason;
}

}  // namespace

VaultLoadOutcome ProgramVaultLoader::LoadVault(const std::string& vaultPath, VaultOwner owner) {
  const VaultLoadStatus status = qm::LoadVault(vaultPath, shell_);
  if (!status.Ok()) return {status.exitCode, status.message, ReasonOf(status)};
  TheVault().SetOwner(owner);
  return {};
}

}  // namespace qm
