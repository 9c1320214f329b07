// vault pack / unpack / info / build: making and inspecting vault files.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "core/file_io.h"
#include "core/text.h"
#include "vault/vault.h"
#include "vault/vault_bundle.h"
#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"

namespace qm::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPackUsage = "vault pack TEXT|DIR OUT.qmv [--version N] [--label TEXT]";
constexpr std::string_view kUnpackUsage = "vault unpack QMV";
constexpr std::string_view kInfoUsage = "vault info QMV";
constexpr std::string_view kBuildUsage =
    "vault build OUT.qmv XMLFILE|DIR... [--version N] [--label TEXT]";

// Messages a conversion shows go to the error stream.
class ErrorStreamUser : public UserPort {
 public:
  explicit ErrorStreamUser(std::ostream& err) : err_(err) {}
  int AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
              std::string_view, std::string_view) override {
    return 2;
  }
  void ShowMessage(std::string_view text) override {
    err_ << "quillmark-cli: " << Cp1252ToUtf8(text) << '\n';
  }
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}

 private:
  std::ostream& err_;
};

std::string AsText(const std::vector<std::uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
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

// Reads every file; false with the message printed on the first failure.
bool ReadAll(CommandContext& context, const std::vector<fs::path>& paths,
             std::vector<NamedText>& texts) {
  for (const fs::path& path : paths) {
    const auto bytes = ReadFileBytes(path.string());
    if (!bytes.Ok()) {
      InputError(context, path.string() + ": " + bytes.Error());
      return false;
    }
    texts.push_back({path.filename().string(), AsText(bytes.Value())});
  }
  return true;
}

struct BuildOptions {
  int version = kVaultVersion;
  std::string label = kVaultLabel;
};

bool ReadBuildOptions(const Args& args, BuildOptions& options) {
  if (const auto version = args.Value("version")) {
    const auto number = ParseInteger(*version, 0, 65535);
    if (!number) return false;
    options.version = static_cast<int>(*number);
  }
  if (const auto label = args.Value("label")) options.label = Utf8ToCp1252(*label);
  return true;
}

int WriteVault(CommandContext& context, const std::vector<TItemRecord>& entries,
               const std::string& out) {
  const auto packed = PackVault(entries);
  if (!packed.Ok()) return InputError(context, packed.Error());
  const std::string_view bytes(reinterpret_cast<const char*>(packed.Value().data()),
                               packed.Value().size());
  const Status written = WriteFileAtomically(out, bytes);
  if (!written.Ok()) return InputError(context, written.error);
  context.out << "packed " << entries.size() << " entries into " << out << " ("
              << packed.Value().size() << " bytes)\n";
  return kExitOk;
}

int RunPack(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {}, {"version", "label"}, error);
  BuildOptions options;
  if (!args || args->Positional().size() != 2 || !ReadBuildOptions(*args, options)) {
    return UsageError(context, kPackUsage);
  }
  const fs::path source = args->Positional()[0];
  const std::string& out = args->Positional()[1];
  std::error_code ec;
  if (fs::is_directory(source, ec)) {
    // The readable item files: entries only, the header entry is made here.
    std::vector<NamedText> parts;
    if (!ReadAll(context, FilesOf(source, ".txt"), parts)) return kExitBadInput;
    const auto entries = AssembleVault(parts, options.label, options.version);
    if (!entries.Ok()) return InputError(context, entries.Error());
    return WriteVault(context, entries.Value(), out);
  }
  const auto bytes = ReadFileBytes(source.string());
  if (!bytes.Ok()) return InputError(context, bytes.Error());
  Vault vault;
  const VaultLoadStatus status = vault.LoadText(AsText(bytes.Value()));
  if (!status.Ok()) return InputError(context, status.message);
  return WriteVault(context, {vault.Entries().begin(), vault.Entries().end()}, out);
}

int RunUnpack(CommandContext& context) {
  if (context.args.size() != 1) return UsageError(context, kUnpackUsage);
  const auto bytes = ReadFileBytes(context.args[0]);
  if (!bytes.Ok()) return InputError(context, bytes.Error());
  const auto text = InflateStreamBuffer(bytes.Value());
  if (!text.Ok()) return InputError(context, text.Error());
  context.out << text.Value().View();
  return kExitOk;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

int RunInfo(CommandContext& context) {
  if (context.args.size() != 1) return UsageError(context, kInfoUsage);
  const auto start = std::chrono::steady_clock::now();
  const auto bytes = ReadFileBytes(context.args[0]);
  if (!bytes.Ok()) return InputError(context, bytes.Error());
  const auto inflateStart = std::chrono::steady_clock::now();
  const auto text = InflateStreamBuffer(bytes.Value());
  if (!text.Ok()) return InputError(context, text.Error());
  const double inflateMs = MillisecondsSince(inflateStart);
  const auto parseStart = std::chrono::steady_clock::now();
  Vault vault;
  const VaultLoadStatus status = vault.LoadText(text.Value().View());
  if (!status.Ok()) return InputError(context, status.message);
  const double parseMs = MillisecondsSince(parseStart);
  const double totalMs = MillisecondsSince(start);
  char times[128];
  std::snprintf(times, sizeof times, "load time: %.1f ms (inflate %.1f ms, parse %.1f ms)", totalMs,
                inflateMs, parseMs);
  context.out << "entries: " << vault.Count() << '\n'
              << "version: " << vault.Version() << '\n'
              << "label: " << Cp1252ToUtf8(vault.Entries().front().Name.View()) << '\n'
              << "packed size: " << bytes.Value().size() << " bytes\n"
              << "text size: " << text.Value().Size() << " bytes\n"
              << "memory: " << vault.Count() * sizeof(TItemRecord) << " bytes\n"
              << times << '\n';
  return kExitOk;
}

int RunBuild(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {}, {"version", "label"}, error);
  BuildOptions options;
  if (!args || args->Positional().size() < 2 || !ReadBuildOptions(*args, options)) {
    return UsageError(context, kBuildUsage);
  }
  const std::string& out = args->Positional()[0];
  std::vector<fs::path> paths;
  for (std::size_t i = 1; i < args->Positional().size(); ++i) {
    const fs::path source = args->Positional()[i];
    std::error_code ec;
    if (fs::is_directory(source, ec)) {
      const auto files = FilesOf(source, ".xml");
      paths.insert(paths.end(), files.begin(), files.end());
    } else {
      paths.push_back(source);
    }
  }
  std::vector<NamedText> files;
  if (!ReadAll(context, paths, files)) return kExitBadInput;
  ErrorStreamUser user(context.err);
  const auto entries = VaultFromXmlItems(files, options.label, options.version, user);
  if (!entries.Ok()) return InputError(context, entries.Error());
  return WriteVault(context, entries.Value(), out);
}

const CommandRegistration kPack({"vault pack", kPackUsage, RunPack});
const CommandRegistration kUnpack({"vault unpack", kUnpackUsage, RunUnpack});
const CommandRegistration kInfo({"vault info", kInfoUsage, RunInfo});
const CommandRegistration kBuild({"vault build", kBuildUsage, RunBuild});

}  // namespace
}  // namespace qm::cli
