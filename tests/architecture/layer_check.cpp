#include "architecture/layer_check.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace qm::architecture {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kLayerArrow = "\u2190";  // ←
constexpr std::string_view kQtMark = "(Qt)";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find(separator, at);
    parts.push_back(text.substr(at, next == std::string_view::npos ? next : next - at));
    if (next == std::string_view::npos) return parts;
    at = next + separator.size();
  }
}

// The text between "```layers" and the closing fence.
std::optional<std::string_view> LayersBlock(std::string_view markdown) {
  constexpr std::string_view kOpen = "```layers\n";
  const auto open = markdown.find(kOpen);
  if (open == std::string_view::npos) return std::nullopt;
  const auto body = open + kOpen.size();
  const auto close = markdown.find("```", body);
  if (close == std::string_view::npos) return std::nullopt;
  return markdown.substr(body, close - body);
}

bool IsSourceFile(const fs::path& path) {
  static const std::set<std::string> kExtensions = {".h", ".hpp", ".cpp", ".cc"};
  return kExtensions.count(path.extension().string()) != 0;
}

bool IsSkippedFolder(const fs::path& folder) {
  const std::string name = folder.filename().string();
  return name.empty() || name[0] == '.' || fs::exists(folder / "CMakeCache.txt");
}

// The word after "#include" and its opening quote or bracket, or nothing for
// any other line.
std::optional<std::pair<char, std::string_view>> IncludeOf(std::string_view line) {
  line = Trimmed(line);
  if (line.empty() || line[0] != '#') return std::nullopt;
  line = Trimmed(line.substr(1));
  constexpr std::string_view kInclude = "include";
  if (line.substr(0, kInclude.size()) != kInclude) return std::nullopt;
  line = Trimmed(line.substr(kInclude.size()));
  if (line.size() < 2 || (line[0] != '"' && line[0] != '<')) return std::nullopt;
  const char close = line[0] == '"' ? '"' : '>';
  const auto end = line.find(close, 1);
  if (end == std::string_view::npos) return std::nullopt;
  return std::make_pair(line[0], line.substr(1, end - 1));
}

// Qt's headers are named QWidget, QtCore/QString, ...: a capital Q and a
// letter.
bool IsQtHeader(std::string_view header) {
  return header.size() >= 2 && header[0] == 'Q' &&
         ((header[1] >= 'A' && header[1] <= 'Z') || header[1] == 't');
}

class Checker {
 public:
  Checker(const fs::path& root, const LayerTable& table) : root_(root), table_(table) {}

  std::vector<std::string> Run() {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(root_))
      if (entry.is_directory() && !IsSkippedFolder(entry.path())) folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    for (const fs::path& folder : folders) CheckFolder(folder);
    return std::move(problems_);
  }

 private:
  void CheckFolder(const fs::path& folder) {
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(folder);
         it != fs::recursive_directory_iterator(); ++it) {
      if (it->is_directory() && IsSkippedFolder(it->path())) {
        it.disable_recursion_pending();
      } else if (it->is_regular_file() && IsSourceFile(it->path())) {
        files.push_back(it->path());
      }
    }
    if (files.empty()) return;
    const std::string name = folder.filename().string();
    const auto layer = table_.Layer.find(name);
    if (layer == table_.Layer.end()) {
      problems_.push_back(name + "/: a source folder the layer table does not place");
      return;
    }
    const bool qtAllowed =
        std::find(table_.QtFolders.begin(), table_.QtFolders.end(), name) != table_.QtFolders.end();
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) CheckFile(file, name, layer->second, qtAllowed);
  }

  void CheckFile(const fs::path& file, const std::string& folder, int layer, bool qtAllowed) {
    std::ifstream in(file);
    const std::string where = fs::relative(file, root_).generic_string();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const auto include = IncludeOf(line);
      if (!include) continue;
      const auto [quote, header] = *include;
      const std::string at = where + ":" + std::to_string(number) + ": includes ";
      if (quote == '<') {
        if (!qtAllowed && IsQtHeader(header))
          problems_.push_back(at + "the Qt header <" + std::string(header) + "> in " + folder +
                              ", a folder without Qt");
        continue;
      }
      const auto slash = header.find('/');
      if (slash == std::string_view::npos) continue;
      const std::string target(header.substr(0, slash));
      if (target == folder || !fs::is_directory(root_ / target)) continue;  // own or generated
      const auto targetLayer = table_.Layer.find(target);
      if (targetLayer == table_.Layer.end()) {
        problems_.push_back(at + "\"" + std::string(header) + "\" from " + target +
                            "/, a folder the layer table does not place");
      } else if (targetLayer->second >= layer) {
        problems_.push_back(at + "\"" + std::string(header) + "\" from a layer " +
                            (targetLayer->second == layer ? "beside " : "above ") + folder);
      }
    }
  }

  const fs::path& root_;
  const LayerTable& table_;
  std::vector<std::string> problems_;
};

}  // namespace

std::optional<LayerTable> ParseLayerTable(std::string_view markdown, std::string& error) {
  const auto block = LayersBlock(markdown);
  if (!block) {
    error = "no ```layers block";
    return std::nullopt;
  }
  LayerTable table;
  int layer = 0;
  for (std::string_view names : Split(*block, kLayerArrow)) {
    for (std::string_view entry : Split(names, ",")) {
      entry = Trimmed(entry);
      const bool qt =
          entry.size() > kQtMark.size() && entry.substr(entry.size() - kQtMark.size()) == kQtMark;
      if (qt) entry = Trimmed(entry.substr(0, entry.size() - kQtMark.size()));
      if (entry.empty()) {
        error = "an empty name in layer " + std::to_string(layer);
        return std::nullopt;
      }
      if (!table.Layer.emplace(std::string(entry), layer).second) {
        error = std::string(entry) + " is named twice";
        return std::nullopt;
      }
      if (qt) table.QtFolders.emplace_back(entry);
    }
    ++layer;
  }
  return table;
}

std::vector<std::string> CheckLayers(const std::filesystem::path& root, const LayerTable& table) {
  return Checker(root, table).Run();
}

}  // namespace qm::architecture
