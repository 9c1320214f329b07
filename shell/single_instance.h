#pragma once
// One running copy of the program. Every copy shares a small record holding
// the window of the copy that takes hand-overs and a count of running copies.
// A copy that finds the count at its maximum does not start: it hands its
// command-line template (or nothing) to the running copy, which comes to the
// front and loads it, and ends.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ports/ports.h"

namespace qm {

inline constexpr const char* kInstanceRecordName = "Quillmark";
inline constexpr std::size_t kInstanceRecordSize = 8;
inline constexpr int kExitInstanceRecord = 199;
inline constexpr const char* kHandOverRefusedMessage =
    "Cannot do this now, try again without subwindows open.";

// The record's bytes: the window, then the count, each 32 bits little-endian.
std::array<std::uint8_t, kInstanceRecordSize> EncodeInstanceRecord(const InstanceRecord& record);
// Bytes missing from a short record read as 0.
InstanceRecord DecodeInstanceRecord(std::span<const std::uint8_t> bytes);

// The open-file block: data word 0 and the path with its terminating zero.
// The returned string owns the bytes; block.Bytes points into it.
struct OpenFileMessage {
  std::string payload;
  CopyDataBlock Block() const {
    return {0, static_cast<std::uint32_t>(payload.size()), payload.data()};
  }
};
OpenFileMessage MakeOpenFileMessage(std::string_view path);
// The path in a block: its bytes up to the first zero, never past Count (a
// block from outside may lack the zero or claim no bytes at all).
std::string PathFromBlock(const CopyDataBlock& block);

enum class InstanceCheck {
  Run,           // this copy runs and is counted
  End,           // another copy runs: end at once, without any window
  RecordFailed,  // the record cannot be made: end with kExitInstanceRecord
};

class SingleInstance {
 public:
  explicit SingleInstance(InstanceChannelPort& channel) : channel_(channel) {}

  // Registers this copy, or hands commandLineFile (an empty path when none was
  // given) to the copy already running and tells the caller to end.
  InstanceCheck CheckSingleInstance(std::uint32_t ownWindow, std::uint32_t maximum,
                                    const std::optional<std::string>& commandLineFile);
  // Leaves the count (when this copy was counted) and lets go of the record.
  // 0, or kExitInstanceRecord when a counted copy cannot reach the record.
  int ExitStep();

  bool Counted() const { return counted_; }

 private:
  InstanceChannelPort& channel_;
  bool counted_ = false;
  bool holdsRecord_ = false;
};

// The main window as a hand-over reaches it.
class HandOverTarget {
 public:
  virtual ~HandOverTarget() = default;
  // False while a command or a modal sub-window runs.
  virtual bool IsIdle() const = 0;
  virtual void SetPendingFile(const std::string& path) = 0;
  // Loads the pending file the way a pick from the recent list would, with
  // the path going on top of the list.
  virtual void LoadPendingFile() = 0;
};

// The main window's receiver of paths from a second start.
class HandOverReceiver : public OpenFileReceiver {
 public:
  HandOverReceiver(HandOverTarget& mainWindow, UserPort& user, InstanceChannelPort& channel)
      : mainWindow_(mainWindow), user_(user), channel_(channel) {}
  // Every hand-over brings this copy to the front first, so the player sees
  // the answer to the second start. An empty path is then ignored. A busy
  // window refuses with a message and keeps both its template and its
  // unsaved-changes state; the path stays pending.
  void ReceiveOpenFile(const CopyDataBlock& block) override;

 private:
  HandOverTarget& mainWindow_;
  UserPort& user_;
  InstanceChannelPort& channel_;
};

}  // namespace qm
