#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace qm {
namespace {

std::string Describe(const std::string& path, int error) {
  return "\"" + path + "\": " + std::strerror(error);
}

// Closes a descriptor on every path out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Result<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return Result<std::vector<std::uint8_t>>::Failure(Describe(path, errno));
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0)
    return Result<std::vector<std::uint8_t>>::Failure(Describe(path, errno));
  if (S_ISDIR(info.st_mode))
    return Result<std::vector<std::uint8_t>>::Failure(Describe(path, EISDIR));

  std::vector<std::uint8_t> bytes;
  std::uint8_t buffer[65536];
  while (bytes.size() < maxBytes) {
    const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const ssize_t got = ::read(fd.Get(), buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return Result<std::vector<std::uint8_t>>::Failure(Describe(path, errno));
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  return bytes;
}

Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  return ReadFilePrefix(path, static_cast<std::size_t>(-1));
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return Status::Failure("no file name given");
  struct stat target {};
  if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
    return Status::Failure(Describe(path, EISDIR));

  std::string temp = FolderOf(path) + "/." + BaseNameOf(path) + ".XXXXXX";
  FileDescriptor fd(::mkstemp(temp.data()));
  if (fd.Get() < 0) return Status::Failure(Describe(path, errno));

  auto fail = [&](int error) {
    ::close(fd.Release());
    ::unlink(temp.c_str());
    return Status::Failure(Describe(path, error));
  };

  // A replaced file keeps its permissions; a new one gets the usual 0644 less umask.
  mode_t mode = 0;
  if (::stat(path.c_str(), &target) == 0) {
    mode = target.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd.Get(), mode) != 0) return fail(errno);

  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd.Get(), bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fsync(fd.Get()) != 0) return fail(errno);
  if (::close(fd.Release()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Status::Failure(Describe(path, error));
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return Status::Failure(Describe(path, error));
  }
  return Status::Success();
}

}  // namespace qm
