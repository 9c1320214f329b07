#include "vault/vault.h"

#include <array>

#include "core/effect_names.h"
#include "core/file_io.h"
#include "core/item_lists.h"
#include "vault/vault_reader.h"
#include "vault/zlib_stream.h"

namespace qm {

VaultLoadStatus VaultLoadStatus::Refused(int code, std::string_view startText, std::string why) {
  VaultLoadStatus status = HeaderRefused(code, startText, std::move(why));
  status.message += " (" + status.detail + ")";
  return status;
}

VaultLoadStatus VaultLoadStatus::HeaderRefused(int code, std::string_view startText,
                                               std::string why) {
  return {code, std::string(startText), std::string(startText), std::move(why)};
}

std::string VaultLoadStatus::NamingFile(const std::string& path) const {
  return base + " (\"" + path + "\"" + (detail.empty() ? "" : ": " + detail) + ")";
}

VaultLoadStatus Vault::LoadFile(const std::string& path, const VaultLoadOptions& options) {
  entries_.clear();
  path_.clear();
  owner_ = VaultOwner::Unstated;
  auto file = InputFile::Open(path);
  if (!file.Ok()) return VaultLoadStatus::Failure(kExitVaultMissing, kVaultMissingMessage);
  VaultLoadStatus status = LoadOpened(file.Value(), options);
  if (status.Ok()) path_ = path;
  return status;
}

VaultLoadStatus Vault::LoadOpened(InputFile& file, const VaultLoadOptions& options) {
  entries_.clear();
  std::uint64_t packedBytes = 0;
  const auto text = InflateFile(file, VaultBounder(options), packedBytes);
  if (!text.Ok()) {
    return VaultLoadStatus::Refused(kExitVaultBadHeader, kVaultInvalidMessage, text.Error());
  }
  return LoadText(text.Value().View(), options);
}

VaultLoadStatus Vault::LoadPacked(std::span<const std::uint8_t> packed,
                                  const VaultLoadOptions& options) {
  entries_.clear();
  const auto text = InflateStreamBuffer(packed, VaultBounder(options));
  if (!text.Ok()) {
    return VaultLoadStatus::Refused(kExitVaultBadHeader, kVaultInvalidMessage, text.Error());
  }
  return LoadText(text.Value().View(), options);
}

VaultLoadStatus Vault::LoadText(std::string_view text, const VaultLoadOptions& options,
                                std::vector<std::string>* changes) {
  path_.clear();
  // A vault that fails to load takes back the texts it appended to the
  // process-wide lists, so a vault loaded after it (start-up's fallback to
  // the bundled one) numbers them as a fresh start would.
  const std::array lists = {&ItemTypeList(), &ExpansionList(), &WeaponTypeList(), &SourceList()};
  std::array<std::size_t, lists.size()> sizes{};
  for (std::size_t k = 0; k < lists.size(); ++k) sizes[k] = lists[k]->Size();
  const std::size_t effectNames = EffectNameCount();
  VaultLoadStatus status = ParseVaultText(text, options, entries_, changes);
  if (!status.Ok()) {
    for (std::size_t k = 0; k < lists.size(); ++k) lists[k]->ShrinkTo(sizes[k]);
    ShrinkEffectNames(effectNames);
  }
  return status;
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
