// The announcement rules every window model shares: nested steps announce
// once, a step handed on waits for the command's end, copies keep their
// callback to themselves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ports/view_notifier.h"

namespace qm {
namespace {

class Model : public ViewNotifier {
 public:
  std::vector<std::string> log;

  void Step(const std::string& text) {
    log.push_back(text);
    NotifyViewChanged();
  }
  void TwoSteps() {
    const ViewBatch batch(*this);
    Step("a");
    Nested();
  }
  void Nested() {
    const ViewBatch batch(*this);
    Step("b");
  }
  void Idle() { const ViewBatch batch(*this); }
  void HandOn(const std::string& first, const std::string& last) {
    const ViewChange change(*this);
    RunAtCommandEnd([this, first] { log.push_back("sent " + first); });
    RunAtCommandEnd([this, last] { log.push_back("sent " + last); });
  }
};

TEST(ViewNotifier, NestedStepsAnnounceOnceAtTheOutermostEnd) {
  Model model;
  int calls = 0;
  model.SetViewChangedCallback([&] {
    ++calls;
    model.log.push_back("announced");
  });
  model.TwoSteps();
  EXPECT_EQ(model.log, (std::vector<std::string>{"a", "b", "announced"}));
  EXPECT_EQ(model.Revision(), 1u);
  model.Nested();
  model.Step("c");
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(model.Revision(), 3u);
  model.Idle();
  EXPECT_EQ(calls, 3) << "a command that changed nothing stays quiet";
  model.SetViewChangedCallback(nullptr);
  model.Step("d");
  EXPECT_EQ(model.Revision(), 4u) << "the revision counts without a window too";
}

TEST(ViewNotifier, OnlyTheLastHandedOnStepRunsBeforeTheAnnouncement) {
  Model model;
  model.SetViewChangedCallback([&] { model.log.push_back("announced"); });
  model.HandOn("first", "last");
  EXPECT_EQ(model.log, (std::vector<std::string>{"sent last", "announced"}));
  model.TwoSteps();  // nothing left waiting from the earlier command
  EXPECT_EQ(model.log.back(), "announced");
  EXPECT_EQ(model.log.size(), 5u);
}

TEST(ViewNotifier, ACopyKeepsTheRevisionButNotTheCallback) {
  Model original;
  int calls = 0;
  original.SetViewChangedCallback([&] { ++calls; });
  original.Step("a");
  Model copy = original;
  EXPECT_EQ(copy.Revision(), 1u);
  copy.Step("b");
  EXPECT_EQ(calls, 1);
  original = copy;  // the original shows another state: its own window hears it
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(original.Revision(), 2u);
}

}  // namespace
}  // namespace qm
