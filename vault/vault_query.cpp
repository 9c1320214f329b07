#include "vault/vault_query.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "core/bonus_level.h"
#include "core/item_lists.h"

namespace qm {
namespace {

constexpr int kNoClassesChecked = 48;
constexpr int kRightHandSlot = 13;
constexpr int kLeftHandSlot = 14;
constexpr int kLastNonShieldWeapon = 26;
constexpr int kNoSlotTestFrom = 51;
constexpr int kBonusLevelCeiling = 51;

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool SameAsciiText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

int AmountOf(const std::string& text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return (ec == std::errc() && end == text.data() + text.size()) ? value : 0;
}

// The criteria worked out once per run, so the walk over the vault only
// compares bytes.
struct PreparedFilter {
  const TVaultFilter& filter;
  std::string lowerName;
  std::array<bool, 256> expansionMatches{};
  std::array<int, 3> statCodes{};
  std::array<int, 3> statMinimums{};

  explicit PreparedFilter(const TVaultFilter& f) : filter(f) {
    for (const char c : f.NameFilter) lowerName += AsciiLower(c);
    if (f.ExpansionFilter != 0) {
      const VocabularyList& expansions = ExpansionList();
      const std::string_view wanted =
          f.ExpansionFilter > 0 ? expansions.At(static_cast<std::size_t>(f.ExpansionFilter - 1))
                                : std::string_view{};
      for (std::size_t i = 0; i < expansionMatches.size(); ++i) {
        expansionMatches[i] = SameAsciiText(expansions.At(i), wanted);
      }
    }
    statCodes = {f.SFilter1, f.SFilter2, f.SFilter3};
    statMinimums = {AmountOf(f.stat1amt), AmountOf(f.stat2amt), AmountOf(f.stat3amt)};
  }
};

bool ServerMatches(const TItemRecord& e, int position) {
  const bool any =
      e.ServerNormal || e.ServerCoop || e.ServerPvP || e.ServerClassic || e.ServerOrigins;
  switch (position) {
    case 1:
      return !any;  // "X"
    case 2:
      return e.ServerNormal != 0;
    case 3:
      return e.ServerCoop != 0;
    case 4:
      return e.ServerClassic != 0;
    case 5:
      return e.ServerPvP != 0;
    case 6:
      return e.ServerOrigins != 0;
    default:
      return false;  // no server string holds "Y" or "R"
  }
}

bool NameContains(const TItemRecord& e, const std::string& lowerNeedle) {
  char buffer[sizeof(e.Name.Chars)];
  const std::size_t size = e.Name.Size();
  for (std::size_t i = 0; i < size; ++i) buffer[i] = AsciiLower(e.Name.Chars[i]);
  return std::string_view(buffer, size).find(lowerNeedle) != std::string_view::npos;
}

bool EffectMatches(const TItemRecord& e, int p) {
  if (p >= 2) return e.EffectId[0] == p - 1 || e.EffectId[1] == p - 1;
  // p = 1, "Undefined/Other": some effect of a kind whose number is 0.
  if (e.EffectKind[0] == 0 && e.EffectKind[1] == 0) return false;
  return (e.EffectKind[0] > 0 && e.EffectId[0] == 0) || (e.EffectKind[1] > 0 && e.EffectId[1] == 0);
}

bool SlotMatches(const TItemRecord& e, int s, const VaultQueryContext& context) {
  if (s <= 0 || s >= kNoSlotTestFrom) return true;  // -1 (nothing selected) too
  if (s == kRightHandSlot) {
    return e.SlotKind == kRightHandSlot ||
           (e.SlotKind == kLeftHandSlot && e.WeaponType <= kLastNonShieldWeapon);
  }
  if (s != kLeftHandSlot) return e.SlotKind == s;
  if (e.SlotKind != kLeftHandSlot) return false;
  if (!context.LeftHandWeapon && e.WeaponType <= kLastNonShieldWeapon) return false;
  // Shields are weapon types 27..30 (small, medium, large, class-sized).
  switch (context.ShieldSize) {
    case 0:
      return e.WeaponType <= 26;
    case 15:
      return e.WeaponType <= 27;
    case 16:
      return e.WeaponType <= 28;
    default:
      return true;
  }
}

bool Matches(const TItemRecord& e, const PreparedFilter& prepared,
             const VaultQueryContext& context) {
  const TVaultFilter& f = prepared.filter;
  if (f.ITypeFilter != 0 && f.ITypeFilter - 1 != e.ItemType) return false;
  if (f.ClassFilter > 0 && f.ClassFilter < kNoClassesChecked &&
      e.ClassUsable[f.ClassFilter - 1] == 0) {
    return false;
  }
  if (f.cVerified && e.Verified == 0) return false;
  if (f.FilterServer >= 1 && f.FilterServer <= 8 && !ServerMatches(e, f.FilterServer)) return false;
  if (f.armorfilter != 0 && f.armorfilter != e.Armor) return false;
  if (f.weaponfilter != 0 && f.weaponfilter != e.WeaponType) return false;
  if (!prepared.lowerName.empty() && !NameContains(e, prepared.lowerName)) return false;
  if (f.ExpansionFilter != 0 && !prepared.expansionMatches[e.Expansion]) return false;
  if (f.HideQs) {
    const std::string_view name = e.Name.View();
    if (name.find('?') != std::string_view::npos || (!name.empty() && name.front() == ' ')) {
      return false;
    }
  }
  if (f.ProcFilter >= 1 && !EffectMatches(e, f.ProcFilter)) return false;
  for (std::size_t k = 0; k < 3; ++k) {
    if (prepared.statCodes[k] == 0) continue;
    const int sum = ItemBonusSum(e, prepared.statCodes[k]);
    if (sum == 0 || sum < prepared.statMinimums[k]) return false;
  }
  if (f.RealmFilter < 3 && e.Realm != f.RealmFilter && e.Realm != 3) return false;
  if (f.RealmFilter == 4 && e.Realm != 3) return false;
  if (context.BonusLevelLimit) {
    const std::int64_t level = BonusLevelValue(e);
    if (context.CharacterLevel < level && level < kBonusLevelCeiling) return false;
  }
  if (f.ClassFilter == kNoClassesChecked) {
    // A checked class is a flag of 1; other digits of the class line are not.
    for (const std::uint8_t flag : e.ClassUsable) {
      if (flag == 1) return false;
    }
  }
  return SlotMatches(e, f.SlotFilter, context);
}

}  // namespace

bool EntryMatches(const TItemRecord& entry, const TVaultFilter& filter,
                  const VaultQueryContext& context) {
  return Matches(entry, PreparedFilter(filter), context);
}

void RunVaultQuery(const Vault& vault, const TVaultFilter& filter, const VaultQueryContext& context,
                   VaultQueryResult& result) {
  result.Names.clear();
  result.Indices.clear();
  const auto entries = vault.Entries();
  if (entries.size() > 1) {
    if (context.Shell != nullptr) context.Shell->SetBusyCursor(true);
    const PreparedFilter prepared(filter);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (!Matches(entries[i], prepared, context)) continue;
      result.Names.emplace_back(entries[i].Name.View());
      result.Indices.push_back(static_cast<int>(i));
    }
    if (context.Shell != nullptr) context.Shell->SetBusyCursor(false);
  }
  if (result.Names.empty()) {
    result.Names.emplace_back(kNoItemsFound);
    result.Indices.push_back(0);
  }
}

VaultQueryResult RunVaultQuery(const Vault& vault, const TVaultFilter& filter,
                               const VaultQueryContext& context) {
  VaultQueryResult result;
  RunVaultQuery(vault, filter, context, result);
  return result;
}

}  // namespace qm
