#pragma once
// The layer rule as a check: every source folder sits in one layer of the
// table in docs/ARCHITECTURE.md, includes headers only from its own folder and
// from the layers beneath its own, and includes Qt headers only where the table
// marks it "(Qt)".
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::architecture {

struct LayerTable {
  std::map<std::string, int, std::less<>> Layer;  // folder -> layer, 0 lowest
  std::vector<std::string> QtFolders;
};

// Reads the fenced block marked "layers" of a Markdown text: layers lowest
// first, separated by "←", folders of one layer by commas. nullopt, with the
// reason in error, when the block is missing, empty or names a folder twice.
std::optional<LayerTable> ParseLayerTable(std::string_view markdown, std::string& error);

// Every place under root that breaks the table, one line each:
// "vault/vault.h:3: includes \"mainwin/main_window.h\" from a layer above vault".
// Build trees (folders holding CMakeCache.txt) and hidden folders are skipped.
std::vector<std::string> CheckLayers(const std::filesystem::path& root, const LayerTable& table);

}  // namespace qm::architecture
