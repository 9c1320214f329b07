#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace qm {
using Bytes = std::vector<std::uint8_t>;

std::string FileMessage(const std::string& path, std::string_view reason) {
  return "\"" + path + "\": " + std::string(reason);
}

std::string NamingFile(const std::string& path, std::string_view message) {
  const std::string name = "\"" + path + "\": ";
  if (message.substr(0, name.size()) == name) return std::string(message);
  return name + std::string(message);
}

std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kMiB = std::uint64_t{1} << 20;
  constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;
  if (bytes >= kGiB && bytes % kGiB == 0) return std::to_string(bytes / kGiB) + " GiB";
  if (bytes >= kMiB && bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
  if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes / 1024) + " KiB";
  return std::to_string(bytes) + " bytes";
}

Result<InputFile> InputFile::Open(const std::string& path) {
  // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Result<InputFile>::Failure(FileMessage(path, std::strerror(errno)));
  InputFile file(path, fd, 0);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return Result<InputFile>::Failure(FileMessage(path, std::strerror(errno)));
  }
  if (S_ISDIR(info.st_mode))
    return Result<InputFile>::Failure(FileMessage(path, std::strerror(EISDIR)));
  if (!S_ISREG(info.st_mode)) return Result<InputFile>::Failure(FileMessage(path, kNotRegularFile));
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return Result<InputFile>::Failure(FileMessage(path, std::strerror(errno)));
  }
  file.size_ = static_cast<std::uint64_t>(info.st_size);
  return file;
}

InputFile::InputFile(InputFile&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), size_(other.size_) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    path_ = std::move(other.path_);
    fd_ = std::exchange(other.fd_, -1);
    size_ = other.size_;
  }
  return *this;
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

Result<std::size_t> InputFile::Read(std::span<std::uint8_t> buffer) {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR)
      return Result<std::size_t>::Failure(FileMessage(path_, std::strerror(errno)));
  }
}

Result<Bytes> InputFile::ReadPrefix(std::size_t maxBytes) {
  Bytes bytes;
  bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(size_, maxBytes)));
  std::uint8_t buffer[65536];
  while (bytes.size() < maxBytes) {
    const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const auto got = Read({buffer, want});
    if (!got.Ok()) return Result<Bytes>::Failure(got.Error());
    if (got.Value() == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got.Value());
  }
  return bytes;
}

Result<Bytes> InputFile::ReadAll(std::size_t maxBytes) {
  const std::string tooLarge = FileMessage(path_, "the file is larger than " + SizeText(maxBytes));
  if (size_ > maxBytes) return Result<Bytes>::Failure(tooLarge);
  // One byte past the bound tells a file that grew since it was opened.
  auto bytes = ReadPrefix(maxBytes == static_cast<std::size_t>(-1) ? maxBytes : maxBytes + 1);
  if (bytes.Ok() && bytes.Value().size() > maxBytes) return Result<Bytes>::Failure(tooLarge);
  return bytes;
}

Result<Bytes> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
  auto file = InputFile::Open(path);
  if (!file.Ok()) return Result<Bytes>::Failure(file.Error());
  return file.Value().ReadPrefix(maxBytes);
}

Result<Bytes> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
  auto file = InputFile::Open(path);
  if (!file.Ok()) return Result<Bytes>::Failure(file.Error());
  return file.Value().ReadAll(maxBytes);
}

}  // namespace qm
