#pragma once
// A zlib bomb made piece by piece, so the test itself never holds its text.
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qm::test {

// head followed by fill repeated up to total bytes, packed as one stream.
inline std::vector<std::uint8_t> Bomb(const std::string& head, const std::string& fill,
                                      std::size_t total) {
  z_stream stream{};
  deflateInit(&stream, 1);
  std::string piece;
  while (piece.size() < (1u << 20)) piece += fill;
  std::vector<std::uint8_t> packed;
  std::vector<std::uint8_t> out(1 << 16);
  auto feed = [&](const std::string& bytes, int flush) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    do {
      stream.next_out = out.data();
      stream.avail_out = static_cast<uInt>(out.size());
      deflate(&stream, flush);
      packed.insert(packed.end(), out.data(), out.data() + (out.size() - stream.avail_out));
    } while (stream.avail_out == 0);
  };
  feed(head, Z_NO_FLUSH);
  for (std::size_t made = head.size(); made < total; made += piece.size()) feed(piece, Z_NO_FLUSH);
  feed("", Z_FINISH);
  deflateEnd(&stream);
  return packed;
}

}  // namespace qm::test
