#pragma once
// Runs the built quillmark-cli with arguments and collects what it printed.
#include <string>
#include <vector>

namespace qm::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args);
std::vector<std::string> Lines(const std::string& text);

}  // namespace qm::testing
