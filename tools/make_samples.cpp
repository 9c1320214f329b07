// Writes the sample templates and items into a folder: used by the build for
// the README's run command and by hand when a fresh sample is wanted.
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/samples.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qm-make-samples FOLDER\n");
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(argv[1], error);
  const auto written = qm::samples::WriteSamples(argv[1]);
  if (written.empty()) {
    std::fprintf(stderr, "qm-make-samples: could not write into %s\n", argv[1]);
    return 1;
  }
  for (const auto& name : written) std::printf("%s/%s\n", argv[1], name.c_str());
  return 0;
}
