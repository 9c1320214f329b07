#include "vault/vault_stream_packer.h"

#include <zlib.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "vault/vault_writer.h"
#include "vault/zlib_stream.h"

namespace qm {
namespace {

// Entries handed to the thread at a time, and how many such batches may wait
// before the gathering waits for the packing (so memory stays bounded).
constexpr std::size_t kBatchEntries = 512;
constexpr std::size_t kMaxWaitingBatches = 32;
// The text packed at a time.
constexpr std::size_t kTextPiece = std::size_t{1} << 20;
constexpr int kWindowBits = 15;
constexpr int kMemLevel = 8;

// Drains whatever deflate has to give into out.
int Deflate(z_stream& stream, std::string_view text, int flush, std::vector<std::uint8_t>& out) {
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  int status = Z_OK;
  do {
    const std::size_t used = out.size();
    if (out.capacity() - used < (std::size_t{1} << 16)) {
      out.reserve(std::max<std::size_t>(2 * out.capacity(), kTextPiece));
    }
    out.resize(std::min(out.capacity(), used + kTextPiece));
    stream.next_out = out.data() + used;
    stream.avail_out = static_cast<uInt>(out.size() - used);
    status = deflate(&stream, flush);
    out.resize(out.size() - stream.avail_out);
    if (status == Z_STREAM_ERROR) return status;
  } while (flush == Z_FINISH ? status != Z_STREAM_END
                             : stream.avail_in > 0 || stream.avail_out == 0);
  return Z_OK;
}

}  // namespace

// The thread and what it shares with the gathering side.
struct VaultStreamPacker::Worker {
  std::mutex Lock;
  std::condition_variable Changed;
  std::deque<std::vector<TItemRecord>> Waiting;
  bool Finishing = false;  // no more batches come; finish the stream
  bool Stopping = false;   // give up
  bool Done = false;
  std::string Failure;

  // Only the thread touches these until Done.
  z_stream Stream{};
  bool Started = false;
  std::vector<std::uint8_t> Packed;  // raw deflate data of entries 1..n
  uLong Checksum = adler32(0, nullptr, 0);
  std::uint64_t TextBytes = 0;
  std::size_t NextIndex = 1;
  std::thread Thread;

  void Run() {
    Started = deflateInit2(&Stream, kVaultPackLevel, Z_DEFLATED, -kWindowBits, kMemLevel,
                           Z_DEFAULT_STRATEGY) == Z_OK;
    std::string text;
    text.reserve(kTextPiece + 4096);
    std::string failure = Started ? "" : "packing failed";
    for (;;) {
      std::vector<TItemRecord> batch;
      bool finishing = false;
      {
        std::unique_lock lock(Lock);
        Changed.wait(lock, [&] { return Stopping || Finishing || !Waiting.empty(); });
        if (Stopping) break;
        if (!Waiting.empty()) {
          batch = std::move(Waiting.front());
          Waiting.pop_front();
          Changed.notify_all();
        } else {
          finishing = true;
        }
      }
      if (!failure.empty()) continue;
      for (const TItemRecord& entry : batch) AppendVaultEntryText(text, entry, NextIndex++);
      if (text.size() >= kTextPiece || finishing) {
        Checksum = adler32_z(Checksum, reinterpret_cast<const Bytef*>(text.data()), text.size());
        TextBytes += text.size();
        if (Deflate(Stream, text, finishing ? Z_FINISH : Z_NO_FLUSH, Packed) != Z_OK) {
          failure = "packing failed";
        }
        text.clear();
      }
      if (finishing) break;
    }
    if (Started) deflateEnd(&Stream);
    const std::lock_guard lock(Lock);
    Failure = failure;
    Done = true;
    Changed.notify_all();
  }
};

VaultStreamPacker::VaultStreamPacker() : worker_(std::make_unique<Worker>()) {
  batch_.reserve(kBatchEntries);
  worker_->Thread = std::thread([w = worker_.get()] { w->Run(); });
}

VaultStreamPacker::~VaultStreamPacker() {
  {
    const std::lock_guard lock(worker_->Lock);
    worker_->Stopping = true;
  }
  worker_->Changed.notify_all();
  worker_->Thread.join();
}

void VaultStreamPacker::Hand() {
  std::unique_lock lock(worker_->Lock);
  worker_->Changed.wait(lock, [&] { return worker_->Waiting.size() < kMaxWaitingBatches; });
  worker_->Waiting.push_back(std::move(batch_));
  lock.unlock();
  worker_->Changed.notify_all();
  batch_ = {};
  batch_.reserve(kBatchEntries);
}

void VaultStreamPacker::Add(const TItemRecord& entry) {
  batch_.push_back(entry);
  ++added_;
  if (batch_.size() == kBatchEntries) Hand();
}

Result<std::vector<std::uint8_t>> VaultStreamPacker::Finish(const TItemRecord& header) {
  using Packed = Result<std::vector<std::uint8_t>>;
  if (const std::string why = WhyHeaderNotWritable(header); !why.empty()) {
    return Packed::Failure(why);
  }
  if (!batch_.empty()) Hand();
  {
    std::unique_lock lock(worker_->Lock);
    worker_->Finishing = true;
    worker_->Changed.notify_all();
    worker_->Changed.wait(lock, [&] { return worker_->Done; });
    if (!worker_->Failure.empty()) return Packed::Failure(worker_->Failure);
  }

  // The head: the zlib header, the header lines and entry 0, flushed to a
  // byte boundary without ending the stream.
  std::string head;
  AppendVaultHeadText(head, header, added_ + 1);
  z_stream stream{};
  if (deflateInit(&stream, kVaultPackLevel) != Z_OK) return Packed::Failure("packing failed");
  std::vector<std::uint8_t> bytes;
  bytes.reserve(head.size() + worker_->Packed.size() + 64);
  const int status = Deflate(stream, head, Z_SYNC_FLUSH, bytes);
  deflateEnd(&stream);
  if (status != Z_OK) return Packed::Failure("packing failed");
  bytes.insert(bytes.end(), worker_->Packed.begin(), worker_->Packed.end());
  const uLong headSum =
      adler32_z(adler32(0, nullptr, 0), reinterpret_cast<const Bytef*>(head.data()), head.size());
  const uLong sum =
      adler32_combine(headSum, worker_->Checksum, static_cast<z_off_t>(worker_->TextBytes));
  for (int shift = 24; shift >= 0; shift -= 8) {
    bytes.push_back(static_cast<std::uint8_t>(sum >> shift));
  }
  return bytes;
}

}  // namespace qm
