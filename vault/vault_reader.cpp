#include "vault/vault_reader.h"

#include <charconv>
#include <optional>
#include <string>

#include "core/bonus_catalogue.h"
#include "core/file_io.h"
#include "core/item_lists.h"
#include "core/text.h"
#include "vault/line_cursor.h"
#include "vault/vault_vocabulary.h"

namespace qm {
namespace {

constexpr std::string_view kHeaderMark = "~v";
constexpr std::string_view kHeaderVersion = "Vault Version:1";
constexpr std::size_t kHeaderLines = 5;
constexpr std::uint8_t kSourceOfEmptyLine = 10;  // "XML Import"
// A growable list's position must fit its byte (255 means "not in the list");
// effect numbers are 16-bit.
constexpr int kMaxByteIndex = 254;
constexpr int kMaxEffectNumber = 65534;

// A whole decimal number with an optional leading "-".
std::optional<long long> WholeNumber(std::string_view text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kShown = 60;
  return "\"" + std::string(text.substr(0, kShown)) + (text.size() > kShown ? "...\"" : "\"");
}

// The code after code that carries the same name, or 0: a name shared by two
// codes always loads as the first of them.
int LaterCodeNamed(int code, std::string_view name) {
  for (int later = code + 1; later <= kMaxBonusCode; ++later) {
    if (SameTextIgnoringCase(BonusName(later), name)) return later;
  }
  return 0;
}

std::uint8_t FixedLookup(const FoldedIndex& index, std::string_view text) {
  const auto found = index.Find(text);
  return found ? static_cast<std::uint8_t>(*found) : kNotInList;
}

// Holds everything one pass needs: the cursor, the list lookups, and the
// first error met (with the line it was met on).
class EntryReader {
 public:
  // changes, when given, collects one line per place where the loaded record
  // says less than, or other than, the text.
  EntryReader(std::string_view text, std::vector<std::string>* changes)
      : changes_(changes),
        cursor_(text),
        itemTypes_(ItemTypeList()),
        expansions_(ExpansionList()),
        weaponTypes_(WeaponTypeList()),
        sources_(SourceList()) {}

  LineCursor& Cursor() { return cursor_; }
  const std::string& Error() const { return error_; }

  bool Reporting() const { return changes_ != nullptr; }
  void Changed(std::string what) {
    if (changes_ != nullptr) {
      changes_->push_back("line " + std::to_string(cursor_.Number()) + ": " + std::move(what));
    }
  }

  bool Fail(std::string what) {
    error_ = "line " + std::to_string(cursor_.Number()) + ": " + std::move(what);
    return false;
  }

  // Reads one entry into item, starting after its "~" line. On return, line
  // holds the last line the entry used, to be tested for "~" again.
  bool ReadEntry(TItemRecord& item, std::string_view& line);

 private:
  bool NextLine(std::string_view& line, const char* field) {
    if (cursor_.Next(line)) return true;
    return Fail(std::string("the text ends inside an entry, before its ") + field);
  }
  bool Number(std::string_view text, long long min, long long max, const char* field,
              long long& value) {
    const auto parsed = WholeNumber(text);
    if (!parsed) return Fail(std::string(field) + " is not a whole number");
    if (*parsed < min || *parsed > max) return Fail(std::string(field) + " is out of range");
    value = *parsed;
    return true;
  }
  bool Growable(GrowableLookup& lookup, std::string_view text, std::uint8_t& field,
                const char* what) {
    const int position = lookup.FindOrAppend(text);
    if (position > kMaxByteIndex) return Fail(std::string("too many different ") + what);
    field = static_cast<std::uint8_t>(position);
    return true;
  }
  bool ReadBonuses(TItemRecord& item, std::string_view& line);
  bool ReadEffects(TItemRecord& item, std::string_view& line);
  void CheckCut(std::string_view line, std::size_t keeps, const char* what) {
    if (Reporting() && line.size() > keeps) {
      Changed(std::string(what) + " " + Quoted(line) + " loads cut to " + std::to_string(keeps) +
              " characters");
    }
  }
  void CheckListed(std::uint8_t position, std::string_view line, const char* what) {
    if (Reporting() && position == kNotInList && !line.empty()) {
      Changed(std::string(what) + " " + Quoted(line) + " is not in its list and loads as not set");
    }
  }

  std::vector<std::string>* changes_;
  LineCursor cursor_;
  GrowableLookup itemTypes_;
  GrowableLookup expansions_;
  GrowableLookup weaponTypes_;
  GrowableLookup sources_;
  EffectNameLookup effects_;
  std::string error_;
};

bool EntryReader::ReadEntry(TItemRecord& item, std::string_view& line) {
  InitItem(item);
  long long number = 0;
  if (!NextLine(line, "name")) return false;
  item.Name.Assign(line);
  CheckCut(line, sizeof item.Name.Chars, "the name");
  if (!NextLine(line, "item type") || !Growable(itemTypes_, line, item.ItemType, "item types")) {
    return false;
  }
  if (!NextLine(line, "realm")) return false;
  if (line == "A") item.Realm = 0;
  if (line == "H") item.Realm = 1;
  if (line == "M") item.Realm = 2;
  if (line == "U") item.Realm = 3;
  if (Reporting() && line != "A" && line != "H" && line != "M" && line != "U") {
    Changed("the realm letter " + Quoted(line) + " is none of A, H, M, U and loads as U");
  }
  if (!NextLine(line, "level") || !Number(line, 0, 255, "the level", number)) return false;
  item.Level = static_cast<std::uint8_t>(number);
  if (!NextLine(line, "expansion") || !Growable(expansions_, line, item.Expansion, "expansions")) {
    return false;
  }
  if (!NextLine(line, "quality")) return false;
  item.Quality = FixedLookup(QualityIndex(), line);
  CheckListed(item.Quality, line, "the quality");
  if (!NextLine(line, "slot")) return false;
  item.SlotKind = FixedLookup(SlotKindIndex(), line);
  CheckListed(item.SlotKind, line, "the slot");
  if (!NextLine(line, "armour")) return false;
  item.Armor = FixedLookup(ArmorIndex(), line);
  CheckListed(item.Armor, line, "the armour");
  if (!NextLine(line, "weapon type") ||
      !Growable(weaponTypes_, line, item.WeaponType, "weapon types")) {
    return false;
  }
  if (!NextLine(line, "speed")) return false;
  item.Speed = FixedLookup(SpeedIndex(), line);
  CheckListed(item.Speed, line, "the speed");
  if (!NextLine(line, "server letters")) return false;
  const auto has = [&](char letter) {
    return static_cast<std::uint8_t>(line.find(letter) != std::string_view::npos);
  };
  item.ServerNormal = has('N');
  item.ServerCoop = has('C');
  item.ServerPvP = has('P');
  item.ServerClassic = has('B');
  item.ServerOrigins = has('O');
  if (Reporting() && line.find_first_not_of("NCPBOX") != std::string_view::npos) {
    Changed("the server line " + Quoted(line) + " holds letters other than N, C, P, B, O, X");
  }
  if (!NextLine(line, "class line")) return false;
  if (line.size() < kClassCount) return Fail("the class line is shorter than 47 characters");
  for (int k = 0; k < kClassCount; ++k) {
    const char c = line[static_cast<std::size_t>(k)];
    if (c < '0' || c > '9') return Fail("the class line holds a character that is not a digit");
    item.ClassUsable[k] = static_cast<std::uint8_t>(c - '0');
  }
  if (Reporting() && line.size() > kClassCount) {
    Changed("the class line has more than 47 characters; the rest is not read");
  }
  if (!NextLine(line, "status")) return false;
  if (line == "V") item.Verified = 1;
  if (line == "R") item.Researched = 1;
  if (Reporting() && line != "V" && line != "R" && line != "U") {
    Changed("the status " + Quoted(line) + " is none of R, V, U and loads as U");
  }
  if (!NextLine(line, "bonus level")) return false;
  if (line == "ABLV") {
    item.BonusLevelFixed = 0;
  } else if (line.find("MB:") != std::string_view::npos) {
    const std::size_t colon = line.find(':');
    if (!Number(line.substr(colon + 1, 2), 0, 255, "the bonus level", number)) return false;
    item.BonusLevelFixed = 1;
    item.BonusLevel = static_cast<std::uint8_t>(number);
    if (Reporting() && line.size() > colon + 3) {
      Changed("the bonus level " + Quoted(line) + " loads as its first two digits, " +
              std::to_string(number));
    }
  } else if (Reporting()) {
    Changed("the bonus level line " + Quoted(line) + " is neither \"ABLV\" nor \"MB:\"");
  }
  if (!NextLine(line, "source")) return false;
  if (const auto found = sources_.Find(line)) {
    if (*found > kMaxByteIndex) return Fail("too many different sources");
    item.Source = static_cast<std::uint8_t>(*found);
  } else if (line.empty()) {
    item.Source = kSourceOfEmptyLine;
  } else if (!Growable(sources_, line, item.Source, "sources")) {
    return false;
  }
  if (!NextLine(line, "note")) return false;
  if (line != "=") item.Note.Assign(line);
  CheckCut(line, sizeof item.Note.Chars, "the note");
  return ReadBonuses(item, line) && ReadEffects(item, line);
}

bool EntryReader::ReadBonuses(TItemRecord& item, std::string_view& line) {
  long long count = 0;
  if (!NextLine(line, "bonus count") || !Number(line, 0, kBonusRows, "the bonus count", count)) {
    return false;
  }
  for (int row = 0; row < count; ++row) {
    if (!NextLine(line, "bonus rows")) return false;
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos) return Fail("a bonus line has no \"|\"");
    const std::string_view name = line.substr(0, bar);
    item.BonusCode[row] = FixedLookup(BonusNameIndex(), name);
    long long value = 0;
    if (!Number(line.substr(bar + 1, 5), -9999, 99999, "a bonus value", value)) return false;
    item.BonusValue[row] = static_cast<std::int32_t>(value);
    if (!Reporting()) continue;
    if (item.BonusCode[row] == kNotInList) {
      Changed("the bonus " + Quoted(name) + " is not in the master list and loads as code 255");
    } else if (const int later = LaterCodeNamed(item.BonusCode[row], name); later != 0) {
      Changed("the bonus " + Quoted(name) + " names codes " + std::to_string(item.BonusCode[row]) +
              " and " + std::to_string(later) + "; it loads as " +
              std::to_string(item.BonusCode[row]));
    }
    if (line.size() > bar + 6) {
      Changed("the bonus value " + Quoted(line.substr(bar + 1)) +
              " loads as its first five characters, " + std::to_string(value));
    }
  }
  return true;
}

bool EntryReader::ReadEffects(TItemRecord& item, std::string_view& line) {
  static constexpr std::string_view kTags[] = {"|N:", "|R:", "|C:", "|E:", "|S:", "|M:"};
  long long count = 0;
  if (!NextLine(line, "effect count") || !Number(line, 0, kEffectRows, "the effect count", count)) {
    return false;
  }
  for (int k = 0; k < count; ++k) {
    if (!NextLine(line, "effect lines")) return false;
    std::uint8_t kind = 0;
    for (std::uint8_t t = 0; t < 6; ++t) {
      if (line.find(kTags[t]) != std::string_view::npos) kind = t + 1;
    }
    // A line without a kind tag stands for an effect of no kind (written only
    // for an empty first effect ahead of a second one): it stays empty, and its
    // text never reaches the effect-name list.
    if (kind == 0) {
      if (Reporting() && !line.empty()) {
        Changed("the effect line " + Quoted(line) + " has no kind tag and loads as no effect");
      }
      continue;
    }
    const std::size_t bar = line.find('|');
    const int number = effects_.FindOrAppend(line.substr(0, bar));
    if (number > kMaxEffectNumber) return Fail("too many different effect names");
    long long value = 0;
    const std::string_view digits = bar + 3 <= line.size() ? line.substr(bar + 3, 5) : "";
    if (!Number(digits, 0, 65535, "an effect value", value)) return false;
    item.EffectKind[k] = kind;
    item.EffectId[k] = static_cast<std::uint16_t>(number);
    item.EffectValue[k] = static_cast<std::uint16_t>(value);
    if (Reporting() && bar + 8 < line.size()) {
      Changed("the effect value " + Quoted(line.substr(bar + 3)) +
              " loads as its first five characters, " + std::to_string(value));
    }
  }
  return true;
}

// Reads entries from the cursor's position into entries[0..]; returns the
// number read, or -1 with the reader's error.
long long ReadEntries(EntryReader& reader, std::vector<TItemRecord>& entries) {
  std::string_view line;
  bool have = reader.Cursor().Next(line);
  std::size_t used = 0;
  // The last line an entry used is tested again; it belongs to that entry.
  bool entryLine = false;
  while (have) {
    if (line.find('~') == std::string_view::npos) {
      if (reader.Reporting() && !entryLine && !line.empty() &&
          reader.Cursor().Number() > kHeaderLines) {
        reader.Changed("the line " + Quoted(line) + " is outside every entry");
      }
      entryLine = false;
      have = reader.Cursor().Next(line);
      continue;
    }
    if (used == entries.size()) {
      reader.Fail("the text holds more entries than its header count of " +
                  std::to_string(entries.size()));
      return -1;
    }
    if (!reader.ReadEntry(entries[used], line)) return -1;
    entryLine = true;
    ++used;
  }
  return static_cast<long long>(used);
}

}  // namespace

TextBound VaultTextBound(std::string_view text, const VaultLoadOptions& options) {
  const TextBound stopHere{text.size(), "", true};
  std::string_view lines[4];
  std::size_t complete = 0;
  std::size_t pos = 0;
  while (complete < 4) {
    const std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) break;
    lines[complete++] = text.substr(pos, end - pos);
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  // A line still coming is judged by what it can still become.
  const std::string_view partial = text.substr(pos);
  const auto cannotBe = [&](std::size_t line, std::string_view expected) {
    if (complete > line) return lines[line] != expected;
    return complete == line && expected.substr(0, partial.size()) != partial;
  };
  if (cannotBe(0, kHeaderMark) || cannotBe(1, kHeaderVersion)) return stopHere;
  if (complete < 4) {
    return {kMaxHeaderTextBytes, "the header lines take more than " + SizeText(kMaxHeaderTextBytes),
            false};
  }
  const auto count = WholeNumber(lines[3]);
  if (!count || *count <= 0 || static_cast<unsigned long long>(*count) > options.maxEntries) {
    return stopHere;
  }
  const std::size_t entries = static_cast<std::size_t>(*count);
  const std::size_t allowed = kMaxHeaderTextBytes + entries * kMaxEntryTextBytes;
  if (allowed >= options.maxTextBytes) {
    return {options.maxTextBytes, "the text is larger than " + SizeText(options.maxTextBytes),
            true};
  }
  return {allowed,
          "the text is larger than its header count of " + std::to_string(entries) +
              " entries allows (" + SizeText(allowed) + ")",
          true};
}

TextBounder VaultBounder(const VaultLoadOptions& options) {
  return [options](std::string_view textSoFar) { return VaultTextBound(textSoFar, options); };
}

VaultLoadStatus CheckVaultHeader(std::string_view text, const VaultLoadOptions& options,
                                 std::size_t& entryCount) {
  LineCursor header(text);
  std::string_view line;
  if (!header.Next(line) || line != kHeaderMark) {
    return VaultLoadStatus::HeaderRefused(kExitVaultBadHeader, kVaultInvalidMessage,
                                          "line 1 is not \"~v\"");
  }
  if (!header.Next(line) || line != kHeaderVersion) {
    return VaultLoadStatus::HeaderRefused(kExitVaultBadVersion, kVaultVersionMessage,
                                          "line 2 is not \"Vault Version:1\"");
  }
  std::string_view countLine;
  header.Next(line);  // the fixed date line
  const bool haveCount = header.Next(countLine);
  const auto count = WholeNumber(countLine);
  if (!haveCount || !count || *count <= 0) {
    std::string why = "line 4: the entry count ";
    if (!haveCount) {
      why += "is missing";
    } else if (!count) {
      why += "\"" + std::string(countLine.substr(0, 20)) + "\" is not a number";
    } else {
      why += *count == 0 ? std::string("is 0") : std::to_string(*count) + " is negative";
    }
    return VaultLoadStatus::HeaderRefused(kExitVaultBadCount, kVaultInvalidMessage, why);
  }
  if (static_cast<unsigned long long>(*count) > options.maxEntries) {
    return VaultLoadStatus::Refused(
        kExitVaultBadCount, kVaultInvalidMessage,
        "line 4: the entry count " + std::to_string(*count) + " is beyond what a vault can hold");
  }
  const TextBound bound = VaultTextBound(text, options);
  if (text.size() > bound.Bytes) {
    return VaultLoadStatus::Refused(kExitVaultBadHeader, kVaultInvalidMessage, bound.Why);
  }
  entryCount = static_cast<std::size_t>(*count);
  return VaultLoadStatus::Success();
}

VaultLoadStatus ParseVaultText(std::string_view text, const VaultLoadOptions& options,
                               std::vector<TItemRecord>& entries,
                               std::vector<std::string>* changes) {
  entries.clear();
  std::size_t count = 0;
  if (VaultLoadStatus header = CheckVaultHeader(text, options, count); !header.Ok()) {
    return header;
  }
  entries.assign(count, TItemRecord{});
  std::string_view line;

  // Entries are looked for from line 3 on, like every line after the header marks.
  EntryReader reader(text, changes);
  reader.Cursor().Next(line);
  reader.Cursor().Next(line);
  const long long read = ReadEntries(reader, entries);
  if (read < 0) {
    entries.clear();
    return VaultLoadStatus::Refused(kExitVaultBadHeader, kVaultInvalidMessage, reader.Error());
  }
  if (changes != nullptr && static_cast<std::size_t>(read) < entries.size()) {
    changes->push_back("line 4: the entry count " + std::to_string(entries.size()) +
                       " is above the " + std::to_string(read) + " entries the text holds; " +
                       std::to_string(entries.size() - static_cast<std::size_t>(read)) +
                       " load as empty records");
  }
  return VaultLoadStatus::Success();
}

Result<std::vector<TItemRecord>> ParseVaultEntries(std::string_view text) {
  // Every entry starts on its own line holding "~", so counting those lines
  // bounds the number of entries before any is read.
  std::size_t bound = 0;
  LineCursor counter(text);
  std::string_view line;
  while (counter.Next(line)) bound += line.find('~') != std::string_view::npos;
  std::vector<TItemRecord> entries(bound, TItemRecord{});
  EntryReader reader(text, nullptr);
  const long long used = ReadEntries(reader, entries);
  if (used < 0) return Result<std::vector<TItemRecord>>::Failure(reader.Error());
  entries.resize(static_cast<std::size_t>(used));
  return entries;
}

}  // namespace qm
