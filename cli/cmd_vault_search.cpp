// vault search / describe: the vault query with criteria given as options
// named like the criteria fields, and the vault browser's item description.
#include <limits>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/vault_file.h"
#include "core/class_table.h"
#include "core/text.h"
#include "vault/vault.h"
#include "vault/vault_description.h"
#include "vault/vault_query.h"

namespace qm::cli {
namespace {

constexpr std::string_view kSearchUsage =
    "vault search QMV [--ITypeFilter P] [--SlotFilter P] [--ExpansionFilter P] [--RealmFilter P] "
    "[--ClassFilter P] [--NameFilter TEXT] [--FilterServer P] [--SFilter1 CODE] [--stat1amt N] "
    "[--SFilter2 CODE] [--stat2amt N] [--SFilter3 CODE] [--stat3amt N] [--cVerified] [--HideQs] "
    "[--ProcFilter P] [--armorfilter P] [--weaponfilter P] [--workbench-level L] [--class C] "
    "[--json]";
constexpr std::string_view kDescribeUsage = "vault describe QMV INDEX [--class C]";

// A position option: every criterion accepts -1 (nothing selected) and up.
struct PositionOption {
  std::string_view name;
  int TVaultFilter::*field;
};
constexpr PositionOption kPositions[] = {
    {"ITypeFilter", &TVaultFilter::ITypeFilter},
    {"SlotFilter", &TVaultFilter::SlotFilter},
    {"ExpansionFilter", &TVaultFilter::ExpansionFilter},
    {"RealmFilter", &TVaultFilter::RealmFilter},
    {"ClassFilter", &TVaultFilter::ClassFilter},
    {"FilterServer", &TVaultFilter::FilterServer},
    {"SFilter1", &TVaultFilter::SFilter1},
    {"SFilter2", &TVaultFilter::SFilter2},
    {"SFilter3", &TVaultFilter::SFilter3},
    {"ProcFilter", &TVaultFilter::ProcFilter},
    {"armorfilter", &TVaultFilter::armorfilter},
    {"weaponfilter", &TVaultFilter::weaponfilter},
};
struct TextOption {
  std::string_view name;
  std::string TVaultFilter::*field;
};
constexpr TextOption kTexts[] = {{"NameFilter", &TVaultFilter::NameFilter},
                                 {"stat1amt", &TVaultFilter::stat1amt},
                                 {"stat2amt", &TVaultFilter::stat2amt},
                                 {"stat3amt", &TVaultFilter::stat3amt}};

class QuietUser : public UserPort {
 public:
  std::string message;
  Answer AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
                 std::string_view, std::string_view) override {
    return Answer::Cancel;
  }
  void ShowMessage(std::string_view text) override { message = text; }
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
};

// The class given with --class, or the "no class" row.
bool ClassOption(const Args& args, int& classIndex, std::string& error) {
  std::optional<long long> value;
  if (!ReadNumberOption(args, "class", 0, kClassTableSize - 1, value, error)) return false;
  classIndex = value ? static_cast<int>(*value) : kClassTableSize;
  return true;
}

int RunSearch(CommandContext& context) {
  std::vector<std::string_view> valueNames{"workbench-level", "class"};
  for (const PositionOption& option : kPositions) valueNames.push_back(option.name);
  for (const TextOption& option : kTexts) valueNames.push_back(option.name);
  std::string error;
  const auto args = Args::Parse(context.args, {"json", "cVerified", "HideQs"}, valueNames, error);
  if (!args || !ExpectPositionals(*args, {"QMV"}, error)) {
    return UsageError(context, error, kSearchUsage);
  }

  TVaultFilter filter;
  for (const PositionOption& option : kPositions) {
    std::optional<long long> value;
    if (!ReadNumberOption(*args, option.name, -1, 65535, value, error)) {
      return UsageError(context, error, kSearchUsage);
    }
    if (value) filter.*option.field = static_cast<int>(*value);
  }
  for (const TextOption& option : kTexts) {
    if (const auto text = args->Value(option.name)) {
      // The amounts are numbers like every other option; only the name is free text.
      std::optional<long long> amount;
      if (option.field != &TVaultFilter::NameFilter &&
          !ReadNumberOption(*args, option.name, std::numeric_limits<int>::min(),
                            std::numeric_limits<int>::max(), amount, error)) {
        return UsageError(context, error, kSearchUsage);
      }
      filter.*option.field = Utf8ToCp1252(*text);
    }
  }
  filter.cVerified = args->Has("cVerified");
  filter.HideQs = args->Has("HideQs");
  VaultQueryContext query;
  std::optional<long long> level;
  if (!ReadNumberOption(*args, "workbench-level", 0, 255, level, error)) {
    return UsageError(context, error, kSearchUsage);
  }
  if (level) {
    query.BonusLevelLimit = true;
    query.CharacterLevel = static_cast<int>(*level);
  }
  int classIndex = 0;
  if (!ClassOption(*args, classIndex, error)) return UsageError(context, error, kSearchUsage);
  query.ShieldSize = ClassOf(classIndex).Shield;
  query.LeftHandWeapon = ClassOf(classIndex).LeftHandWeapon;

  Vault vault;
  if (const std::string failed = LoadVaultFile(args->Positional()[0], vault); !failed.empty()) {
    return InputError(context, failed);
  }
  const VaultQueryResult result = RunVaultQuery(vault, filter, query);
  if (args->Has("json")) {
    nlohmann::json pairs = nlohmann::json::array();
    for (std::size_t i = 0; i < result.Size(); ++i) {
      pairs.push_back({result.Indices[i], Cp1252ToUtf8(result.Names[i])});
    }
    context.out << pairs.dump() << '\n';
  } else {
    for (std::size_t i = 0; i < result.Size(); ++i) {
      context.out << result.Indices[i] << '\t' << Cp1252ToUtf8(result.Names[i]) << '\n';
    }
  }
  return kExitOk;
}

int RunDescribe(CommandContext& context) {
  std::string error;
  const auto args = Args::Parse(context.args, {}, {"class"}, error);
  int classIndex = 0;
  if (!args || !ExpectPositionals(*args, {"QMV", "INDEX"}, error) ||
      !ClassOption(*args, classIndex, error)) {
    return UsageError(context, error, kDescribeUsage);
  }
  const auto index = ParseNumberArgument("INDEX", args->Positional()[1], 0, 1LL << 40, error);
  if (!index) return UsageError(context, error, kDescribeUsage);
  Vault vault;
  if (const std::string failed = LoadVaultFile(args->Positional()[0], vault); !failed.empty()) {
    return InputError(context, failed);
  }
  std::vector<std::string> lines;
  if (*index == 0) {
    lines = NoItemsFoundLines();  // index 0 stands for the placeholder line
  } else {
    QuietUser user;
    const TItemRecord item = vault.Read(*index, user);
    if (!user.message.empty()) return InputError(context, user.message);
    lines = DescribeVaultItem(item, ClassOf(classIndex).MaxArmor).Lines;
  }
  for (const std::string& line : lines) context.out << Cp1252ToUtf8(line) << '\n';
  return kExitOk;
}

}  // namespace

constexpr Command kVaultSearchCommand{"vault search", kSearchUsage, RunSearch};
constexpr Command kVaultDescribeCommand{"vault describe", kDescribeUsage, RunDescribe};

}  // namespace qm::cli
