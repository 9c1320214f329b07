// The chat log reader: every delve block becomes an item with the bonus
// lines it lists, read against the log read on its own, and the blocks and
// files it leaves out or reads only in part.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "interop/chat_log_reader.h"
#include "interop/read_limits.h"

#include "interop/reader_fixture.h"

namespace qm {
namespace {

std::string ChatLogFixture() {
  return testing::InteropFixture("chatlog/chat.log");
}

struct Reading {
  ImportTally tally;
  CancelToken cancel;
  ReadContext context{tally, {}, cancel};
};

using NamedValues = std::vector<std::pair<std::string, int>>;

TEST(ChatLogReader, EveryBonusLineOfEveryDelveComesThroughInOrder) {
  const std::string text = ChatLogFixture();
  Reading reading;
  const auto read = ReadChatLog(text, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  // The second, plain reading: a bonus line has a unit or says "Bonus to".
  const std::regex bonusLine(
      R"(^(?:\[[0-9:]+\] )?(?:- )?(?:\[L[0-9]+\]: )?((?:Bonus to )?[A-Za-z' ]+): \+?([0-9]+)(?: pts|%| lvls| % of power pool\.)?.*$)");
  std::vector<NamedValues> expected;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.find("<Begin Info:") != std::string::npos) expected.emplace_back();
    std::smatch match;
    const bool hasUnit =
        line.find(" pts") != std::string::npos || line.find('%') != std::string::npos ||
        line.find(" lvls") != std::string::npos || line.find("Bonus to ") != std::string::npos;
    if (!expected.empty() && hasUnit && std::regex_match(line, match, bonusLine)) {
      expected.back().emplace_back(match[1], std::stoi(match[2]));
    }
  }
  ASSERT_EQ(read.Value().Items.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    NamedValues readBack;
    for (const ForeignBonus& bonus : read.Value().Items[i].Bonuses) {
      readBack.emplace_back(bonus.Name, bonus.Value);
    }
    EXPECT_EQ(readBack, expected[i]) << read.Value().Items[i].Name;
  }
}

TEST(ChatLogReader, MapsBonusLinesToOurCodesByNameAndUnit) {
  Reading reading;
  const auto read = ReadChatLog(ChatLogFixture(), reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  const std::vector<std::vector<int>> expected = {
      // Intelligence, hits, heat resist, power pool, Earth Magic, gated
      // Dexterity, all focus, casting speed, intelligence cap, hits cap, and
      // a ToA line we have no code for.
      {6, 10, 14, 145, 41, 3, 22, 152, 139, 146, 0},
      // Axe skill, strength, cold resist, PvE defence, an unknown skill.
      {104, 1, 15, 183, 0},
      {2, 18},
      {6, 10},
  };
  ASSERT_EQ(read.Value().Items.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    std::vector<int> codes;
    for (const ForeignBonus& bonus : read.Value().Items[i].Bonuses) codes.push_back(bonus.Code);
    EXPECT_EQ(codes, expected[i]) << read.Value().Items[i].Name;
  }
}

TEST(ChatLogReader, ReadsTheItemsPropertiesFromTheDelve) {
  Reading reading;
  const auto read = ReadChatLog(ChatLogFixture(), reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  struct Case {
    std::string name, sourceId;
    int realm, slotKind, armor, level, quality, bonusLevel, speedTenths;
    std::vector<int> classes;
    bool crafted;
  };
  const Case cases[] = {
      {"Cloak of the Frozen Wastes", "5", 0, kUnknownSlotKind, 0, 50, 0, 40, 0, {15, 14}, false},
      {"Frostbite Greataxe", "31", 2, 20, 0, 50, 99, 0, 52, {32, 46}, false},
      {"Runewoven Hauberk", "58", kAllRealms, kUnknownSlotKind, 4, 0, 100, 0, 0, {}, true},
      {"Cloak of the Frozen Wastes", "75", kAllRealms, kUnknownSlotKind, 0, 0, 0, 0, 0, {}, false},
  };
  ASSERT_EQ(read.Value().Items.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const ForeignItem& item = read.Value().Items[i];
    const Case& c = cases[i];
    EXPECT_EQ(item.Name, c.name);
    EXPECT_EQ(item.SourceId, c.sourceId) << c.name;
    EXPECT_EQ(item.Realm, c.realm) << c.name;
    EXPECT_EQ(item.SlotKind, c.slotKind) << c.name;
    EXPECT_EQ(item.Armor, c.armor) << c.name;
    EXPECT_EQ(item.Level, c.level) << c.name;
    EXPECT_EQ(item.Quality, c.quality) << c.name;
    EXPECT_EQ(item.BonusLevel, c.bonusLevel) << c.name;
    EXPECT_EQ(item.SpeedTenths, c.speedTenths) << c.name;
    EXPECT_EQ(item.Classes, c.classes) << c.name;
    EXPECT_EQ(item.Crafted, c.crafted) << c.name;
  }
  EXPECT_TRUE(read.Value().StoppedAt.empty());
}

TEST(ChatLogReader, LeavesOutBlocksPastTheBoundOrWithoutAnEndAndReadsOn) {
  std::string longBlock = "<Begin Info: Endless Robe>\n";
  while (longBlock.size() <= kMaxDelveBytes) longBlock += "- Strength: 1 pts\n";
  std::string text = "*** Chat Log Opened\n" + longBlock;
  text += "<End Info>\n<Begin Info: Lost Ring>\n- Dexterity: 3 pts\n";
  text += "<Begin Info: Plain Belt>\n- Piety: 4 pts\n<End Info>\n";
  Reading reading;
  const auto read = ReadChatLog(text, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  ASSERT_EQ(read.Value().Items.size(), 1u);
  EXPECT_EQ(read.Value().Items[0].Name, "Plain Belt");
  const std::vector<ReasonCount> expected = {
      {"delve longer than 4 KiB", 1, {"Endless Robe"}},
      {"delve without an end", 1, {"Lost Ring"}},
  };
  EXPECT_EQ(reading.tally.Skipped(), expected);
}

TEST(ChatLogReader, KeepsAMangledBonusLineAsOneItHasNoCodeFor) {
  // A "Bonus to" line that names nothing, and lines with no name or no
  // number, which are no bonus lines at all.
  const std::string text =
      "<Begin Info: Torn Sash>\nBonus to : 5%\n- : 3 pts\n- Strength: many pts\n<End Info>\n";
  Reading reading;
  const auto read = ReadChatLog(text, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  ASSERT_EQ(read.Value().Items.size(), 1u);
  EXPECT_EQ(read.Value().Items[0].Bonuses, (std::vector<ForeignBonus>{{"Bonus to", 0, 5}}));
}

TEST(ChatLogReader, ALogThatBreaksOffGivesTheDelvesBeforeTheBreak) {
  const std::string text = ChatLogFixture();
  const std::size_t cut = text.find("- 5.2 Weapon Speed");
  Reading reading;
  const auto read = ReadChatLog(text.substr(0, cut), reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  ASSERT_EQ(read.Value().Items.size(), 1u);
  EXPECT_EQ(read.Value().StoppedAt, "stopped at line 31: the delve breaks off");
}

TEST(ChatLogReader, RefusesWhatIsNoChatLog) {
  const struct {
    std::string_view text;
    std::string error;
  } cases[] = {
      {R"({"items": []})", "not a chat log (no *** Chat Log line and no delves)"},
      {std::string_view("*** Chat Log", kMaxSourceBytes + 1), "larger than 1 GiB"},
  };
  for (const auto& c : cases) {
    Reading reading;
    // The oversized view is refused by its size before a byte past its start is read.
    const auto read = ReadChatLog(c.text, reading.context);
    ASSERT_FALSE(read.Ok());
    EXPECT_EQ(read.Error(), c.error);
  }
}

TEST(ChatLogReader, ReadsWindows1252TextAsUtf8) {
  const std::string text =
      "<Begin Info: Bottes du Pr\xE9 Sombre>\n- Quickness: 9 pts\n<End Info>\n";
  Reading reading;
  const auto read = ReadChatLog(text, reading.context);
  ASSERT_TRUE(read.Ok()) << read.Error();
  ASSERT_EQ(read.Value().Items.size(), 1u);
  EXPECT_EQ(read.Value().Items[0].Name, "Bottes du Pr\xC3\xA9 Sombre");
  EXPECT_EQ(read.Value().Items[0].Bonuses, (std::vector<ForeignBonus>{{"Quickness", 4, 9}}));

  // UTF-8 that breaks off inside a character stays UTF-8.
  const std::string cut =
      "<Begin Info: \xC3\x89p\xC3\xA9"
      "e>\n<End Info>\n<Begin Info: \xC3";
  Reading cutReading;
  const auto cutRead = ReadChatLog(cut, cutReading.context);
  ASSERT_TRUE(cutRead.Ok()) << cutRead.Error();
  ASSERT_EQ(cutRead.Value().Items.size(), 1u);
  EXPECT_EQ(cutRead.Value().Items[0].Name,
            "\xC3\x89p\xC3\xA9"
            "e");
  EXPECT_EQ(cutRead.Value().StoppedAt, "stopped at line 3: the delve breaks off");
}

TEST(ChatLogReader, ReportsProgressInBytesAndStopsWhenCancelled) {
  std::string text = "*** Chat Log Opened\n";
  for (int i = 0; i < 1000; ++i) text += "<Begin Info: Ring>\n- Strength: 1 pts\n<End Info>\n";
  Reading reading;
  std::vector<std::uint64_t> done;
  reading.context.Progress = [&](std::uint64_t at, std::uint64_t total, std::string_view) {
    EXPECT_EQ(total, text.size());
    done.push_back(at);
  };
  const auto read = ReadChatLog(text, reading.context);
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.Value().Items.size(), 1000u);
  ASSERT_GE(done.size(), 3u);
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
  EXPECT_EQ(done.back(), text.size());

  Reading cancelled;
  cancelled.context.Progress = [&](std::uint64_t, std::uint64_t, std::string_view) {
    cancelled.cancel.Cancel();
  };
  const auto stopped = ReadChatLog(text, cancelled.context);
  ASSERT_TRUE(stopped.Ok());
  EXPECT_LT(stopped.Value().Items.size(), 1000u);
}

TEST(ChatLogReader, LooksAtTheContentNotTheName) {
  const struct {
    std::string head;
    bool chatLog;
  } cases[] = {
      {ChatLogFixture().substr(0, 4096), true},
      {"[21:05:31] <begin info: Ring>", true},
      {"{\"items\": []}", false},
      {"<?xml version=\"1.0\"?><SCItem>", false},
  };
  for (const auto& c : cases) EXPECT_EQ(LooksLikeChatLog(c.head), c.chatLog) << c.head;
}

}  // namespace
}  // namespace qm
