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
// The same, after shell commands that set the run's limits ("ulimit -f 4").
CliRun RunCliAfter(const std::string& shellSetup, const std::vector<std::string>& args);
std::vector<std::string> Lines(const std::string& text);

}  // namespace qm::testing
