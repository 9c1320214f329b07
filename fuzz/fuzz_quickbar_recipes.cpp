// A recipe table a player loads: any bytes give a one-line refusal, or gems
// with a realm, a code and a recipe in range, a name, each once per realm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "interop/quickbar_recipes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto table =
      qm::ParseRecipeTable(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!table.Ok()) {
    if (table.Error().empty() || table.Error().find('\n') != std::string::npos) std::abort();
    return 0;
  }
  const auto& entries = table.Value().Entries;
  if (entries.empty() || entries.size() > qm::kMaxRecipeEntries) std::abort();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const qm::RecipeEntry& e = entries[i];
    if (e.Realm < qm::kAnyRealm || e.Realm > 2 || e.Code < 1 || e.Code > 255) std::abort();
    if (e.Recipe < 1 || e.Recipe > 99'999'999 || e.Name.empty()) std::abort();
    if (table.Value().Find(e.Code, e.Realm) == nullptr) std::abort();
    for (std::size_t j = 0; j < i; ++j)
      if (entries[j].Code == e.Code && entries[j].Realm == e.Realm) std::abort();
  }
  return 0;
}
