#include "core/file_contents.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <utility>

#include "core/file_io.h"

namespace qm {
namespace {

// Below this a file goes on the heap: folders hold thousands of small item
// files, and a mapping per file would cost more than it saves.
constexpr std::size_t kMapFrom = std::size_t{256} << 10;

std::size_t PageRounded(std::size_t bytes) {
  static const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  return (bytes + page - 1) / page * page;
}

}  // namespace

FileContents::FileContents(FileContents&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

FileContents& FileContents::operator=(FileContents&& other) noexcept {
  if (this != &other) {
    FileContents gone(std::move(*this));
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    mapped_ = std::exchange(other.mapped_, 0);
  }
  return *this;
}

FileContents::~FileContents() {
  if (mapped_ != 0) {
    ::munmap(data_, mapped_);
  } else {
    std::free(data_);
  }
}

Result<FileContents> ReadFileContents(const std::string& path, std::size_t maxBytes) {
  using Read = Result<FileContents>;
  auto opened = InputFile::Open(path);
  if (!opened.Ok()) return Read::Failure(opened.Error());
  InputFile& file = opened.Value();
  const std::string tooLarge = FileMessage(path, "the file is larger than " + SizeText(maxBytes));
  if (file.Size() > maxBytes) return Read::Failure(tooLarge);

  // Room for one byte more than the file had: reading it tells a file that grew.
  const std::size_t limit = maxBytes == static_cast<std::size_t>(-1) ? maxBytes : maxBytes + 1;
  FileContents contents;
  std::size_t capacity = static_cast<std::size_t>(file.Size()) + 1;
  const auto allocate = [&](std::size_t bytes) {
    if (bytes < kMapFrom && contents.mapped_ == 0) {
      void* block = std::realloc(contents.data_, bytes);
      if (block == nullptr) return false;
      contents.data_ = static_cast<char*>(block);
      return true;
    }
    const std::size_t rounded = PageRounded(bytes);
    void* block = ::mmap(nullptr, rounded, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (block == MAP_FAILED) return false;
    std::copy_n(contents.data_, contents.size_, static_cast<char*>(block));
    FileContents old(std::move(contents));
    contents.data_ = static_cast<char*>(block);
    contents.size_ = old.size_;
    contents.mapped_ = rounded;
    return true;
  };
  if (!allocate(capacity)) return Read::Failure(FileMessage(path, "not enough memory to read it"));
  for (;;) {
    if (contents.size_ == capacity) {
      // The file grew since it was opened.
      if (capacity > maxBytes) return Read::Failure(tooLarge);
      capacity = capacity > limit / 2 ? limit : 2 * capacity;
      if (!allocate(capacity)) {
        return Read::Failure(FileMessage(path, "not enough memory to read it"));
      }
    }
    const auto got = file.Read({reinterpret_cast<std::uint8_t*>(contents.data_) + contents.size_,
                                capacity - contents.size_});
    if (!got.Ok()) return Read::Failure(got.Error());
    if (got.Value() == 0) break;
    contents.size_ += got.Value();
  }
  if (contents.size_ > maxBytes) return Read::Failure(tooLarge);
  return contents;
}

}  // namespace qm
