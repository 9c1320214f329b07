#include "vault/url_encode.h"

namespace qm {

std::string UrlEncode(std::string_view text, bool spaceAsPlus) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 3);
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool kept = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                      (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_';
    if (kept) {
      out += c;
    } else if (byte == ' ' && spaceAsPlus) {
      out += '+';
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

}  // namespace qm
