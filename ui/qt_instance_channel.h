#pragma once
// The single running copy on the desktop: a per-user lock file says whether a
// copy runs (a lock left by a crashed copy is taken over), a small record file
// beside it holds the shared record, and a local socket carries the
// hand-overs. The copy holding the lock listens; a later start connects,
// sends its block and waits until it was handled.
#include <QByteArray>
#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "ports/ports.h"

class QLocalSocket;
class QLockFile;
class QWidget;

namespace qm::ui {

class QtInstanceChannel : public QObject, public InstanceChannelPort {
  Q_OBJECT

 public:
  // folder holds the lock, the record and the socket; by default the user's
  // runtime folder, so every user has a copy of their own.
  explicit QtInstanceChannel(QString folder = DefaultFolder(), QObject* parent = nullptr);
  ~QtInstanceChannel() override;

  static QString DefaultFolder();
  QString SocketPath() const;

  // The window a hand-over brings to the front (the main window).
  void SetOwnWindow(QWidget* window) { window_ = window; }

  CreateOutcome CreateRecord() override;
  bool OpenRecord() override;
  InstanceRecord ReadRecord() override;
  void WriteRecord(const InstanceRecord& record) override;
  void ReleaseRecord() override;
  void SendOpenFile(const CopyDataBlock& block) override;
  void InstallReceiver(OpenFileReceiver* receiver) override;
  void BringOwnWindowToFront() override;

 private:
  struct Arrival {
    QPointer<QLocalSocket> socket;
    QByteArray payload;
  };

  QString RecordPath() const;
  void TakeConnections();
  void ReadFrom(QLocalSocket* socket);
  void Deliver(Arrival arrival);
  void DeliverWaiting();

  QString folder_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
  bool recordOpen_ = false;
  OpenFileReceiver* receiver_ = nullptr;
  std::vector<Arrival> waiting_;
  QPointer<QWidget> window_;
};

}  // namespace qm::ui
