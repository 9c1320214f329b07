#pragma once
// Length-prefixed 8-bit string with a fixed capacity, stored exactly as the
// game records keep it on disk: one length byte, then Capacity characters.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace qm {

template <std::size_t Capacity>
struct PString {
  static_assert(Capacity > 0 && Capacity < 256);
  std::uint8_t Length;
  char Chars[Capacity];

  // A file may hold a length byte larger than the field; never read past it.
  std::size_t Size() const { return std::min<std::size_t>(Length, Capacity); }
  std::string_view View() const { return {Chars, Size()}; }
  std::string Str() const { return std::string(View()); }

  // Longer texts are cut to the capacity; unused bytes are written as zero.
  void Assign(std::string_view text) {
    const std::size_t n = std::min(text.size(), Capacity);
    Length = static_cast<std::uint8_t>(n);
    std::memcpy(Chars, text.data(), n);
    std::memset(Chars + n, 0, Capacity - n);
  }
};

}  // namespace qm
