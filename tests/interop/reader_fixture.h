#pragma once
// What the readers' tests share: the fixture files of tests/interop/data and
// a reader's outcome beside the tally it filled.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "interop/source_reader.h"

namespace qm::testing {

// The bytes of a fixture, by its path under tests/interop/data ("kort/drop_bow.xml").
inline std::string InteropFixture(std::string_view relative) {
  const char* root = std::getenv("QM_TESTDATA");
  std::ifstream in(std::string(root != nullptr ? root : "tests/data") + "/../interop/data/" +
                       std::string(relative),
                   std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct Reading {
  ImportTally Tally;
  Result<ReadOutcome> Outcome = Result<ReadOutcome>::Failure("not read");
};

// Reads text with a reader that needs nothing beside it.
template <Result<ReadOutcome> (*Read)(std::string_view, ReadContext&)>
Reading ReadWith(std::string_view text) {
  Reading reading;
  ReadContext context{reading.Tally, {}, {}};
  reading.Outcome = Read(text, context);
  return reading;
}

}  // namespace qm::testing
