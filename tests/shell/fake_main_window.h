#pragma once
// A main window that only records what start-up and hand-overs ask of it.
#include <optional>
#include <string>
#include <vector>

#include "shell/startup.h"
#include "support/fake_ports.h"

namespace qm::testing {

class FakeMainWindow : public StartupMainWindow, public LoggingFake {
 public:
  bool idle = true;
  std::string pendingFile;
  std::vector<std::string> loaded;
  int startUps = 0;
  std::optional<std::string> startUpFile;

  bool IsIdle() const override { return idle; }
  void SetPendingFile(const std::string& path) override {
    pendingFile = path;
    Note("pending " + path);
  }
  void LoadPendingFile() override {
    loaded.push_back(pendingFile);
    Note("load " + pendingFile);
    pendingFile.clear();
  }
  void StartUp(const std::optional<std::string>& commandLineFile) override {
    ++startUps;
    startUpFile = commandLineFile;
    Note("main window start-up");
  }
};

}  // namespace qm::testing
