#include "engine/stat_block.h"

#include <cstring>

namespace qm {
namespace {

// The table is written by hand in the order of the struct; this proves that
// order (and with it the enum, which indexes the table) matches the layout.
constexpr bool FieldTableMatchesLayout() {
  for (int i = 0; i < kStatFieldCount; ++i) {
    const StatFieldInfo& info = kStatFields[static_cast<std::size_t>(i)];
    const bool wide = i < kWideStatFieldCount;
    const int offset = wide ? 2 * i : 2 * kWideStatFieldCount + (i - kWideStatFieldCount);
    if (info.Offset != offset || info.Width != (wide ? 2 : 1)) return false;
  }
  return true;
}
static_assert(FieldTableMatchesLayout());
static_assert(FieldInfo(StatField::kFocus).Name == "Focus");
static_assert(FieldInfo(StatField::kSkillCap).Offset == 68);

unsigned char* Bytes(TStatBlock& block) {
  return reinterpret_cast<unsigned char*>(&block);
}
const unsigned char* Bytes(const TStatBlock& block) {
  return reinterpret_cast<const unsigned char*>(&block);
}

}  // namespace

void InitStatBlock(TStatBlock& block) {
  std::memset(&block, 0, sizeof block);
}

std::uint16_t GetStat(const TStatBlock& block, StatField field) {
  const StatFieldInfo& info = FieldInfo(field);
  if (info.Width == 1) return Bytes(block)[info.Offset];
  std::uint16_t value;
  std::memcpy(&value, Bytes(block) + info.Offset, sizeof value);
  return value;
}

void SetStat(TStatBlock& block, StatField field, std::uint32_t value) {
  const StatFieldInfo& info = FieldInfo(field);
  if (info.Width == 1) {
    Bytes(block)[info.Offset] = static_cast<std::uint8_t>(value);
    return;
  }
  const auto word = static_cast<std::uint16_t>(value);
  std::memcpy(Bytes(block) + info.Offset, &word, sizeof word);
}

void AddStat(TStatBlock& block, StatField field, std::uint32_t value) {
  SetStat(block, field, GetStat(block, field) + value);
}

void StoreStats(TStatBlock& block, const std::array<std::uint32_t, kStatFieldCount>& values) {
  std::uint16_t words[kWideStatFieldCount];
  std::uint8_t bytes[kStatFieldCount - kWideStatFieldCount];
  for (int i = 0; i < kWideStatFieldCount; ++i) words[i] = static_cast<std::uint16_t>(values[i]);
  for (int i = kWideStatFieldCount; i < kStatFieldCount; ++i) {
    bytes[i - kWideStatFieldCount] = static_cast<std::uint8_t>(values[i]);
  }
  std::memcpy(Bytes(block), words, sizeof words);
  std::memcpy(Bytes(block) + sizeof words, bytes, sizeof bytes);
}

bool operator==(const TStatBlock& a, const TStatBlock& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::optional<StatField> StatFieldOfName(std::string_view name) {
  for (int i = 0; i < kStatFieldCount; ++i) {
    if (kStatFields[static_cast<std::size_t>(i)].Name == name) return static_cast<StatField>(i);
  }
  return std::nullopt;
}

}  // namespace qm
