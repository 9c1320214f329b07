// The crash-safe writer of core/file_io.h.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "core/file_io.h"

namespace qm {
namespace {

// The link hops the kernel itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

Status Failure(const std::string& path, int error) {
  return Status::Failure(FileMessage(path, std::strerror(error)));
}

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

// The file a path finally names: symbolic links followed, one at a time, so a
// link to a file not made yet still names where the file will be.
Result<std::string> FollowLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target - 1);
    if (length < 0) return Result<std::string>::Failure(FileMessage(path, std::strerror(errno)));
    const std::string next(target, static_cast<std::size_t>(length));
    current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
  }
  return Result<std::string>::Failure(FileMessage(path, std::strerror(ELOOP)));
}

// Refuses a target the rename must not replace.
Status CheckTarget(const std::string& path, const std::string& target,
                   const std::vector<std::string>& inputs) {
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) {
    if (errno == ENOENT) return Status::Success();
    return Failure(path, errno);
  }
  if (S_ISDIR(info.st_mode)) return Failure(path, EISDIR);
  if (!S_ISREG(info.st_mode)) return Status::Failure(FileMessage(path, kNotRegularFile));
  for (const std::string& input : inputs) {
    struct stat read {};
    if (::stat(input.c_str(), &read) == 0 && read.st_dev == info.st_dev &&
        read.st_ino == info.st_ino) {
      return Status::Failure(
          FileMessage(path, "is the input file \"" + input + "\" itself; nothing was written"));
    }
  }
  return Status::Success();
}

// A write past the file-size limit must fail and clean up rather than end the
// process with its temporary file left behind.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    saved_ = ::sigaction(SIGXFSZ, &ignore, &previous_) == 0;
  }
  ~FileSizeSignalIgnored() {
    if (saved_) ::sigaction(SIGXFSZ, &previous_, nullptr);
  }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

 private:
  struct sigaction previous_ {};
  bool saved_ = false;
};

// The folder's own entry list is durable only once the folder is synced.
int SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  // Some file systems cannot sync a folder; the rename itself has happened.
  return error == EINVAL ? 0 : error;
}

// 0, or the error that stopped the write.
int WriteAll(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    written += static_cast<std::size_t>(n);
  }
  return 0;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           const std::vector<std::string>& inputs) {
  if (path.empty()) return Status::Failure("no file name given");
  const auto followed = FollowLinks(path);
  if (!followed.Ok()) return Status::Failure(followed.Error());
  const std::string& target = followed.Value();
  if (const Status checked = CheckTarget(path, target, inputs); !checked.Ok()) return checked;

  const FileSizeSignalIgnored sizeSignal;
  const std::string folder = FolderOf(target);
  std::string temp = folder + "/." + BaseNameOf(target) + ".qm-tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Failure(path, errno);
  auto fail = [&](int error) {
    ::unlink(temp.c_str());
    return Failure(path, error);
  };

  // A replaced file keeps its permissions; a new one gets the usual 0666 less umask.
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(target.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  int error = 0;
  if (::fchmod(fd, mode) != 0) error = errno;
  if (error == 0) error = WriteAll(fd, bytes);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) return fail(error);
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail(errno);
  if (const int synced = SyncFolder(folder); synced != 0) return Failure(path, synced);
  return Status::Success();
}

}  // namespace qm
