#pragma once
// quillmark-cli as a function: the words after the program name, and the
// streams standing for stdout and stderr. Returns the exit code. Each run
// starts from the state a fresh process starts from, so runs can follow one
// another in one process.
#include <iosfwd>
#include <string>
#include <vector>

namespace qm::cli {

int RunCli(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace qm::cli
