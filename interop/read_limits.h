#pragma once
// Bounds every reader of outside item data keeps, so a hostile or broken file
// costs a clear refusal instead of the machine's memory.
#include <cstddef>

namespace qm {

inline constexpr std::size_t kMaxSourceBytes = std::size_t{1}
                                               << 30;  // a source past 1 GiB is refused
inline constexpr int kMaxJsonDepth = 64;               // nesting of a JSON document
inline constexpr std::size_t kMaxSqlRowBytes = std::size_t{1}
                                               << 20;  // one value list of an SQL dump
inline constexpr std::size_t kMaxDelveBytes = 4096;    // one delve block of a chat log
// Another planner's template is a few dozen kilobytes; past this it is not one.
inline constexpr std::size_t kMaxTemplateBytes = std::size_t{16} << 20;

}  // namespace qm
