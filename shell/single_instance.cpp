#include "shell/single_instance.h"

#include <cstring>

namespace qm {
namespace {

void PutWord(std::uint8_t* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4 && offset + i < bytes.size(); ++i) {
    value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
  }
  return value;
}

}  // namespace

std::array<std::uint8_t, kInstanceRecordSize> EncodeInstanceRecord(const InstanceRecord& record) {
  std::array<std::uint8_t, kInstanceRecordSize> bytes{};
  PutWord(bytes.data(), record.Window);
  PutWord(bytes.data() + 4, record.Count);
  return bytes;
}

InstanceRecord DecodeInstanceRecord(std::span<const std::uint8_t> bytes) {
  return {GetWord(bytes, 0), GetWord(bytes, 4)};
}

OpenFileMessage MakeOpenFileMessage(std::string_view path) {
  OpenFileMessage message;
  message.payload.assign(path);
  message.payload.push_back('\0');
  return message;
}

std::string PathFromBlock(const CopyDataBlock& block) {
  if (block.Bytes == nullptr || block.Count == 0) return {};
  const void* zero = std::memchr(block.Bytes, '\0', block.Count);
  const std::size_t length =
      zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - block.Bytes)
                      : block.Count;
  return std::string(block.Bytes, length);
}

InstanceCheck SingleInstance::CheckSingleInstance(
    std::uint32_t ownWindow, std::uint32_t maximum,
    const std::optional<std::string>& commandLineFile) {
  const auto outcome = channel_.CreateRecord();
  if (outcome == InstanceChannelPort::CreateOutcome::Failed) return InstanceCheck::RecordFailed;
  holdsRecord_ = true;
  if (outcome == InstanceChannelPort::CreateOutcome::Created) {
    channel_.WriteRecord({ownWindow, 1});
    counted_ = true;
    return InstanceCheck::Run;
  }
  // A copy that could not open the record never joined the count, so it
  // must not leave it at exit either.
  if (!channel_.OpenRecord()) return InstanceCheck::End;
  const InstanceRecord record = channel_.ReadRecord();
  if (maximum > record.Count) {
    // The newest copy takes the hand-overs from now on.
    channel_.WriteRecord({ownWindow, record.Count + 1});
    counted_ = true;
    return InstanceCheck::Run;
  }
  counted_ = false;
  // Even without a template the running copy is told, so that it comes to
  // the front: this copy may not raise another program's window.
  const OpenFileMessage message = MakeOpenFileMessage(commandLineFile.value_or(std::string()));
  channel_.SendOpenFile(message.Block());
  return InstanceCheck::End;
}

int SingleInstance::ExitStep() {
  int exitCode = 0;
  if (counted_) {
    if (channel_.OpenRecord()) {
      InstanceRecord record = channel_.ReadRecord();
      // The count is shared without a lock; never let it wrap below zero.
      if (record.Count > 0) --record.Count;
      channel_.WriteRecord(record);
      counted_ = false;
    } else {
      exitCode = kExitInstanceRecord;
    }
  }
  if (holdsRecord_) {
    channel_.ReleaseRecord();
    holdsRecord_ = false;
  }
  return exitCode;
}

void HandOverReceiver::ReceiveOpenFile(const CopyDataBlock& block) {
  channel_.BringOwnWindowToFront();
  const std::string path = PathFromBlock(block);
  if (path.empty()) return;
  mainWindow_.SetPendingFile(path);
  if (mainWindow_.IsIdle()) {
    mainWindow_.LoadPendingFile();
  } else {
    user_.ShowMessage(kHandOverRefusedMessage);
  }
}

}  // namespace qm
