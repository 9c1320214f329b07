#include "support/temp_folder.h"

#include <random>

namespace qm::testing {

TempFolder::TempFolder() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  const auto base = std::filesystem::temp_directory_path();
  do {
    path_ = base / ("quillmark-test-" + std::to_string(random()));
  } while (std::filesystem::exists(path_));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code error;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

}  // namespace qm::testing
