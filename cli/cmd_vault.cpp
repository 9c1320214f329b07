// vault pack / unpack / info / build: making and inspecting vault files.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/vault_file.h"
#include "core/file_io.h"
#include "core/text.h"
#include "vault/vault.h"
#include "vault/vault_bundle.h"
#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"

namespace qm::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPackUsage =
    "vault pack TEXT OUT.qmv [--strict] | vault pack DIR OUT.qmv [--version N] [--label TEXT]";
constexpr std::string_view kUnpackUsage = "vault unpack QMV";
constexpr std::string_view kInfoUsage = "vault info QMV";

std::string AsText(const std::vector<std::uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// What the header's notes say of where the items came from.
std::string OriginText(const TItemRecord& header) {
  const std::string note = Cp1252ToUtf8(header.Note.Str());
  return note.empty() ? "not stated" : note;
}

bool EndsWithIgnoringCase(const std::string& name, std::string_view suffix) {
  return name.size() >= suffix.size() &&
         SameTextIgnoringCase(std::string_view(name).substr(name.size() - suffix.size()), suffix);
}

// The files of a folder with the given extension, in name order.
std::vector<fs::path> FilesOf(const fs::path& folder, std::string_view extension) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_regular_file(ec) &&
        EndsWithIgnoringCase(entry.path().filename().string(), extension)) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return files;
}

// Reads every file, none longer than maxBytes; false with the message printed
// on the first failure. inputs gets every path read.
bool ReadAll(CommandContext& context, const std::vector<fs::path>& paths, std::size_t maxBytes,
             std::vector<NamedText>& texts, std::vector<std::string>& inputs) {
  for (const fs::path& path : paths) {
    const auto bytes = ReadFileBytes(path.string(), maxBytes);
    if (!bytes.Ok()) {
      InputError(context, bytes.Error());
      return false;
    }
    texts.push_back({path.filename().string(), AsText(bytes.Value())});
    inputs.push_back(path.string());
  }
  return true;
}

struct BuildOptions {
  int version = kVaultVersion;
  std::string label = kVaultLabel;
};

bool ReadBuildOptions(const Args& args, BuildOptions& options, std::string& error) {
  std::optional<long long> version;
  if (!ReadNumberOption(args, "version", 0, 65535, version, error)) return false;
  if (version) options.version = static_cast<int>(*version);
  if (const auto label = args.Value("label")) options.label = Utf8ToCp1252(*label);
  return true;
}

int WritePacked(CommandContext& context, const std::vector<std::uint8_t>& packed,
                std::size_t entryCount, const std::string& out,
                const std::vector<std::string>& inputs) {
  const std::string_view bytes(reinterpret_cast<const char*>(packed.data()), packed.size());
  const Status written = WriteFileAtomically(out, bytes, inputs);
  if (!written.Ok()) return InputError(context, written.error);
  context.out << "packed " << entryCount << " entries into " << out << " (" << packed.size()
              << " bytes)\n";
  return kExitOk;
}

int WriteVault(CommandContext& context, const std::vector<TItemRecord>& entries,
               const std::string& out, const std::vector<std::string>& inputs) {
  const auto packed = PackVault(entries);
  if (!packed.Ok()) return InputError(context, packed.Error());
  return WritePacked(context, packed.Value(), entries.size(), out, inputs);
}

// A folder of readable item files: entries only, the header entry is made here.
int PackFolder(CommandContext& context, const std::string& folder, const BuildOptions& options,
               const std::string& out) {
  const auto files = FilesOf(folder, ".txt");
  if (files.empty()) {
    return InputError(context, FileMessage(folder, "holds no item files (*.txt); nothing written"));
  }
  std::vector<NamedText> parts;
  std::vector<std::string> inputs;
  if (!ReadAll(context, files, kMaxInflatedBytes, parts, inputs)) return kExitBadInput;
  const auto entries = AssembleVault(parts, options.label, options.version);
  if (!entries.Ok()) return InputError(context, entries.Error());
  if (entries.Value().size() < 2) {
    return InputError(context, FileMessage(folder, "holds no items; nothing written"));
  }
  return WriteVault(context, entries.Value(), out, inputs);
}

// A whole vault text is packed exactly as given, once it is known to load:
// what unpacking gives back is what the user wrote. Where loading changes what
// the text says, each place is named; --strict refuses the text for it.
int PackText(CommandContext& context, const std::string& source, bool strict,
             const std::string& out) {
  const auto bytes = ReadFileBytes(source, kMaxInflatedBytes);
  if (!bytes.Ok()) return InputError(context, bytes.Error());
  const std::string text = AsText(bytes.Value());
  Vault vault;
  std::vector<std::string> changes;
  const VaultLoadStatus status = vault.LoadText(text, {}, &changes);
  if (!status.Ok()) return InputError(context, status.NamingFile(source));
  if (strict && !changes.empty()) {
    return InputError(context,
                      FileMessage(source, changes.front() + " (" + std::to_string(changes.size()) +
                                              " changes in all; nothing written)"));
  }
  for (const std::string& change : changes) {
    context.err << "warning: " << FileMessage(source, change) << '\n';
  }
  const auto packed = DeflateStream(text, kVaultPackLevel);
  if (!packed.Ok()) return InputError(context, packed.Error());
  return WritePacked(context, packed.Value(), vault.Count(), out, {source});
}

int RunPack(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {"strict"}, {"version", "label"}, error);
  BuildOptions options;
  if (!args || !ExpectPositionals(*args, {"TEXT|DIR", "OUT.qmv"}, error) ||
      !ReadBuildOptions(*args, options, error)) {
    return UsageError(context, error, kPackUsage);
  }
  if (args->Positional()[1].empty()) return UsageError(context, "OUT.qmv is empty", kPackUsage);
  const std::string& source = args->Positional()[0];
  const std::string& out = args->Positional()[1];
  std::error_code ec;
  if (fs::is_directory(source, ec)) return PackFolder(context, source, options, out);
  if (args->Value("version") || args->Value("label")) {
    // A vault text carries its own header; packing it unchanged cannot set one.
    return UsageError(context, "--version and --label apply to a folder only", kPackUsage);
  }
  return PackText(context, source, args->Has("strict"), out);
}

int RunUnpack(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(*args, {"QMV"}, error)) {
    return UsageError(context, error, kUnpackUsage);
  }
  const auto vault = InflateVaultFile(args->Positional()[0]);
  if (!vault.Ok()) return InputError(context, vault.Error());
  context.out << vault.Value().Text.View();
  return kExitOk;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

int RunInfo(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {}, {}, error);
  if (!args || !ExpectPositionals(*args, {"QMV"}, error)) {
    return UsageError(context, error, kInfoUsage);
  }
  const std::string& path = args->Positional()[0];
  const auto start = std::chrono::steady_clock::now();
  const auto inflated = InflateVaultFile(path);
  if (!inflated.Ok()) return InputError(context, inflated.Error());
  const TextBuffer& text = inflated.Value().Text;
  const double inflateMs = MillisecondsSince(start);
  const auto parseStart = std::chrono::steady_clock::now();
  Vault vault;
  const VaultLoadStatus status = vault.LoadText(text.View());
  if (!status.Ok()) return InputError(context, status.NamingFile(path));
  const double parseMs = MillisecondsSince(parseStart);
  const double totalMs = MillisecondsSince(start);
  char times[128];
  std::snprintf(times, sizeof times, "load time: %.1f ms (inflate %.1f ms, parse %.1f ms)", totalMs,
                inflateMs, parseMs);
  context.out << "entries: " << vault.Count() << '\n'
              << "version: " << vault.Version() << '\n'
              << "label: " << Cp1252ToUtf8(vault.Entries().front().Name.View()) << '\n'
              << "sources: " << OriginText(vault.Entries().front()) << '\n'
              << "packed size: " << inflated.Value().PackedBytes << " bytes\n"
              << "text size: " << text.Size() << " bytes\n"
              << "memory: " << vault.Count() * sizeof(TItemRecord) << " bytes\n"
              << times << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kVaultPackCommand{"vault pack", kPackUsage, RunPack};
constexpr Command kVaultUnpackCommand{"vault unpack", kUnpackUsage, RunUnpack};
constexpr Command kVaultInfoCommand{"vault info", kInfoUsage, RunInfo};

}  // namespace qm::cli
