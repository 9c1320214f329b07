#include "vault/vault_bundle.h"

#include "vault/vault_reader.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

constexpr std::uint8_t kSelectableEffects = 5;

}  // namespace

TItemRecord VaultHeaderEntry(const std::string& label, int version) {
  TItemRecord header = EmptyItem();
  header.Name.Assign(label);
  header.ServerNormal = header.ServerCoop = header.ServerPvP = 0;
  header.ServerClassic = header.ServerOrigins = 0;
  header.EffectKind[0] = kSelectableEffects;
  header.EffectValue[0] = static_cast<std::uint16_t>(version);
  return header;
}

Result<std::vector<TItemRecord>> AssembleVault(const std::vector<NamedText>& parts,
                                               const std::string& label, int version) {
  std::vector<TItemRecord> entries{VaultHeaderEntry(label, version)};
  for (const NamedText& part : parts) {
    auto parsed = ParseVaultEntries(part.Text);
    if (!parsed.Ok()) {
      return Result<std::vector<TItemRecord>>::Failure(part.Name + ": " + parsed.Error());
    }
    entries.insert(entries.end(), parsed.Value().begin(), parsed.Value().end());
  }
  return entries;
}

Result<std::vector<TItemRecord>> VaultFromXmlItems(const std::vector<NamedText>& files,
                                                   const std::string& label, int version,
                                                   UserPort& user) {
  std::vector<TItemRecord> entries{VaultHeaderEntry(label, version)};
  for (const NamedText& file : files) {
    const ImportText parsed = ParseImportText(file.Text);
    if (parsed.Kind != ImportKind::kXmlItem) {
      return Result<std::vector<TItemRecord>>::Failure(
          file.Name + ": not an XML item (" + std::string(ImportKindText(parsed.Kind)) + ")");
    }
    const XmlConversion converted = ConvertXmlItem(parsed, user);
    if (!converted.Success) {
      return Result<std::vector<TItemRecord>>::Failure(file.Name +
                                                       ": the XML item could not be converted");
    }
    entries.push_back(converted.Item);
  }
  return entries;
}

}  // namespace qm
