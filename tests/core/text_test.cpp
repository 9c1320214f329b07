#include "core/text.h"

#include <gtest/gtest.h>

#include <string>

namespace qm {
namespace {

char B(unsigned value) {
  return static_cast<char>(value);
}

TEST(Text, FoldCaseFoldsAsciiAndLatinLetters) {
  const struct {
    unsigned in;
    unsigned out;
  } cases[] = {
      {'a', 'A'},   {'z', 'Z'},   {'A', 'A'},   {'0', '0'},
      {' ', ' '},   {'[', '['},   {'{', '{'},   {0xE0, 0xC0},  // à
      {0xE9, 0xC9},                                            // é
      {0xFE, 0xDE},                                            // þ
      {0xF7, 0xF7},                                            // ÷ is no letter
      {0xD7, 0xD7},                                            // × neither
      {0xDF, 0xDF},                                            // ß has no single capital
      {0xB5, 0xB5},                                            // µ neither
      {0xFF, 0x9F},                                            // ÿ -> Ÿ
      {0x9A, 0x8A},                                            // š -> Š
      {0x9C, 0x8C},                                            // œ -> Œ
      {0x9E, 0x8E},                                            // ž -> Ž
      {0x8A, 0x8A}, {0x9F, 0x9F}, {0xC9, 0xC9}, {0x80, 0x80},
  };
  for (const auto& c : cases) EXPECT_EQ(FoldCase(B(c.in)), B(c.out)) << std::hex << c.in;
}

TEST(Text, SameTextIgnoresCaseButCountsBlanks) {
  EXPECT_TRUE(SameTextIgnoringCase("Crush Skill ", "CRUSH SKILL "));
  EXPECT_FALSE(SameTextIgnoringCase("Crush Skill ", "Crush Skill"));
  EXPECT_FALSE(SameTextIgnoringCase("Crush Skill", " Crush Skill"));
  EXPECT_TRUE(SameTextIgnoringCase("", ""));
  EXPECT_FALSE(SameTextIgnoringCase("a", ""));
  EXPECT_TRUE(SameTextIgnoringCase("\xC9p\xE9\x65", "\xE9P\xC9\x45"));  // Épée
  EXPECT_TRUE(SameTextIgnoringCase("\x9Ar\xFF", "\x8AR\x9F"));
  EXPECT_FALSE(SameTextIgnoringCase("\xDF", "SS"));
}

TEST(Text, Cp1252ToUtf8) {
  EXPECT_EQ(Cp1252ToUtf8("Odin's Will"), "Odin's Will");
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(Cp1252ToUtf8("\x92"), "\u2019");
  EXPECT_EQ(Cp1252ToUtf8("\x8A\x9F"), "\u0160\u0178");
  EXPECT_EQ(Cp1252ToUtf8("\x99"), "\u2122");
  EXPECT_EQ(Cp1252ToUtf8("\xA0\xE9\xFF"), "\u00A0\u00E9\u00FF");
  // The undefined bytes keep their C1 code points.
  for (unsigned b : {0x81u, 0x8Du, 0x8Fu, 0x90u, 0x9Du}) {
    const std::string utf8 = Cp1252ToUtf8(std::string(1, B(b)));
    EXPECT_EQ(utf8, std::string({B(0xC2), B(b)})) << std::hex << b;
  }
  EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Text, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (unsigned b = 0; b < 256; ++b) all += B(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Text, Utf8ToCp1252) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"plain", "plain"},
      {"\u20AC 5", "\x80 5"},
      {"\u00C9p\u00E9e", "\xC9p\xE9\x65"},
      {"\u201Cq\u201D", "\x93q\x94"},
      {"\u0178", "\x9F"},
      {"\u65E5\u672C", "??"},   // characters the code page lacks
      {"a\U0001F600b", "a?b"},  // four-byte sequence
      {"\u0080", "?"},          // C1 control that 0x80 does not stand for
      {"\u0081", "\x81"},       // C1 control kept by the round trip
      {"\x80", "?"},            // lone continuation byte
      {"\xFFx", "?x"},          // never a UTF-8 byte
      {"\xE2\x82", "?"},        // truncated at the end
      {"\xE2\x82"
       "A",
       "?A"},                        // broken, the next byte is read afresh
      {"\xC0\xAF", "??"},            // overlong "/"
      {"\xE0\x80\xAF", "???"},       // overlong three-byte form
      {"\xED\xA0\x80", "???"},       // surrogate
      {"\xF4\x90\x80\x80", "????"},  // above U+10FFFF
      {"\xC3", "?"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1252(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace qm
