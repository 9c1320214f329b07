#include "vault/vault_writer.h"

#include <array>
#include <charconv>

#include "core/bonus_catalogue.h"
#include "core/effect_names.h"
#include "core/item_lists.h"
#include "vault/vault_vocabulary.h"
#include "vault/zlib_stream.h"

namespace qm {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRealmLetters[] = {"A", "H", "M", "U"};
constexpr std::string_view kEffectTags[] = {"", "|N:", "|R:", "|C:", "|E:", "|S:", "|M:"};
constexpr int kMaxStoredBonusLevel = 99;  // "MB:" carries two digits

bool HoldsLineBreaker(std::string_view text) {
  return text.find_first_of("~\r\n") != std::string_view::npos;
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// The problem with one written text, or empty.
std::string TextProblem(std::string_view field, std::string_view text) {
  if (!HoldsLineBreaker(text)) return {};
  return std::string(field) + ": the text " + Quoted(text) + " holds \"~\" or a line end";
}

// A growable list position must have a text that reads back as itself.
std::string GrowableProblem(std::string_view field, const VocabularyList& list, int position) {
  if (static_cast<std::size_t>(position) >= list.Size()) {
    return std::string(field) + ": position " + std::to_string(position) + " has no text";
  }
  const std::string_view text = list.At(static_cast<std::size_t>(position));
  if (auto problem = TextProblem(field, text); !problem.empty()) return problem;
  const auto back = list.IndexOf(text);
  if (!back || *back != static_cast<std::size_t>(position)) {
    return std::string(field) + ": the text of position " + std::to_string(position) +
           " reads back as another position";
  }
  return {};
}

int EffectRowsWritten(const TItemRecord& item) {
  if (item.EffectKind[1] != 0) return 2;
  return item.EffectKind[0] != 0 ? 1 : 0;
}

void AppendNumber(std::string& out, long long value) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, end);
}

void AppendLine(std::string& out, std::string_view text) {
  out += text;
  out += kLineEnd;
}

void AppendNumberLine(std::string& out, long long value) {
  AppendNumber(out, value);
  out += kLineEnd;
}

void AppendEntryText(std::string& out, const TItemRecord& item, std::size_t index) {
  AppendLine(out, "");
  out += '~';
  AppendNumberLine(out, static_cast<long long>(index));
  AppendLine(out, item.Name.View());
  AppendLine(out, ItemTypeList().At(item.ItemType));
  AppendLine(out, item.Realm < 4 ? kRealmLetters[item.Realm] : "");
  AppendNumberLine(out, item.Level);
  AppendLine(out, ExpansionList().At(item.Expansion));
  AppendLine(out, EntryOf(QualityList(), item.Quality));
  AppendLine(out, EntryOf(SlotKindList(), item.SlotKind));
  AppendLine(out, EntryOf(ArmorList(), item.Armor));
  AppendLine(out, WeaponTypeList().At(item.WeaponType));
  AppendLine(out, EntryOf(SpeedList(), item.Speed));
  std::string servers;
  if (item.ServerNormal) servers += 'N';
  if (item.ServerCoop) servers += 'C';
  if (item.ServerPvP) servers += 'P';
  if (item.ServerClassic) servers += 'B';
  if (item.ServerOrigins) servers += 'O';
  AppendLine(out, servers.empty() ? "X" : servers);
  for (int c = 0; c < kClassCount; ++c) out += item.ClassUsable[c] != 0 ? '1' : '0';
  out += kLineEnd;
  AppendLine(out, item.Researched ? "R" : (item.Verified ? "V" : "U"));
  if (item.BonusLevelFixed == 1) {
    out += "MB:";
    AppendNumberLine(out, item.BonusLevel);
  } else {
    AppendLine(out, "ABLV");
  }
  AppendLine(out, SourceList().At(item.Source));
  AppendLine(out, item.Note.Size() == 0 ? "=" : item.Note.View());
  int bonuses = 0;
  for (int row = 0; row < kBonusRows; ++row) bonuses += item.BonusCode[row] != 0;
  AppendNumberLine(out, bonuses);
  for (int row = 0; row < kBonusRows; ++row) {
    if (item.BonusCode[row] == 0) continue;
    out += BonusName(item.BonusCode[row]);
    out += '|';
    AppendNumberLine(out, item.BonusValue[row]);
  }
  const int effects = EffectRowsWritten(item);
  AppendNumberLine(out, effects);
  for (int k = 0; k < effects; ++k) {
    out += EffectName(item.EffectId[k]);
    out += item.EffectKind[k] < 7 ? kEffectTags[item.EffectKind[k]] : "";
    AppendNumberLine(out, item.EffectValue[k]);
  }
}

// Whether a bonus code's name reads back as that code: the names are fixed,
// so each code is looked up once per process, not once per entry written.
bool BonusNameReadsBack(int code) {
  static const auto readsBack = [] {
    std::array<bool, kMaxBonusCode + 1> table{};
    for (int c = 0; c <= kMaxBonusCode; ++c) {
      const auto back = BonusNameIndex().Find(BonusName(c));
      table[static_cast<std::size_t>(c)] = back && *back == c;
    }
    return table;
  }();
  return readsBack[static_cast<std::size_t>(code)];
}

}  // namespace

void AppendVaultEntryText(std::string& out, const TItemRecord& entry, std::size_t index) {
  AppendEntryText(out, entry, index);
}

std::string WhyHeaderNotWritable(const TItemRecord& header) {
  if (header.EffectKind[0] == 0 && header.EffectValue[0] != 0) {
    return "entry 0, Effect 1: the vault version is kept as the first effect value, which the "
           "text carries only for an effect with a kind";
  }
  if (const std::string why = WhyNotWritable(header); !why.empty()) {
    return "entry 0 " + Quoted(header.Name.View()) + ", " + why;
  }
  return {};
}

void AppendVaultHeadText(std::string& out, const TItemRecord& header, std::size_t count) {
  AppendLine(out, "~v");
  AppendLine(out, "Vault Version:1");
  AppendLine(out, kVaultDateLine);
  AppendNumberLine(out, static_cast<long long>(count));
  AppendNumberLine(out, header.EffectValue[0]);
  AppendEntryText(out, header, 0);
}

std::string WhyNotWritable(const TItemRecord& item) {
  if (auto p = TextProblem("Name", item.Name.View()); !p.empty()) return p;
  if (auto p = TextProblem("Note", item.Note.View()); !p.empty()) return p;
  if (item.Note.View() == "=") return "Note: a note of just \"=\" would read back as no note";
  if (auto p = GrowableProblem("ItemType", ItemTypeList(), item.ItemType); !p.empty()) return p;
  if (auto p = GrowableProblem("Expansion", ExpansionList(), item.Expansion); !p.empty()) return p;
  if (auto p = GrowableProblem("WeaponType", WeaponTypeList(), item.WeaponType); !p.empty()) {
    return p;
  }
  if (auto p = GrowableProblem("Source", SourceList(), item.Source); !p.empty()) return p;
  if (SourceList().At(item.Source).empty()) return "Source: an empty text reads back as 10";
  if (item.Realm > 3) return "Realm: " + std::to_string(item.Realm) + " has no realm letter";
  if (item.BonusLevelFixed == 1 && item.BonusLevel > kMaxStoredBonusLevel) {
    return "BonusLevel: " + std::to_string(item.BonusLevel) + " needs more than two digits";
  }
  for (int row = 0; row < kBonusRows; ++row) {
    const int code = item.BonusCode[row];
    if (code == 0) continue;
    if (code > kMaxBonusCode || !BonusNameReadsBack(code)) {
      const std::string field = "BonusCode row " + std::to_string(row + 1);
      if (code > kMaxBonusCode) return field + ": code " + std::to_string(code) + " has no name";
      const auto back = BonusNameIndex().Find(BonusName(code));
      return field + ": code " + std::to_string(code) + " is named " + Quoted(BonusName(code)) +
             ", which reads back as code " + std::to_string(back.value_or(0));
    }
    const std::int32_t value = item.BonusValue[row];
    if (value < -9999 || value > 99999) {
      return "BonusValue row " + std::to_string(row + 1) + ": " + std::to_string(value) +
             " needs more than five characters";
    }
  }
  const int effects = EffectRowsWritten(item);
  for (int k = 0; k < effects; ++k) {
    const std::string field = "Effect " + std::to_string(k + 1);
    if (item.EffectKind[k] > 6) {
      return field + ": kind " + std::to_string(item.EffectKind[k]) + " has no tag";
    }
    const std::string_view name = EffectName(item.EffectId[k]);
    if (auto p = TextProblem(field, name); !p.empty()) return p;
    if (item.EffectKind[k] == 0) continue;  // written without a tag; its number is not read
    if (item.EffectId[k] >= EffectNameCount()) {
      return field + ": effect number " + std::to_string(item.EffectId[k]) + " has no name";
    }
    const auto back = EffectNumberOf(name);
    if (!back || *back != item.EffectId[k]) {
      return field + ": the name of effect number " + std::to_string(item.EffectId[k]) +
             " reads back as another number";
    }
  }
  return {};
}

namespace {

// The text into out; whenever out holds pieceBytes or more, take gets it and
// out starts again.
Status WriteTextInto(std::string& out, std::span<const TItemRecord> entries, std::size_t pieceBytes,
                     const std::function<bool(std::string_view piece, std::size_t written)>& take) {
  if (entries.empty()) return Status::Failure("a vault needs its header entry");
  const TItemRecord& header = entries.front();
  if (const std::string why = WhyHeaderNotWritable(header); !why.empty()) {
    return Status::Failure(why);
  }
  AppendVaultHeadText(out, header, entries.size());
  for (std::size_t i = 1; i < entries.size(); ++i) {
    if (const std::string why = WhyNotWritable(entries[i]); !why.empty()) {
      return Status::Failure("entry " + std::to_string(i) + " " + Quoted(entries[i].Name.View()) +
                             ", " + why);
    }
    AppendVaultEntryText(out, entries[i], i);
    if (out.size() >= pieceBytes && i + 1 < entries.size()) {
      if (take && !take(out, i + 1)) return Status::Failure(kVaultWritingStopped);
      if (take) out.clear();
    }
  }
  if (take && !take(out, entries.size())) return Status::Failure(kVaultWritingStopped);
  return Status::Success();
}

}  // namespace

Result<std::string> WriteVaultText(std::span<const TItemRecord> entries) {
  std::string out;
  out.reserve(entries.size() * 420 + 64);
  const Status written = WriteTextInto(out, entries, out.max_size(), {});
  if (!written.Ok()) return Result<std::string>::Failure(written.error);
  return out;
}

Status WriteVaultTextInPieces(
    std::span<const TItemRecord> entries, std::size_t pieceBytes,
    const std::function<bool(std::string_view piece, std::size_t written)>& take) {
  std::string out;
  out.reserve(pieceBytes + 4096);
  return WriteTextInto(out, entries, pieceBytes, take);
}

Result<std::vector<std::uint8_t>> PackVault(std::span<const TItemRecord> entries) {
  const auto text = WriteVaultText(entries);
  if (!text.Ok()) return Result<std::vector<std::uint8_t>>::Failure(text.Error());
  return DeflateStream(text.Value());
}

}  // namespace qm
