#pragma once
// A whole file held read-only for parsing, in one block mapped in full before
// the file is read into it. An item database runs to tens of megabytes, and
// on a virtual machine every page first touched in a growing buffer costs a
// fault worth many times its copy; a block that is mapped at once costs none.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/result.h"

namespace qm {

class FileContents {
 public:
  FileContents() = default;
  FileContents(FileContents&& other) noexcept;
  FileContents& operator=(FileContents&& other) noexcept;
  FileContents(const FileContents&) = delete;
  FileContents& operator=(const FileContents&) = delete;
  ~FileContents();

  std::string_view View() const { return {data_, size_}; }
  std::size_t Size() const { return size_; }

 private:
  friend Result<FileContents> ReadFileContents(const std::string& path, std::size_t maxBytes);
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t mapped_ = 0;  // 0: data_ is on the heap
};

// The whole file, refused like ReadFileBytes: a path that is not a readable
// regular file, and a file longer than maxBytes (also one that grows past it
// while it is read).
Result<FileContents> ReadFileContents(const std::string& path, std::size_t maxBytes);

}  // namespace qm
