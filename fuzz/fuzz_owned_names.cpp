// The owned items' names file of quillmark-cli optimize: any bytes give
// names that are not empty and hold no line break or blank at either end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/optimize_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string& name : qm::cli::ParseOwnedNames(text)) {
    if (name.empty() || name.find('\n') != std::string::npos) std::abort();
    constexpr std::string_view kBlanks = " \t\r\v\f";
    if (kBlanks.find(name.front()) != std::string_view::npos ||
        kBlanks.find(name.back()) != std::string_view::npos)
      std::abort();
  }
  return 0;
}
