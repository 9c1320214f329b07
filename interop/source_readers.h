#pragma once
// The readers of every kind of item source, in the order the import asks
// them whether a file is theirs: the first whose sniff of the file's start
// says yes reads it. Some kinds come with a companion file (the official
// database's metadata), which is set aside and handed to the reader of the
// items.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/result.h"
#include "interop/source_reader.h"

namespace qm {

struct SourceReader {
  SourceKind Kind;
  bool (*LooksLike)(std::string_view head);
  // companion: the text of the kind's companion file, empty when none was given.
  Result<ReadOutcome> (*Read)(std::string_view text, std::string_view companion,
                              ReadContext& context);
  // Whether a file is this kind's companion; null for kinds without one.
  bool (*LooksLikeCompanion)(std::string_view head) = nullptr;
};

// What a file no reader takes is called.
inline constexpr std::string_view kNotAnItemSource = "not an item source we can read";

// How much of a file the sniffs look at.
inline constexpr std::size_t kSniffBytes = 4096;

std::span<const SourceReader> SourceReaders();

struct SniffedSource {
  std::size_t Reader = 0;  // index into SourceReaders()
  bool Companion = false;  // the file is that kind's companion, not its items
};
// Which reader takes a file, by its first kSniffBytes. A companion is asked
// for first: it may name the words its items file is known by.
std::optional<SniffedSource> SniffSource(std::string_view head);
// The first kSniffBytes of a file, fewer when it is shorter; empty when it
// cannot be read.
std::string SourceHead(const std::string& path);

}  // namespace qm
