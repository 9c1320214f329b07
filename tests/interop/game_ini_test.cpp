// The game's settings file keeps every byte but the values it is told to
// change: spacing, comments, line ends and texts in the game's encoding.
#include <gtest/gtest.h>

#include "interop/game_ini.h"

namespace qm {
namespace {

TEST(GameIni, ReadsKeysWithoutLetterCaseAndKeepsValuesAsWritten) {
  auto ini = GameIni::Parse("[quickbar]\r\n ; Hotkey_9=no\r\nHOTKEY_1 =  45,1,,2 \r\n[Macros]\r\n");
  ASSERT_TRUE(ini.Ok());
  EXPECT_TRUE(ini.Value().HasSection("Quickbar"));
  EXPECT_EQ(ini.Value().Value("Quickbar", "hotkey_1"), "45,1,,2");
  EXPECT_EQ(ini.Value().Value("Quickbar", "Hotkey_9"), std::nullopt);  // a comment
  EXPECT_TRUE(ini.Value().Entries("Macros").empty());
}

TEST(GameIni, AddsMissingKeysAndSectionsWithTheFilesOwnLineEnd) {
  const struct {
    const char* name;
    std::string before, after;
  } cases[] = {
      {"last line without its end", "[Quickbar]\nHotkey_0=1",
       "[Quickbar]\nHotkey_0=1\nHotkey_4=x\n[Quickbar3]\nHotkey_4=x\n"},
      {"a lone carriage return ends the file", "[Quickbar]\r\nA=1\r",
       "[Quickbar]\r\nA=1\r\nHotkey_4=x\r\n[Quickbar3]\r\nHotkey_4=x\r\n"},
      {"a lone carriage return ends a changed last line", "[Quickbar]\r\nHotkey_4=1\r",
       "[Quickbar]\r\nHotkey_4=x\r\n[Quickbar3]\r\nHotkey_4=x\r\n"},
      {"blank lines stay after the new key", "[Quickbar]\r\nA=1\r\n\r\n[B]\r\n",
       "[Quickbar]\r\nA=1\r\nHotkey_4=x\r\n\r\n[B]\r\n[Quickbar3]\r\nHotkey_4=x\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto ini = GameIni::Parse(c.before);
    ASSERT_TRUE(ini.Ok());
    EXPECT_EQ(
        ini.Value().WithValues({{"Quickbar", "Hotkey_4", "x"}, {"Quickbar3", "Hotkey_4", "x"}}),
        c.after);
  }
}

}  // namespace
}  // namespace qm
