#include "interop/game_ini.h"

#include <algorithm>
#include <map>

#include "core/file_io.h"

namespace qm {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

bool IsComment(std::string_view trimmed) {
  return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The file's last line may have no end of its own, or a lone "\r" that a
// line end after it would leave inside the line's value.
void EndLastLine(std::string& out, const std::string& eol) {
  if (out.empty() || out.back() == '\n') return;
  out += out.back() == '\r' ? "\n" : eol;
}

}  // namespace

GameIni::GameIni(std::string bytes) : bytes_(std::move(bytes)) {}

Result<GameIni> GameIni::Parse(std::string bytes) {
  if (bytes.size() > kMaxGameIniBytes)
    return Result<GameIni>::Failure("larger than " + SizeText(kMaxGameIniBytes) +
                                    ", so not a settings file of the game");
  if (bytes.find('\0') != std::string::npos) return Result<GameIni>::Failure("not a text file");
  GameIni ini(std::move(bytes));
  const std::string& b = ini.bytes_;
  int section = -1;
  for (std::size_t begin = 0; begin < b.size();) {
    const std::size_t newline = b.find('\n', begin);
    Line line;
    line.Begin = begin;
    line.Next = newline == std::string::npos ? b.size() : newline + 1;
    line.End = newline == std::string::npos ? b.size() : newline;
    if (line.End > begin && b[line.End - 1] == '\r') --line.End;
    const std::string_view content = Trimmed(ini.Content(line));
    if (content.size() >= 2 && content.front() == '[' && content.find(']') != std::string::npos) {
      const std::size_t close = content.find(']');
      ini.sections_.push_back(
          {std::string(Trimmed(content.substr(1, close - 1))), ini.lines_.size()});
      section = static_cast<int>(ini.sections_.size()) - 1;
      line.Header = true;
    } else if (!IsComment(content) && content.find('=') != std::string_view::npos) {
      line.Key = std::string(Trimmed(content.substr(0, content.find('='))));
    }
    line.Section = section;
    ini.lines_.push_back(std::move(line));
    begin = ini.lines_.back().Next;
  }
  return ini;
}

std::string_view GameIni::Content(const Line& line) const {
  return std::string_view(bytes_).substr(line.Begin, line.End - line.Begin);
}

int GameIni::FindSection(std::string_view name) const {
  for (std::size_t i = 0; i < sections_.size(); ++i)
    if (SameName(sections_[i].Name, name)) return static_cast<int>(i);
  return -1;
}

bool GameIni::HasSection(std::string_view section) const {
  return FindSection(section) >= 0;
}

std::vector<IniEntry> GameIni::Entries(std::string_view section) const {
  std::vector<IniEntry> entries;
  // A section may be written twice; both halves count as one.
  for (const Line& line : lines_) {
    if (line.Key.empty() || line.Section < 0 ||
        !SameName(sections_[static_cast<std::size_t>(line.Section)].Name, section))
      continue;
    const std::string_view content = Content(line);
    entries.push_back({line.Key, std::string(Trimmed(content.substr(content.find('=') + 1)))});
  }
  return entries;
}

std::optional<std::string> GameIni::Value(std::string_view section, std::string_view key) const {
  for (IniEntry& entry : Entries(section))
    if (SameName(entry.Key, key)) return std::move(entry.Value);
  return std::nullopt;
}

std::string GameIni::LineEnd() const {
  const std::size_t newline = bytes_.find('\n');
  return newline != std::string::npos && newline > 0 && bytes_[newline - 1] == '\r' ? "\r\n" : "\n";
}

std::string GameIni::WithValues(const std::vector<IniAssignment>& assignments) const {
  const std::string eol = LineEnd();
  // Replacements of existing lines by position, insertions after a line.
  std::map<std::size_t, std::string> replaced;            // line -> new content
  std::map<std::size_t, std::vector<std::string>> added;  // after line -> new lines
  std::vector<std::pair<std::string, std::vector<std::string>>> newSections;
  for (const IniAssignment& a : assignments) {
    bool found = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const Line& line = lines_[i];
      if (line.Key.empty() || line.Section < 0 || !SameName(line.Key, a.Key) ||
          !SameName(sections_[static_cast<std::size_t>(line.Section)].Name, a.Section))
        continue;
      const std::string_view content = Content(line);
      std::size_t valueAt = content.find('=') + 1;
      while (valueAt < content.size() && (content[valueAt] == ' ' || content[valueAt] == '\t'))
        ++valueAt;
      replaced[i] = std::string(content.substr(0, valueAt)) + a.Value;
      found = true;
    }
    if (found) continue;
    const std::string newLine = a.Key + "=" + a.Value;
    const int section = FindSection(a.Section);
    if (section < 0) {
      auto known = std::find_if(newSections.begin(), newSections.end(),
                                [&](const auto& s) { return SameName(s.first, a.Section); });
      if (known == newSections.end())
        known = newSections.insert(newSections.end(), {a.Section, {}});
      known->second.push_back(newLine);
      continue;
    }
    // After the section's last line that is not blank, in its last part.
    std::size_t after = sections_[static_cast<std::size_t>(section)].HeaderLine;
    for (std::size_t i = 0; i < lines_.size(); ++i)
      if (lines_[i].Section == section && !Trimmed(Content(lines_[i])).empty()) after = i;
    added[after].push_back(newLine);
  }
  std::string out;
  out.reserve(bytes_.size() + 64 * assignments.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    const auto change = replaced.find(i);
    if (change == replaced.end()) {
      out.append(bytes_, line.Begin, line.Next - line.Begin);
    } else {
      out += change->second;
      out.append(bytes_, line.End, line.Next - line.End);
    }
    const auto more = added.find(i);
    if (more == added.end()) continue;
    EndLastLine(out, eol);
    for (const std::string& text : more->second) out += text + eol;
  }
  for (const auto& [name, keys] : newSections) {
    EndLastLine(out, eol);
    out += "[" + name + "]" + eol;
    for (const std::string& text : keys) out += text + eol;
  }
  return out;
}

Result<GameIni> ReadGameIni(const std::string& path) {
  auto bytes = ReadFileBytes(path, kMaxGameIniBytes);
  if (!bytes.Ok()) return Result<GameIni>::Failure(bytes.Error());
  auto ini = GameIni::Parse(std::string(bytes.Value().begin(), bytes.Value().end()));
  if (!ini.Ok()) return Result<GameIni>::Failure(FileMessage(path, ini.Error()));
  return ini;
}

}  // namespace qm
