#include "core/text.h"

#include <array>
#include <cstdint>

namespace qm {
namespace {

// The 32 characters Windows-1252 places at 0x80..0x9F. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their C1
// control code points, so a name holding one survives the trip to UTF-8 and
// back unchanged instead of turning into a replacement character.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char kUnknown = '?';

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

// The Windows-1252 byte of a code point, or the "?" the code page offers
// for everything it cannot hold.
char ByteOf(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<char>(codePoint);
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  return kUnknown;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    // Every code point of the code page lies below U+10000.
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

char FoldCase(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
  // Latin-1 small letters à..þ sit 0x20 above their capitals; 0xF7 is the
  // division sign, not a letter.
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
  switch (u) {
    case 0x9A:
      return static_cast<char>(0x8A);  // š -> Š
    case 0x9C:
      return static_cast<char>(0x8C);  // œ -> Œ
    case 0x9E:
      return static_cast<char>(0x8E);  // ž -> Ž
    case 0xFF:
      return static_cast<char>(0x9F);  // ÿ -> Ÿ
    default:
      return c;
  }
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
    if (SameTextIgnoringCase(text.substr(at, part.size()), part)) return true;
  }
  return false;
}

std::string Cp1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    // Length and the allowed range of the second byte, which rules out
    // overlong forms, surrogates and code points above U+10FFFF.
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    }
    if (length == 0) {
      out += kUnknown;
      ++i;
      continue;
    }
    char32_t cp = lead & (0xFF >> (length + 1));
    std::size_t used = 1;
    bool complete = true;
    for (int k = 1; k < length; ++k) {
      if (i + used >= text.size()) {
        complete = false;
        break;
      }
      const auto next = static_cast<unsigned char>(text[i + used]);
      const unsigned char lo = k == 1 ? low : 0x80;
      const unsigned char hi = k == 1 ? high : 0xBF;
      if (next < lo || next > hi) {
        complete = false;
        break;
      }
      cp = (cp << 6) | (next & 0x3F);
      ++used;
    }
    // A broken sequence becomes one "?" for the bytes that began it; the
    // byte that broke it is read afresh.
    out += complete ? ByteOf(cp) : kUnknown;
    i += used;
  }
  return out;
}

}  // namespace qm
