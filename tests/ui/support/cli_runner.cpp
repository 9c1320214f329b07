#include "ui/support/cli_runner.h"

#include <QFile>
#include <QProcess>

namespace qm::testing {

CliRun RunCli(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(QM_CLI_PATH), arguments);
  CliRun run;
  if (!process.waitForFinished(30000)) return run;
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace qm::testing
