#pragma once
// A vault file as the vault commands read it. Unlike start-up, which has one
// message for a vault it cannot open, a command says which file and why; a
// malformed vault gets start-up's text with the file named.
#include <cstdint>
#include <string>

#include "core/result.h"
#include "vault/vault.h"
#include "vault/zlib_stream.h"

namespace qm::cli {

struct InflatedVault {
  TextBuffer Text;
  std::uint64_t PackedBytes = 0;
};

// Opens and inflates a vault file and checks its header; the failure is the
// one-line message.
Result<InflatedVault> InflateVaultFile(const std::string& path);
// Opens, inflates and loads a vault file; empty on success, else the message.
std::string LoadVaultFile(const std::string& path, Vault& vault);

}  // namespace qm::cli
