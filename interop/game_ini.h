#pragma once
// A character's settings file of the game ("<Character>-<server>.ini"), kept
// as the bytes it was read from. Reading names sections and keys without
// letter case; a change rewrites only the value of each key it names, so
// every other byte (comments, key order, spacing, line ends, the encoding of
// texts the game wrote) stays as it was.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

// The game's own files stay far below this; a larger one is no settings file.
inline constexpr std::size_t kMaxGameIniBytes = std::size_t{1} << 20;

struct IniAssignment {
  std::string Section;
  std::string Key;
  std::string Value;
};

struct IniEntry {
  std::string Key;    // as written, spaces around it dropped
  std::string Value;  // as written, spaces around it dropped
};

class GameIni {
 public:
  // Refuses bytes that are not text (a NUL byte, as in a UTF-16 file) and
  // bytes past kMaxGameIniBytes.
  static Result<GameIni> Parse(std::string bytes);

  const std::string& Bytes() const { return bytes_; }
  bool HasSection(std::string_view section) const;
  // The value of the first line of key in section.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Every key line of a section, in file order.
  std::vector<IniEntry> Entries(std::string_view section) const;
  // The file with each assignment made: every line of an existing key gets
  // the new value after its '=' (and the spaces that follow it); a missing key
  // goes after the last line of its section that is not blank, and a missing
  // section at the end of the file, both with the file's own line end.
  std::string WithValues(const std::vector<IniAssignment>& assignments) const;

 private:
  struct Line {
    std::size_t Begin = 0;
    std::size_t End = 0;   // where the content ends, before "\r\n" or "\n"
    std::size_t Next = 0;  // where the next line begins
    int Section = -1;      // index into sections_ of the section it lies in
    bool Header = false;
    std::string Key;  // for a key line
  };
  struct Section {
    std::string Name;
    std::size_t HeaderLine = 0;
  };
  explicit GameIni(std::string bytes);
  int FindSection(std::string_view name) const;
  std::string_view Content(const Line& line) const;
  std::string LineEnd() const;

  std::string bytes_;
  std::vector<Line> lines_;
  std::vector<Section> sections_;
};

// Reads a settings file whole: refused when missing, not a regular file,
// past kMaxGameIniBytes or not text, each with its reason and the path.
Result<GameIni> ReadGameIni(const std::string& path);

}  // namespace qm
