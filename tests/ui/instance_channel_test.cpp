#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/fake_main_window.h"
#include "shell/single_instance.h"
#include "support/fake_ports.h"
#include "ui/qt_instance_channel.h"

// Real copies of the program meet through the lock file and the socket: this
// test program re-runs itself as the later start (or as a copy that crashes
// while it holds the lock).
namespace {

constexpr const char* kSecondCopy = "--second-copy";
constexpr const char* kCrashHolding = "--crash-holding";
constexpr int kRanAsFirst = 10;

// A later start: the single-copy check with the optional path, then the exit
// step. 0 when it handed over and ended, kRanAsFirst when it found no copy.
int RunSecondCopy(const QString& folder, const std::optional<std::string>& path) {
  qm::ui::QtInstanceChannel channel(folder);
  qm::SingleInstance copy(channel);
  const qm::InstanceCheck check = copy.CheckSingleInstance(2, 1, path);
  const int exitCode = copy.ExitStep();
  if (check == qm::InstanceCheck::Run) return kRanAsFirst;
  return check == qm::InstanceCheck::End ? exitCode : 20;
}

[[noreturn]] void CrashHoldingTheLock(const QString& folder) {
  auto* channel = new qm::ui::QtInstanceChannel(folder);
  qm::SingleInstance copy(*channel);
  const bool ran = copy.CheckSingleInstance(3, 1, std::nullopt) == qm::InstanceCheck::Run;
  std::_Exit(ran ? 3 : 4);  // no clean-up at all, as a crash leaves things
}

// The running copy: its channel, main window and the receiver that joins them.
struct RunningCopy {
  explicit RunningCopy(const QString& folder) : channel(folder) {}

  bool Start() {
    if (copy.CheckSingleInstance(1, 1, std::nullopt) != qm::InstanceCheck::Run) return false;
    channel.InstallReceiver(&receiver);
    channel.SetOwnWindow(&window);
    return true;
  }

  qm::ui::QtInstanceChannel channel;
  qm::SingleInstance copy{channel};
  qm::testing::FakeMainWindow mainWindow;
  qm::testing::FakeUserPort user;
  qm::HandOverReceiver receiver{mainWindow, user, channel};
  QMainWindow window;
};

}  // namespace

class InstanceChannelTest : public QObject {
  Q_OBJECT

  // Starts a later copy and lets this copy's event loop run until it ended.
  static int StartSecondCopy(const QString& folder, const QStringList& arguments) {
    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    second.start(QCoreApplication::applicationFilePath(),
                 QStringList{kSecondCopy, folder} + arguments);
    if (!second.waitForStarted()) return -1;
    for (int i = 0; i < 300 && second.state() != QProcess::NotRunning; ++i) {
      QTest::qWait(20);
    }
    second.waitForFinished(1000);
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
  }

 private slots:
  void ASecondStartHandsItsPathToTheRunningCopyAndEnds() {
    QTemporaryDir folder;
    RunningCopy first(folder.path());
    QVERIFY(first.Start());
    first.window.showMinimized();

    const std::string path =
        "/home/p/Ren\xC3\xA9 Stra\xC3\x9F"
        "e.qmc";
    QCOMPARE(StartSecondCopy(folder.path(), {QString::fromStdString(path)}), 0);

    QCOMPARE(first.mainWindow.loaded, std::vector<std::string>{path});
    QVERIFY(first.user.messages.empty());
    QVERIFY(!first.window.isMinimized());  // the running copy raised itself
    QCOMPARE(first.channel.ReadRecord().Count, 1u);
    QCOMPARE(first.channel.ReadRecord().Window, 1u);

    // Without a path the running copy only comes to the front.
    first.window.showMinimized();
    QCOMPARE(StartSecondCopy(folder.path(), {}), 0);
    QVERIFY(!first.window.isMinimized());
    QCOMPARE(first.mainWindow.loaded.size(), 1u);

    // Once the first copy has ended, the next start runs as the first again.
    QCOMPARE(first.copy.ExitStep(), 0);
    QCOMPARE(StartSecondCopy(folder.path(), {"/home/p/x.qmc"}), kRanAsFirst);
  }

  void AHandOverIsRefusedWhileAModalWindowIsOpen() {
    QTemporaryDir folder;
    RunningCopy first(folder.path());
    QVERIFY(first.Start());
    first.mainWindow.idle = false;  // the report is open

    QCOMPARE(StartSecondCopy(folder.path(), {"/home/p/Hero.qmc"}), 0);

    QVERIFY(first.mainWindow.loaded.empty());
    QCOMPARE(first.mainWindow.pendingFile, std::string("/home/p/Hero.qmc"));
    QCOMPARE(first.user.messages,
             std::vector<std::string>{"Cannot do this now, try again without subwindows open."});
  }

  void HandOversBeforeTheReceiverIsInstalledWaitForIt() {
    QTemporaryDir folder;
    RunningCopy first(folder.path());
    QCOMPARE(first.copy.CheckSingleInstance(1, 1, std::nullopt), qm::InstanceCheck::Run);
    QProcess second;
    second.start(QCoreApplication::applicationFilePath(),
                 {kSecondCopy, folder.path(), "/home/p/Early.qmc"});
    QVERIFY(second.waitForStarted());
    QTest::qWait(300);  // the block arrives while start-up still runs
    QVERIFY(first.mainWindow.loaded.empty());

    first.channel.InstallReceiver(&first.receiver);
    QTRY_COMPARE(first.mainWindow.loaded, std::vector<std::string>{"/home/p/Early.qmc"});
    QVERIFY(second.waitForFinished());
    QCOMPARE(second.exitCode(), 0);
  }

  void TheLockOfACrashedCopyIsTakenOver() {
    QTemporaryDir folder;
    QProcess crashed;
    crashed.start(QCoreApplication::applicationFilePath(), {kCrashHolding, folder.path()});
    QVERIFY(crashed.waitForFinished());
    QCOMPARE(crashed.exitCode(), 3);
    QVERIFY(QFile::exists(folder.filePath("Quillmark.lock")));

    RunningCopy next(folder.path());
    QVERIFY(next.Start());
    QCOMPARE(next.channel.ReadRecord().Count, 1u);
    // The socket the crashed copy left behind was made anew and answers.
    QCOMPARE(StartSecondCopy(folder.path(), {"/home/p/Hero.qmc"}), 0);
    QCOMPARE(next.mainWindow.loaded, std::vector<std::string>{"/home/p/Hero.qmc"});
  }

  void ARecordThatCannotBeMadeEndsTheStart() {
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    qm::ui::QtInstanceChannel channel(folder.filePath("file/run"));
    qm::SingleInstance copy(channel);
    QCOMPARE(copy.CheckSingleInstance(1, 1, std::nullopt), qm::InstanceCheck::RecordFailed);
  }
};

int main(int argc, char** argv) {
  if (argc >= 3 && std::string_view(argv[1]) == kSecondCopy) {
    QCoreApplication app(argc, argv);
    std::optional<std::string> path;
    if (argc >= 4) path = argv[3];
    return RunSecondCopy(QString::fromLocal8Bit(argv[2]), path);
  }
  if (argc >= 3 && std::string_view(argv[1]) == kCrashHolding) {
    QCoreApplication app(argc, argv);
    CrashHoldingTheLock(QString::fromLocal8Bit(argv[2]));
  }
  QApplication app(argc, argv);
  InstanceChannelTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "instance_channel_test.moc"
