// The layer rule of docs/ARCHITECTURE.md holds for the sources, and the check
// behind it catches each kind of break in a tree made for the purpose.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "architecture/layer_check.h"
#include "support/temp_folder.h"

namespace qm::architecture {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

constexpr std::string_view kSmallTable =
    "# Layers\n"
    "```layers\n"
    "base\n"
    "  \u2190  left, right\n"
    "  \u2190  window (Qt), tool\n"
    "```\n";

TEST(LayerCheck, TheSourcesKeepTheDocumentedLayers) {
  const fs::path root = QM_SOURCE_DIR;
  std::string error;
  const auto table = ParseLayerTable(ReadText(root / "docs" / "ARCHITECTURE.md"), error);
  ASSERT_TRUE(table) << error;
  // The planned folders have their place before they exist.
  for (const char* planned : {"interop", "optimizer"}) EXPECT_EQ(table->Layer.count(planned), 1u);
  const std::vector<std::string> problems = CheckLayers(root, *table);
  EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST(LayerCheck, TheTableReadsLayersLowestFirstAndTheQtMark) {
  std::string error;
  const auto table = ParseLayerTable(kSmallTable, error);
  ASSERT_TRUE(table) << error;
  const std::map<std::string, int, std::less<>> expected = {
      {"base", 0}, {"left", 1}, {"right", 1}, {"window", 2}, {"tool", 2}};
  EXPECT_EQ(table->Layer, expected);
  EXPECT_EQ(table->QtFolders, std::vector<std::string>{"window"});

  EXPECT_FALSE(ParseLayerTable("no table here", error));
  EXPECT_FALSE(ParseLayerTable("```layers\nbase \u2190 base\n```\n", error));
  EXPECT_EQ(error, "base is named twice");
}

// One source file seeded into a tree that otherwise keeps the small table.
TEST(LayerCheck, EachKindOfBreakIsNamedWithItsFileAndInclude) {
  struct Case {
    std::string file;
    std::string text;
    std::string problem;  // empty: the tree keeps the rule
  };
  const Case cases[] = {
      {"left/a.h", "#include \"base/b.h\"\n#include <vector>\n", ""},
      {"window/w.cpp", "#include <QWidget>\n#include \"left/a.h\"\n#include \"gen/v.h\"\n", ""},
      {"left/a.cpp", "// x\n#  include \"window/w.h\"\n",
       "left/a.cpp:2: includes \"window/w.h\" from a layer above left"},
      {"left/a.cpp", "#include \"right/r.h\"\n",
       "left/a.cpp:1: includes \"right/r.h\" from a layer beside left"},
      {"left/deep/a.h", "#include <QtCore/QString>\n",
       "left/deep/a.h:1: includes the Qt header <QtCore/QString> in left, a folder without Qt"},
      {"stray/s.cpp", "int x;\n", "stray/: a source folder the layer table does not place"},
      {"base/b.h", "#include \"stray/s.h\"\n",
       "base/b.h:1: includes \"stray/s.h\" from stray/, a folder the layer table does not place"},
  };
  std::string error;
  const auto table = ParseLayerTable(kSmallTable, error);
  ASSERT_TRUE(table) << error;
  for (const Case& c : cases) {
    testing::TempFolder root;
    for (const char* folder : {"base", "left", "right", "window"})
      WriteText(root.Path() / folder / "keep.h", "#pragma once\n");
    WriteText(root.Path() / "stray" / "notes.txt", "");  // a folder without sources
    // A build tree inside the sources is no source folder.
    WriteText(root.Path() / "build" / "CMakeCache.txt", "");
    WriteText(root.Path() / "build" / "moc.cpp", "#include <QObject>\n#include \"tool/t.h\"\n");
    WriteText(root.Path() / c.file, c.text);
    const std::vector<std::string> problems = CheckLayers(root.Path(), *table);
    const std::vector<std::string> expected =
        c.problem.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.problem};
    EXPECT_EQ(problems, expected) << c.file;
  }
}

}  // namespace
}  // namespace qm::architecture
