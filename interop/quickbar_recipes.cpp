#include "interop/quickbar_recipes.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "core/file_io.h"

namespace qm {
namespace {

struct NamedValue {
  std::string_view Name;
  int Value;
};

constexpr std::array<NamedValue, 4> kRealmWords{
    {{"all", kAnyRealm}, {"alb", 0}, {"hib", 1}, {"mid", 2}}};
constexpr std::array<NamedValue, 3> kStatusWords{{{"confirmed", int(RecipeStatus::kConfirmed)},
                                                  {"single", int(RecipeStatus::kSingle)},
                                                  {"disputed", int(RecipeStatus::kDisputed)}}};
constexpr int kMaxRecipe = 99'999'999;  // x 10 + 9 still fits a button's number

template <std::size_t N>
const NamedValue* Named(const std::array<NamedValue, N>& words, std::string_view word) {
  for (const NamedValue& named : words)
    if (named.Name == word) return &named;
  return nullptr;
}

// The next blank-separated word of rest, taken off its front.
std::string_view NextWord(std::string_view& rest) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!rest.empty() && blank(rest.front())) rest.remove_prefix(1);
  std::size_t end = 0;
  while (end < rest.size() && !blank(rest[end])) ++end;
  const std::string_view word = rest.substr(0, end);
  rest.remove_prefix(end);
  return word;
}

bool WholeNumber(std::string_view word, int min, int max, int& value) {
  if (word.empty() || word.size() > 9) return false;
  long long n = 0;
  for (const char c : word) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  if (n < min || n > max) return false;
  value = static_cast<int>(n);
  return true;
}

Result<RecipeTable> LineError(std::size_t line, std::string_view reason) {
  return Result<RecipeTable>::Failure("line " + std::to_string(line) + ": " + std::string(reason));
}

bool PlainKind(std::string_view kind) {
  return !kind.empty() && std::all_of(kind.begin(), kind.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
  });
}

std::filesystem::path ProgramFolder(const std::string& programDirectory) {
  std::filesystem::path folder = std::filesystem::path(programDirectory).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  return folder;
}

std::vector<std::filesystem::path> TableFolders(const std::string& programDirectory) {
  const std::filesystem::path folder = ProgramFolder(programDirectory);
  return {folder / "quickbar", folder.parent_path() / "share" / "quillmark" / "quickbar"};
}

}  // namespace

const RecipeEntry* RecipeTable::Find(int code, int realm) const {
  const RecipeEntry* any = nullptr;
  for (const RecipeEntry& entry : Entries) {
    if (entry.Code != code) continue;
    if (entry.Realm == realm) return &entry;
    if (entry.Realm == kAnyRealm) any = &entry;
  }
  return any;
}

Result<RecipeTable> ParseRecipeTable(std::string_view text) {
  RecipeTable table;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t newline = std::min(text.find('\n'), text.size());
    std::string_view rest = text.substr(0, newline);
    text.remove_prefix(std::min(newline + 1, text.size()));
    if (!rest.empty() && rest.back() == '\r') rest.remove_suffix(1);
    const std::string_view first = NextWord(rest);
    if (first.empty() || first.front() == '#') continue;
    const NamedValue* realm = Named(kRealmWords, first);
    if (realm == nullptr) return LineError(number, "the realm must be all, alb, hib or mid");
    RecipeEntry entry;
    entry.Realm = realm->Value;
    if (!WholeNumber(NextWord(rest), 1, 255, entry.Code))
      return LineError(number, "the gem's code must be a number 1-255");
    if (!WholeNumber(NextWord(rest), 1, kMaxRecipe, entry.Recipe))
      return LineError(number, "the recipe must be a number 1-" + std::to_string(kMaxRecipe));
    const NamedValue* status = Named(kStatusWords, NextWord(rest));
    if (status == nullptr)
      return LineError(number, "the status must be confirmed, single or disputed");
    entry.Status = static_cast<RecipeStatus>(status->Value);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    entry.Name = std::string(rest);
    if (entry.Name.empty()) return LineError(number, "the gem's name is missing");
    const bool twice = std::any_of(table.Entries.begin(), table.Entries.end(), [&](const auto& e) {
      return e.Code == entry.Code && e.Realm == entry.Realm;
    });
    if (twice) return LineError(number, "the gem is listed twice for its realm");
    if (table.Entries.size() == kMaxRecipeEntries)
      return LineError(number, "more than " + std::to_string(kMaxRecipeEntries) + " gems");
    table.Entries.push_back(std::move(entry));
  }
  if (table.Entries.empty()) return Result<RecipeTable>::Failure("no gem recipes in the table");
  return table;
}

Result<RecipeTable> ReadRecipeTable(const std::string& path) {
  auto bytes = ReadFileBytes(path, kMaxRecipeTableBytes);
  if (!bytes.Ok()) return Result<RecipeTable>::Failure(bytes.Error());
  auto table = ParseRecipeTable(
      std::string_view(reinterpret_cast<const char*>(bytes.Value().data()), bytes.Value().size()));
  if (!table.Ok()) return Result<RecipeTable>::Failure(FileMessage(path, table.Error()));
  return table;
}

std::string FindRecipeTable(const std::string& programDirectory, std::string_view kind) {
  if (!PlainKind(kind)) return {};
  std::error_code error;
  for (const auto& folder : TableFolders(programDirectory)) {
    const auto path = folder / (std::string(kind) + ".txt");
    if (std::filesystem::is_regular_file(path, error)) return path.string();
  }
  return {};
}

std::vector<std::string> ShippedServerKinds(const std::string& programDirectory) {
  std::vector<std::string> kinds;
  std::error_code error;
  for (const auto& folder : TableFolders(programDirectory)) {
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      const auto& path = it->path();
      if (path.extension() != ".txt" || !PlainKind(path.stem().string())) continue;
      if (std::find(kinds.begin(), kinds.end(), path.stem().string()) == kinds.end())
        kinds.push_back(path.stem().string());
    }
    error.clear();
  }
  std::sort(kinds.begin(), kinds.end());
  return kinds;
}

}  // namespace qm
