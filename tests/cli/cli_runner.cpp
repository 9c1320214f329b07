#include "cli/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/run_cli.h"
#include "support/temp_folder.h"

namespace qm::testing {
namespace {

std::string Quote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.exitCode = cli::RunCli(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

CliRun RunCliProcess(const std::vector<std::string>& args) {
  return RunCliAfter("", args);
}

CliRun RunCliAfter(const std::string& shellSetup, const std::vector<std::string>& args) {
  TempFolder folder;
  // A run that hangs ends after a minute instead of stopping the suite.
  std::string command =
      shellSetup + (shellSetup.empty() ? "" : "; ") + "exec timeout 60 " + Quote(QM_CLI_PATH);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " >" + Quote(folder.File("out")) + " 2>" + Quote(folder.File("err"));
  const int status = std::system(command.c_str());
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = Slurp(folder.File("out"));
  run.err = Slurp(folder.File("err"));
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace qm::testing
