#pragma once
// Building a whole vault from parts: the readable item files the program ships
// (entries in the vault text form, without a header) or other calculators'
// XML item files, behind a header entry that carries the vault's label and
// version.
#include <string>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"
#include "ports/ports.h"

namespace qm {

inline constexpr const char* kVaultLabel = "Quillmark Classic Vault";
inline constexpr int kVaultVersion = 1;

struct NamedText {
  std::string Name;  // shown in error messages, e.g. the file name
  std::string Text;
};

// Entry 0 of every vault: the label as its name and the version as its first
// effect value (on a "Selectable Effects" effect, the kind that carries a
// value without naming a real proc); no class, no server and no slot, so no
// filtered search lists it.
TItemRecord VaultHeaderEntry(const std::string& label, int version);

// The header entry followed by every entry of every part, in order; entries
// take their indices in that order whatever number their "~" line holds.
Result<std::vector<TItemRecord>> AssembleVault(const std::vector<NamedText>& parts,
                                               const std::string& label, int version);

// The header entry followed by the converted items; any file that is not an
// XML item, or fails to convert, refuses the whole build.
Result<std::vector<TItemRecord>> VaultFromXmlItems(const std::vector<NamedText>& files,
                                                   const std::string& label, int version,
                                                   UserPort& user);

}  // namespace qm
