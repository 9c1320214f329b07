#include "vault/vault.h"

#include <filesystem>

#include "core/file_io.h"
#include "vault/vault_reader.h"
#include "vault/zlib_stream.h"

namespace qm {

VaultLoadStatus Vault::LoadFile(const std::string& path, const VaultLoadOptions& options) {
  entries_.clear();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return VaultLoadStatus::Failure(kExitVaultMissing, kVaultMissingMessage);
  }
  const auto bytes = ReadFileBytes(path);
  if (!bytes.Ok()) return VaultLoadStatus::Failure(kExitVaultMissing, kVaultMissingMessage);
  return LoadPacked(bytes.Value(), options);
}

VaultLoadStatus Vault::LoadPacked(std::span<const std::uint8_t> packed,
                                  const VaultLoadOptions& options) {
  entries_.clear();
  const auto text = InflateStreamBuffer(packed);
  if (!text.Ok()) {
    return VaultLoadStatus::Failure(kExitVaultBadHeader,
                                    std::string(kVaultInvalidMessage) + " (" + text.Error() + ")");
  }
  return LoadText(text.Value().View(), options);
}

VaultLoadStatus Vault::LoadText(std::string_view text, const VaultLoadOptions& options) {
  return ParseVaultText(text, options, entries_);
}

TItemRecord Vault::Read(long long index, UserPort& port) const {
  if (index < 0 || static_cast<unsigned long long>(index) >= entries_.size()) {
    port.ShowMessage(kReadPastEndMessage);
    return EmptyItem();
  }
  return entries_[static_cast<std::size_t>(index)];
}

int Vault::Version() const {
  return entries_.empty() ? 0 : entries_.front().EffectValue[0];
}

Vault& TheVault() {
  static Vault vault;
  return vault;
}

VaultLoadStatus LoadVault(const std::string& path, ShellPort* shell) {
  if (shell != nullptr) shell->SetBusyCursor(true);
  VaultLoadStatus status = TheVault().LoadFile(path);
  if (shell != nullptr) shell->SetBusyCursor(false);
  return status;
}

std::size_t VaultCount() {
  return TheVault().Count();
}

TItemRecord ReadVaultItem(long long index, UserPort& port) {
  return TheVault().Read(index, port);
}

}  // namespace qm
