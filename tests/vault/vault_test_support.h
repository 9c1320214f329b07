#pragma once
// Shared helpers of the vault tests: scripted ports, fresh vocabulary lists,
// and vault texts built line by line.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/effect_names.h"
#include "core/item_lists.h"
#include "ports/ports.h"

namespace qm::test {

class FakeUser : public UserPort {
 public:
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<Answer> answers;  // AskUser answers in order; abort when none is left

  Answer AskUser(std::string_view message, std::string_view title, std::string_view okCaption,
                 std::string_view cancelCaption, std::string_view abortCaption,
                 std::string_view retryCaption) override {
    questions.push_back(std::string(message) + "|" + std::string(title) + "|" +
                        std::string(okCaption) + "|" + std::string(cancelCaption) + "|" +
                        std::string(abortCaption) + "|" + std::string(retryCaption));
    if (answers.empty()) return Answer::Abort;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view, std::string_view) override { return true; }
  void Beep() override {}
};

class FakeShell : public ShellPort {
 public:
  std::vector<std::string> opened;
  int busyCalls = 0;
  bool busy = false;
  void OpenInShell(std::string_view target) override { opened.emplace_back(target); }
  void SetBusyCursor(bool on) override {
    ++busyCalls;
    busy = on;
  }
  void AssociateExtension(std::string_view, std::string_view) override {}
};

// Back to the compiled vocabulary, as at start-up.
inline void ResetVocabulary() {
  ItemTypeList().Reset();
  ExpansionList().Reset();
  WeaponTypeList().Reset();
  SourceList().Reset();
  ResetEffectNames();
}

using Lines = std::vector<std::string>;

inline std::string AllClasses() {
  return std::string(47, '1');
}

// One entry's lines, starting with its empty line and "~n": a Sword usable
// by every class with two bonuses and one proc. Tests edit single lines.
inline Lines SampleEntry(int index = 1) {
  return {"",
          "~" + std::to_string(index),
          "Sword of Tests",
          "Normal Drop",
          "A",
          "50",
          "Classic Areas ('Mainland')",
          "100",
          "Right Hand",
          "N/A",
          "Slash",
          "3.0",
          "NCPBO",
          AllClasses(),
          "V",
          "ABLV",
          "In Game",
          "A note",
          "2",
          "Strength|12",
          "Slash Skill|3",
          "1",
          "Lifedrain|N:25"};
}

// Line numbers inside SampleEntry.
enum SampleLine {
  kName = 2,
  kItemType,
  kRealm,
  kLevel,
  kExpansion,
  kQuality,
  kSlot,
  kArmor,
  kWeapon,
  kSpeed,
  kServers,
  kClasses,
  kStatus,
  kBonusLevel,
  kSource,
  kNote,
  kBonusCount,
  kBonus1,
  kBonus2,
  kEffectCount,
  kEffect1
};

inline Lines HeaderEntry() {
  Lines header = SampleEntry(0);
  header[kName] = "Test Vault";
  header[kBonusCount] = "0";
  header.erase(header.begin() + kBonus1, header.begin() + kBonus2 + 1);
  header[header.size() - 1] = "Undefined/Other|S:7";  // version 7
  return header;
}

inline std::string Join(const Lines& lines, std::string_view end = "\r\n") {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += end;
  }
  return out;
}

// A whole vault text: header lines with the given count, the header entry,
// then the entries.
inline std::string VaultText(const std::string& count, const std::vector<Lines>& entries,
                             std::string_view end = "\r\n") {
  Lines all{"~v", "Vault Version:1", "Vault Date:6/22/2009", count, "7"};
  const Lines header = HeaderEntry();
  all.insert(all.end(), header.begin(), header.end());
  for (const Lines& entry : entries) all.insert(all.end(), entry.begin(), entry.end());
  return Join(all, end);
}

}  // namespace qm::test
