#include "interop/chat_log_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "core/text.h"
#include "interop/chat_log_vocabulary.h"
#include "interop/read_limits.h"
#include "interop/read_position.h"
#include "interop/source_text.h"
#include "interop/truncated_text.h"

namespace qm {
namespace {

constexpr std::string_view kBegin = "<Begin Info:";
constexpr std::string_view kEnd = "<End Info>";
constexpr std::size_t kBlocksPerProgress = 256;
constexpr std::string_view kPhase = "Reading delves";

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         SameTextIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         SameTextIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Drops a leading "[HH:MM:SS] " stamp: the log writes one when the player
// has time stamps switched on.
std::string_view WithoutStamp(std::string_view line) {
  if (line.empty() || line.front() != '[') return line;
  std::size_t at = 1;
  while (at < line.size() && at < 12 && (IsDigit(line[at]) || line[at] == ':')) ++at;
  if (at == 1 || at + 1 >= line.size() || line[at] != ']' || line[at + 1] != ' ') return line;
  return line.substr(at + 2);
}

// Drops a "[L20]: " prefix: the bonus counts from that level on, and the
// planner keeps the bonus itself.
std::string_view WithoutLevelGate(std::string_view text) {
  if (text.size() < 5 || text[0] != '[' || (text[1] != 'L' && text[1] != 'l')) return text;
  std::size_t at = 2;
  while (at < text.size() && IsDigit(text[at])) ++at;
  if (at == 2 || at + 1 >= text.size() || text[at] != ']' || text[at + 1] != ':') return text;
  return Trim(text.substr(at + 2));
}

// The whole number text starts with ("+15 pts", "-3%"), and what follows it.
std::optional<std::pair<int, std::string_view>> LeadingNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value < std::numeric_limits<int>::min() ||
      value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return std::pair{static_cast<int>(value),
                   Trim(text.substr(static_cast<std::size_t>(end - text.data())))};
}

// "3.7" as 37 tenths.
std::optional<int> Tenths(std::string_view text) {
  const auto whole = LeadingNumber(text);
  if (!whole || whole->first < 0 || whole->first > 1000) return std::nullopt;
  int tenths = whole->first * 10;
  const std::size_t point = text.find_first_not_of("+0123456789");
  if (point != std::string_view::npos && point + 1 < text.size() && text[point] == '.' &&
      IsDigit(text[point + 1])) {
    tenths += text[point + 1] - '0';
  }
  return tenths;
}

DelveUnit UnitOf(std::string_view rest) {
  if (ContainsIgnoringCase(rest, "power pool")) return DelveUnit::kPowerPool;
  if (!rest.empty() && rest.front() == '%') return DelveUnit::kPercent;
  if (StartsWith(rest, "lvl") || StartsWith(rest, "level")) return DelveUnit::kLevels;
  return DelveUnit::kPoints;
}

enum class Section { kBonuses, kFocus, kClasses, kOther };

// One delve block, read line by line into an item.
class DelveBlock {
 public:
  DelveBlock(std::string name, std::size_t line) {
    item_.Name = std::move(name);
    item_.SourceId = std::to_string(line);
  }

  void Read(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) return;
    const bool listed = trimmed.front() == '-';
    const std::string_view body = listed ? Trim(trimmed.substr(1)) : trimmed;
    if (ReadProperty(body)) return;
    if (!listed && trimmed.back() == ':') {
      section_ = SectionOf(trimmed);
      return;
    }
    if (section_ == Section::kClasses) {
      if (const auto index = ClassOfDelveWord(body)) item_.Classes.push_back(*index);
      return;
    }
    const std::string_view bonus = WithoutLevelGate(body);
    const bool bonusTo = StartsWith(bonus, "Bonus to ");
    if (bonusTo || section_ == Section::kBonuses || section_ == Section::kFocus) {
      ReadBonus(bonus, bonusTo);
    }
  }

  ForeignItem Take() { return std::move(item_); }
  const std::string& Name() const { return item_.Name; }

 private:
  static Section SectionOf(std::string_view header) {
    if (StartsWith(header, "Magical Bonuses")) return Section::kBonuses;
    if (StartsWith(header, "Focus Bonuses")) return Section::kFocus;
    if (StartsWith(header, "Usable by")) return Section::kClasses;
    return Section::kOther;
  }

  bool ReadProperty(std::string_view body) {
    if (StartsWith(body, "Level Requirement:")) {
      if (const auto level = LeadingNumber(Trim(body.substr(18)))) item_.Level = level->first;
    } else if (StartsWith(body, "Bonus Level:")) {
      if (const auto level = LeadingNumber(Trim(body.substr(12)))) item_.BonusLevel = level->first;
    } else if (StartsWith(body, "Crafted By:")) {
      item_.Crafted = true;
    } else if (StartsWith(body, "Realm:")) {
      if (const auto realm = RealmOfDelveWord(Trim(body.substr(6)))) item_.Realm = *realm;
    } else if (EndsWith(body, "% Quality")) {
      if (const auto quality = LeadingNumber(body)) item_.Quality = quality->first;
    } else if (EndsWith(body, " Weapon Speed")) {
      if (const auto tenths = Tenths(body)) item_.SpeedTenths = *tenths;
    } else if (EndsWith(body, "% Absorption")) {
      if (const auto absorption = LeadingNumber(body)) {
        item_.Armor = ArmorOfDelveAbsorption(absorption->first).value_or(item_.Armor);
      }
    } else if (const auto slotKind = SlotKindOfDelveTypeLine(body)) {
      item_.SlotKind = *slotKind;
    } else {
      return false;
    }
    return true;
  }

  // "NAME: N unit"; lines whose value is no number are descriptions.
  void ReadBonus(std::string_view text, bool bonusTo) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return;
    const std::string_view name = Trim(text.substr(0, colon));
    const auto number = LeadingNumber(Trim(text.substr(colon + 1)));
    if (name.empty() || !number) return;
    const DelveUnit unit = UnitOf(number->second);
    std::optional<int> code;
    if (bonusTo) {
      code = CodeOfDelveBonusTo(Trim(name.substr(std::min<std::size_t>(9, name.size()))));
    } else if (section_ == Section::kFocus || unit == DelveUnit::kLevels) {
      code = CodeOfDelveFocus(name);
    } else {
      code = CodeOfDelveBonus(name, unit);
    }
    item_.Bonuses.push_back({std::string(name), code.value_or(0), number->first});
  }

  ForeignItem item_;
  Section section_ = Section::kBonuses;
};

struct OpenBlock {
  DelveBlock Block;
  std::size_t Line;
  std::size_t Bytes;
};

std::string BlockName(std::string_view line) {
  std::string_view name = line.substr(kBegin.size());
  const std::size_t close = name.rfind('>');
  if (close != std::string_view::npos) name = name.substr(0, close);
  return std::string(Trim(name));
}

Result<ReadOutcome> ReadDelves(std::string_view text, ReadContext& context) {
  ReadOutcome outcome;
  std::optional<OpenBlock> open;
  std::size_t blocks = 0;
  std::size_t lineNumber = 0;
  std::size_t at = 0;
  const auto start = [&](std::string_view line) {
    open.emplace(OpenBlock{DelveBlock(BlockName(line), lineNumber), lineNumber, 0});
  };
  while (at < text.size()) {
    const std::size_t newline = text.find('\n', at);
    const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
    const std::string_view raw = text.substr(at, end - at);
    at = end + 1;
    ++lineNumber;
    const std::string_view line = WithoutStamp(raw);
    const bool begins = StartsWith(line, kBegin);
    if (!open) {
      if (begins) start(line);
      if (open) open->Bytes = raw.size() + 1;
      continue;
    }
    open->Bytes += raw.size() + 1;
    if (begins) {
      context.Tally.Skip("delve without an end", open->Block.Name());
      start(line);
      open->Bytes = raw.size() + 1;
      continue;
    }
    if (StartsWith(line, kEnd)) {
      if (open->Bytes > kMaxDelveBytes) {
        context.Tally.Skip("delve longer than 4 KiB", open->Block.Name());
      } else if (open->Block.Name().empty()) {
        context.Tally.Skip("no name", "line " + std::to_string(open->Line));
      } else {
        outcome.Add(open->Block.Take(), context);
      }
      open.reset();
      if (++blocks % kBlocksPerProgress == 0) {
        ReportProgress(context.Progress, std::min(at, text.size()), text.size(), kPhase);
      }
      if (context.Cancel.Cancelled()) {
        outcome.StoppedAt = "cancelled";
        return outcome;
      }
      continue;
    }
    // A block past its bound is only walked to its end, not read.
    if (open->Bytes <= kMaxDelveBytes) open->Block.Read(line);
  }
  if (open) {
    outcome.StoppedAt = StoppedAtLine(open->Line, "the delve breaks off");
  } else if (blocks == 0 && !LooksLikeChatLog(text.substr(0, 4096))) {
    return Result<ReadOutcome>::Failure("not a chat log (no *** Chat Log line and no delves)");
  }
  ReportProgress(context.Progress, text.size(), text.size(), kPhase);
  return outcome;
}

}  // namespace

bool LooksLikeChatLog(std::string_view head) {
  return ContainsIgnoringCase(head, "*** Chat Log") || ContainsIgnoringCase(head, kBegin);
}

Result<ReadOutcome> ReadChatLog(std::string_view text, ReadContext& context) {
  if (text.size() > kMaxSourceBytes) return Result<ReadOutcome>::Failure("larger than 1 GiB");
  // The game writes its log in the player's Windows code page.
  if (IsValidUtf8(text)) return ReadDelves(text, context);
  // A UTF-8 file that breaks off inside a character is still UTF-8.
  if (const std::string_view whole = WithoutBrokenLastCharacter(text);
      whole.size() < text.size() && IsValidUtf8(whole)) {
    return ReadDelves(whole, context);
  }
  const std::string converted = SourceTextAsUtf8(text);
  return ReadDelves(converted, context);
}

}  // namespace qm
