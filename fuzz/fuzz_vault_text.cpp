// Vault text (already inflated) through the loader. Whatever loads and the
// writer accepts must be written and loaded back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "core/effect_names.h"
#include "core/item_lists.h"
#include "vault/vault.h"
#include "vault/vault_writer.h"

namespace {

void ResetLists() {
  qm::ItemTypeList().Reset();
  qm::ExpansionList().Reset();
  qm::WeaponTypeList().Reset();
  qm::SourceList().Reset();
  qm::ResetEffectNames();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ResetLists();
  qm::VaultLoadOptions options;
  options.maxEntries = 2000;  // keeps each run small; the limit itself is tested too
  qm::Vault vault;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const qm::VaultLoadStatus status = vault.LoadText(text, options);
  if (!status.Ok()) {
    if (vault.Count() != 0) std::abort();
    return 0;
  }
  const auto written = qm::WriteVaultText(vault.Entries());
  if (!written.Ok()) return 0;
  qm::Vault again;
  if (!again.LoadText(written.Value(), options).Ok()) std::abort();
  if (again.Count() != vault.Count()) std::abort();
  for (std::size_t i = 0; i < vault.Count(); ++i) {
    qm::TItemRecord expected = vault.Entries()[i];
    // A class digit other than 0 is written as "1": the flag, not the digit, is kept.
    for (auto& flag : expected.ClassUsable) flag = flag != 0;
    if (std::memcmp(&expected, &again.Entries()[i], sizeof expected) != 0) std::abort();
  }
  return 0;
}
