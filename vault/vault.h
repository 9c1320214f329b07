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

#include "core/file_io.h"
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
// code it ends with, and for tools that name the file, the reason alone.
struct VaultLoadStatus {
  int exitCode = 0;     // 0 on success
  std::string message;  // what the user is told at start-up
  std::string base;     // the start-up text the message begins with
  std::string detail;   // why, e.g. "line 4: the entry count is 0"; may be empty
  bool Ok() const { return exitCode == 0; }
  static VaultLoadStatus Success() { return {}; }
  static VaultLoadStatus Failure(int code, std::string text) { return {code, text, text, {}}; }
  // The start-up text followed by the reason in parentheses.
  static VaultLoadStatus Refused(int code, std::string_view startText, std::string why);
  // Start-up keeps its short text for a header fault; the reason is kept for
  // the tools.
  static VaultLoadStatus HeaderRefused(int code, std::string_view startText, std::string why);
  // The message with the file named: "START (\"PATH\": reason)".
  std::string NamingFile(const std::string& path) const;
};

struct VaultLoadOptions {
  // A header count above this is refused before anything is allocated: the
  // list is made count entries long before parsing, so a damaged count must
  // not decide how much memory the program takes.
  std::size_t maxEntries = 1'000'000;
  // The inflated text is refused past this whatever its count says.
  std::size_t maxTextBytes = std::size_t{1} << 30;
};

// The text one entry may take, skipped lines between entries included: far
// above the few hundred bytes a real entry needs, so only a file whose text
// has nothing to do with its count is refused.
inline constexpr std::size_t kMaxEntryTextBytes = 16u << 10;
// The header lines must have come within this many bytes.
inline constexpr std::size_t kMaxHeaderTextBytes = 64u << 10;

// Whose vault the program runs on, as start-up states once it has loaded
// one: the sample that comes with the program or the player's own. A vault
// loaded any other way (the tools, the tests) leaves it unstated.
enum class VaultOwner : std::uint8_t { Unstated, Bundled, User };

class Vault {
 public:
  // Reads, inflates and parses a vault file. A path that cannot be opened as
  // a regular file gives start-up's "Vault file not found" message.
  VaultLoadStatus LoadFile(const std::string& path, const VaultLoadOptions& options = {});
  // Inflates and parses an opened vault file, reading it piece by piece; the
  // inflated text never grows past what the header count allows.
  VaultLoadStatus LoadOpened(InputFile& file, const VaultLoadOptions& options = {});
  VaultLoadStatus LoadPacked(std::span<const std::uint8_t> packed,
                             const VaultLoadOptions& options = {});
  // Parses inflated vault text. The growable vocabulary lists and the
  // effect-name list gain the texts they lack. On failure the vault is empty.
  // changes, when given, gets a line per place where loading changes what the
  // text says (see ParseVaultText).
  VaultLoadStatus LoadText(std::string_view text, const VaultLoadOptions& options = {},
                           std::vector<std::string>* changes = nullptr);
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
  // The file the vault was loaded from; empty when it came from anywhere else.
  const std::string& Path() const { return path_; }
  VaultOwner Owner() const { return owner_; }
  void SetOwner(VaultOwner owner) { owner_ = owner; }

 private:
  std::vector<TItemRecord> entries_;
  std::string path_;
  VaultOwner owner_ = VaultOwner::Unstated;
};

// The program's one vault.
Vault& TheVault();
// Loads the program's vault; the busy cursor shows while it is parsed.
VaultLoadStatus LoadVault(const std::string& path, ShellPort* shell = nullptr);
std::size_t VaultCount();
TItemRecord ReadVaultItem(long long index, UserPort& port);

}  // namespace qm
