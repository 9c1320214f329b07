#pragma once
// Every file the program reads or writes goes through here, so the rules that
// keep outside data and the user's files safe live in one place:
// - a read opens only a regular file (a FIFO would block, a device may never
//   end) and takes no more than its caller's bound;
// - a write goes to a temporary file in the target's folder and is renamed
//   over the target only when complete, so a failed or interrupted save never
//   destroys the previous file; it never replaces a device, a folder or the
//   file the output was made from, and writes through a symbolic link.
#include <sys/types.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace qm {

// The bound of a whole-file read that names none: far above any file the
// program makes, far below what would exhaust memory.
inline constexpr std::size_t kMaxWholeFileBytes = std::size_t{1} << 30;

// The runtime's message for a file shorter than the record it must hold.
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kNotRegularFile = "not a regular file";

// "\"PATH\": reason", the one form every file message takes.
std::string FileMessage(const std::string& path, std::string_view reason);
// The message named by its file, unless it already starts with that name.
std::string NamingFile(const std::string& path, std::string_view message);
// "16 MiB", "1 GiB", or the plain byte count.
std::string SizeText(std::uint64_t bytes);

// A regular file opened for reading.
class InputFile {
 public:
  // Refuses a missing or unreadable path with the system's reason, a folder
  // with "Is a directory" and anything else that is not a regular file with
  // "not a regular file"; every message names the path.
  static Result<InputFile> Open(const std::string& path);
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  const std::string& Path() const { return path_; }
  // The size the file had when it was opened.
  std::uint64_t Size() const { return size_; }
  // Up to buffer.size() bytes; 0 at the end of the file.
  Result<std::size_t> Read(std::span<std::uint8_t> buffer);
  // The rest of the file, refused (naming the path and the bound) as soon as
  // it holds more than maxBytes; never holds more than maxBytes + 1 bytes.
  Result<std::vector<std::uint8_t>> ReadAll(std::size_t maxBytes);
  // At most maxBytes from the current position; a shorter file gives less.
  Result<std::vector<std::uint8_t>> ReadPrefix(std::size_t maxBytes);

 private:
  InputFile(std::string path, int fd, std::uint64_t size)
      : path_(std::move(path)), fd_(fd), size_(size) {}
  std::string path_;
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

// Reads at most maxBytes from the start of the file: a record file is read
// only as far as its record.
Result<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t maxBytes);
// Reads the whole file, refused when it is longer than maxBytes.
Result<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path,
                                                std::size_t maxBytes = kMaxWholeFileBytes);

// Writes bytes to path through a temporary file ".NAME.qm-tmp-XXXXXX" and a
// rename, then makes the folder's entry durable. A symbolic link is written
// through to the file it names, in that file's folder. Refused, with nothing
// written: a target that exists and is not a regular file, and a target that
// is the same file as one of inputs (the files the output is made from).
Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           const std::vector<std::string>& inputs = {});

}  // namespace qm
