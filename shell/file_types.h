#pragma once
// The entries that tie a template extension to the program in the desktop's
// file-type store: the extension names a document kind, and the kind names
// the program's icon and the command that opens a document with it.
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct FileTypeEntry {
  std::string Key;          // below the file-type root, created when missing
  bool HasDefault = false;  // whether the key's default value is set
  std::string DefaultValue;
};

// The keys for extension ext (without its dot) in the order they are made,
// e.g. ".qmc" = "qmcfile", "qmcfile", "qmcfile\DefaultIcon" = program + ",0",
// "qmcfile\shell\open\command" = program + " "%1"". The program path stays
// unquoted, as the shell has always been given it.
std::vector<FileTypeEntry> FileTypeEntries(std::string_view ext, std::string_view programPath);

}  // namespace qm
