#pragma once
// Runs the command-line program the build made, so a window can be checked
// against what quillmark-cli prints and writes for the same input.
#include <QByteArray>
#include <QStringList>

namespace qm::testing {

struct CliRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

CliRun RunCli(const QStringList& arguments);
// The bytes of a file; empty when it cannot be read.
QByteArray FileBytes(const QString& path);

}  // namespace qm::testing
