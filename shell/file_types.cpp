#include "shell/file_types.h"

namespace qm {

std::vector<FileTypeEntry> FileTypeEntries(std::string_view ext, std::string_view programPath) {
  const std::string kind = std::string(ext) + "file";
  const std::string program(programPath);
  return {
      {"." + std::string(ext), true, kind},
      {kind, false, {}},
      {kind + "\\DefaultIcon", true, program + ",0"},
      {kind + "\\shell\\open\\command", true, program + " \"%1\""},
  };
}

}  // namespace qm
