#pragma once
// The vault: the item database, an ordered list of item records addressed by
// a 0-based index. It is loaded once at start-up from master.qmv (one zlib
// stream around the vault text) and only read afterwards. Entries are copied
// out whole; nobody outside the vault module keeps a reference into the list.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "ports/ports.h"

namespace qm {

// Exit codes start-up uses when the vault cannot be loaded.
inline constexpr int kExitVaultMissing = 240;
inline constexpr int kExitVaultBadHeader = 200;
inline constexpr int kExitVaultBadVersion = 201;
inline constexpr int kExitVaultBadCount = 202;

inline constexpr const char* kVaultMissingMessage =
    "Vault file not found, reinstall Quillmark Classic";
inline constexpr const char* kVaultInvalidMessage = "Invalid vault file, please re-download";
inline constexpr const char* kVaultVersionMessage =
    "Unknown vault version, please update Quillmark";
inline constexpr const char* kReadPastEndMessage = "Read past end of vault.";

// Outcome of a load: on failure, the message start-up shows and the exit
// code it ends with.
struct VaultLoadStatus {
  int exitCode = 0;     // 0 on success
  std::string message;  // what the user is told
  bool Ok() const { return exitCode == 0; }
  static VaultLoadStatus Success() { return {}; }
  static VaultLoadStatus Failure(int code, std::string text) { return {code, std::move(text)}; }
};

struct VaultLoadOptions {
  // A header count above this is refused before anything is allocated: the
  // list is made count entries long before parsing, so a damaged count must
  // not decide how much memory the program takes.
  std::size_t maxEntries = 1'000'000;
};

class Vault {
 public:
  // Reads, inflates and parses a vault file.
  VaultLoadStatus LoadFile(const std::string& path, const VaultLoadOptions& options = {});
  VaultLoadStatus LoadPacked(std::span<const std::uint8_t> packed,
                             const VaultLoadOptions& options = {});
  // Parses inflated vault text. The growable vocabulary lists and the
  // effect-name list gain the texts they lack. On failure the vault is empty.
  VaultLoadStatus LoadText(std::string_view text, const VaultLoadOptions& options = {});
  // Takes already-built entries (the vault writer's tests and tools).
  void Assign(std::vector<TItemRecord> entries) { entries_ = std::move(entries); }

  std::size_t Count() const { return entries_.size(); }
  // A copy of entry index; out of range: "Read past end of vault." through
  // the port and the empty item.
  TItemRecord Read(long long index, UserPort& port) const;
  // The vault version: the first effect value of the header entry (0 when empty).
  int Version() const;
  // Read-only walk over the entries, for the query inside this module.
  std::span<const TItemRecord> Entries() const { return entries_; }

 private:
  std::vector<TItemRecord> entries_;
};

// The program's one vault.
Vault& TheVault();
// Loads the program's vault; the busy cursor shows while it is parsed.
VaultLoadStatus LoadVault(const std::string& path, ShellPort* shell = nullptr);
std::size_t VaultCount();
TItemRecord ReadVaultItem(long long index, UserPort& port);

}  // namespace qm
