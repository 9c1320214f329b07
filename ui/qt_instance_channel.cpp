#include "ui/qt_instance_channel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QMainWindow>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include "shell/single_instance.h"

namespace qm::ui {
namespace {

// A hand-over is a 32-bit little-endian length, then that many bytes; the
// receiver answers one byte once the block was handled.
constexpr qsizetype kLengthSize = 4;
// No path comes near this; anything longer is not one of our copies talking.
constexpr quint32 kLargestBlock = 64 * 1024;
constexpr char kHandled = 'H';
constexpr int kConnectWaitMs = 2000;
// The running copy may be showing its refusal while the player reads it.
constexpr int kHandledWaitMs = 30000;

}  // namespace

QtInstanceChannel::QtInstanceChannel(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {
  connect(&server_, &QLocalServer::newConnection, this, &QtInstanceChannel::TakeConnections);
}

QtInstanceChannel::~QtInstanceChannel() {
  ReleaseRecord();
}

QString QtInstanceChannel::DefaultFolder() {
  // The runtime folder is the user's own ($XDG_RUNTIME_DIR, or a private
  // folder Qt makes under the temporary one).
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString QtInstanceChannel::SocketPath() const {
  return folder_ + "/" + kInstanceRecordName + ".socket";
}

QString QtInstanceChannel::RecordPath() const {
  return folder_ + "/" + kInstanceRecordName + ".record";
}

InstanceChannelPort::CreateOutcome QtInstanceChannel::CreateRecord() {
  if (lock_) return CreateOutcome::Created;
  if (!QDir().mkpath(folder_)) return CreateOutcome::Failed;
  auto lock = std::make_unique<QLockFile>(folder_ + "/" + kInstanceRecordName + ".lock");
  // Only a lock whose copy is gone is stale, however long a copy has run.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    return lock->error() == QLockFile::LockFailedError ? CreateOutcome::Existed
                                                       : CreateOutcome::Failed;
  }
  // Holding the lock, any socket left here belongs to a crashed copy.
  QLocalServer::removeServer(SocketPath());
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_.listen(SocketPath())) return CreateOutcome::Failed;
  lock_ = std::move(lock);
  recordOpen_ = true;
  WriteRecord({});
  return CreateOutcome::Created;
}

bool QtInstanceChannel::OpenRecord() {
  QFile file(RecordPath());
  recordOpen_ = file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly);
  return recordOpen_;
}

InstanceRecord QtInstanceChannel::ReadRecord() {
  QFile file(RecordPath());
  if (!recordOpen_ || !file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(kInstanceRecordSize);
  return DecodeInstanceRecord({reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())});
}

void QtInstanceChannel::WriteRecord(const InstanceRecord& record) {
  if (!recordOpen_) return;
  const auto bytes = EncodeInstanceRecord(record);
  QSaveFile file(RecordPath());
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  file.commit();
}

void QtInstanceChannel::ReleaseRecord() {
  recordOpen_ = false;
  if (!lock_) return;
  server_.close();
  QFile::remove(RecordPath());
  lock_->unlock();
  lock_.reset();
}

void QtInstanceChannel::SendOpenFile(const CopyDataBlock& block) {
  QLocalSocket socket;
  socket.connectToServer(SocketPath());
  if (!socket.waitForConnected(kConnectWaitMs)) return;
  QByteArray frame(kLengthSize, '\0');
  qToLittleEndian<quint32>(block.Count, frame.data());
  if (block.Bytes != nullptr) frame.append(block.Bytes, block.Count);
  socket.write(frame);
  if (!socket.waitForBytesWritten(kConnectWaitMs)) return;
  // Waiting for the answer keeps this copy alive until the block was handled.
  while (socket.bytesAvailable() == 0 && socket.state() == QLocalSocket::ConnectedState) {
    if (!socket.waitForReadyRead(kHandledWaitMs)) break;
  }
  socket.disconnectFromServer();
}

void QtInstanceChannel::TakeConnections() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    ReadFrom(socket);
  }
}

void QtInstanceChannel::ReadFrom(QLocalSocket* socket) {
  if (socket->property("taken").toBool() || socket->bytesAvailable() < kLengthSize) return;
  const QByteArray head = socket->peek(kLengthSize);
  const quint32 length = qFromLittleEndian<quint32>(head.constData());
  if (length > kLargestBlock) {
    socket->abort();
    return;
  }
  if (socket->bytesAvailable() < kLengthSize + static_cast<qint64>(length)) return;
  socket->read(kLengthSize);
  socket->setProperty("taken", true);
  Deliver({socket, socket->read(length)});
}

void QtInstanceChannel::Deliver(Arrival arrival) {
  if (receiver_ == nullptr) {
    waiting_.push_back(std::move(arrival));
    return;
  }
  const CopyDataBlock block{0, static_cast<std::uint32_t>(arrival.payload.size()),
                            arrival.payload.constData()};
  receiver_->ReceiveOpenFile(block);
  if (arrival.socket) {
    arrival.socket->write(&kHandled, 1);
    arrival.socket->flush();
    arrival.socket->disconnectFromServer();
  }
}

void QtInstanceChannel::InstallReceiver(OpenFileReceiver* receiver) {
  receiver_ = receiver;
  // Hand-overs that came in early are taken once the program is back in its
  // event loop, not in the middle of start-up.
  if (receiver_ != nullptr && !waiting_.empty()) {
    QTimer::singleShot(0, this, &QtInstanceChannel::DeliverWaiting);
  }
}

void QtInstanceChannel::DeliverWaiting() {
  std::vector<Arrival> arrivals;
  arrivals.swap(waiting_);
  for (Arrival& arrival : arrivals) Deliver(std::move(arrival));
}

void QtInstanceChannel::BringOwnWindowToFront() {
  QWidget* window = window_;
  if (window == nullptr) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMainWindow*>(widget) != nullptr) window = widget;
    }
  }
  if (window == nullptr) return;
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace qm::ui
