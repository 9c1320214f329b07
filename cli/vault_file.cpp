#include "cli/vault_file.h"

#include "core/file_io.h"
#include "vault/vault_reader.h"

namespace qm::cli {

Result<InflatedVault> InflateVaultFile(const std::string& path) {
  auto file = InputFile::Open(path);
  if (!file.Ok()) return Result<InflatedVault>::Failure(file.Error());
  const VaultLoadOptions options;
  InflatedVault vault;
  auto text = InflateFile(file.Value(), VaultBounder(options), vault.PackedBytes);
  if (!text.Ok()) {
    return Result<InflatedVault>::Failure(
        VaultLoadStatus::Refused(kExitVaultBadHeader, kVaultInvalidMessage, text.Error())
            .NamingFile(path));
  }
  std::size_t count = 0;
  const VaultLoadStatus header = CheckVaultHeader(text.Value().View(), options, count);
  if (!header.Ok()) return Result<InflatedVault>::Failure(header.NamingFile(path));
  vault.Text = std::move(text.Value());
  return vault;
}

std::string LoadVaultFile(const std::string& path, Vault& vault) {
  auto file = InputFile::Open(path);
  if (!file.Ok()) return file.Error();
  const VaultLoadStatus status = vault.LoadOpened(file.Value());
  return status.Ok() ? std::string() : status.NamingFile(path);
}

}  // namespace qm::cli
