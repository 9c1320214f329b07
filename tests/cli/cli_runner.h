#pragma once
// Runs quillmark-cli with arguments and collects what it printed: in this
// process by default, or as the built program where only a process shows the
// fault (exit status of the program itself, shell limits, FIFOs and devices
// that could block, memory use).
#include <string>
#include <vector>

namespace qm::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

CliRun RunCli(const std::vector<std::string>& args);
// The built quillmark-cli, ended after a minute if it hangs.
CliRun RunCliProcess(const std::vector<std::string>& args);
// The same, after shell commands that set the run's limits ("ulimit -f 4").
CliRun RunCliAfter(const std::string& shellSetup, const std::vector<std::string>& args);
std::vector<std::string> Lines(const std::string& text);

}  // namespace qm::testing
