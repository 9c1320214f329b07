#include "core/template_file.h"

#include <cstring>

#include "core/file_io.h"
#include "core/legacy_item.h"

namespace qm {
namespace {

// Layout of the old 2922-byte template.
constexpr std::size_t kOldLevel = 21;
constexpr std::size_t kOldRealmRank = 22;
constexpr std::size_t kOldRealm = 23;
constexpr std::size_t kOldClassPosition = 25;
constexpr std::size_t kOldServerType = 26;
constexpr std::size_t kOldSlots = 28;
constexpr int kOldSlotCount = 18;
constexpr std::size_t kOldWeaponConfig = 2908;
constexpr std::size_t kOldChampionFlag = 2909;
constexpr std::size_t kOldMaulerRealm = 2913;
constexpr std::uint8_t kNoClass = 255;

// The class of an old template; a realm or position the old layout cannot
// hold gives an index past the class table, which every lookup treats as no class.
std::uint8_t OldTemplateClass(std::uint8_t realm, std::uint8_t position, std::uint8_t maulerRealm) {
  const int classIndex = LegacyClassIndex(realm, position);
  if (classIndex >= 0) return static_cast<std::uint8_t>(classIndex);
  if (realm == 2 && position == 14) {
    if (maulerRealm >= 1 && maulerRealm <= 3)
      return static_cast<std::uint8_t>(kMaulerClasses[maulerRealm - 1]);
  }
  return kNoClass;
}

}  // namespace

Result<TTemplateRecord> ParseTemplate(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < sizeof(TTemplateRecord))
    return Result<TTemplateRecord>::Failure(kReadBeyondEnd);
  TTemplateRecord tpl;
  std::memcpy(&tpl, bytes.data(), sizeof tpl);
  return tpl;
}

Result<TTemplateRecord> ParseOldTemplate(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kOldTemplateSize) return Result<TTemplateRecord>::Failure(kReadBeyondEnd);
  TTemplateRecord tpl;
  std::memset(&tpl, 0, sizeof tpl);
  InitTemplate(tpl);

  PString<20> oldName;
  std::memcpy(&oldName, bytes.data(), sizeof oldName);
  tpl.CharName.Assign(oldName.View());
  tpl.CharLevel = bytes[kOldLevel];
  tpl.RealmRank = bytes[kOldRealmRank];
  tpl.ServerType = bytes[kOldServerType];
  tpl.ChampionFlag = bytes[kOldChampionFlag];
  tpl.WeaponConfig = bytes[kOldWeaponConfig];
  tpl.ClassIndex =
      OldTemplateClass(bytes[kOldRealm], bytes[kOldClassPosition], bytes[kOldMaulerRealm]);
  tpl.RaceIndex = 0;  // old templates carry no race

  for (int slot = 0; slot < kOldSlotCount; ++slot) {
    TLegacyItemRecord legacy;
    std::memcpy(&legacy,
                bytes.data() + kOldSlots + static_cast<std::size_t>(slot) * kLegacyItemStride,
                sizeof legacy);
    tpl.Slots[slot] = ConvertLegacyItem(legacy);
  }
  InitItem(tpl.Slot(kMyth));
  return tpl;
}

Result<TTemplateRecord> ReadTemplateFile(const std::string& path) {
  auto bytes = ReadFilePrefix(path, sizeof(TTemplateRecord));
  if (!bytes.Ok()) return Result<TTemplateRecord>::Failure(bytes.Error());
  auto parsed = ParseTemplate(bytes.Value());
  if (!parsed.Ok()) return Result<TTemplateRecord>::Failure("\"" + path + "\": " + parsed.Error());
  return parsed;
}

Result<TTemplateRecord> ReadOldTemplateFile(const std::string& path) {
  auto bytes = ReadFilePrefix(path, kOldTemplateSize);
  if (!bytes.Ok()) return Result<TTemplateRecord>::Failure(bytes.Error());
  auto parsed = ParseOldTemplate(bytes.Value());
  if (!parsed.Ok()) return Result<TTemplateRecord>::Failure("\"" + path + "\": " + parsed.Error());
  return parsed;
}

Status WriteTemplateFile(const std::string& path, TTemplateRecord& tpl, std::uint8_t vaultMark,
                         const std::vector<std::string>& inputs) {
  tpl.VaultMark = vaultMark;
  tpl.Reserved = 0;
  tpl.EffectIdsGlobal = 1;
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(&tpl), sizeof tpl), inputs);
}

}  // namespace qm
