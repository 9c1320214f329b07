// quillmark: the desktop program. "quillmark [TEMPLATE]" runs the window;
// "quillmark --screenshot OUT.png [TEMPLATE]" renders it into a PNG and ends,
// showing nothing and writing no settings.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/interim_ports.h"
#include "ui/headless_ports.h"
#include "ui/program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  const auto options = qm::ui::ParseProgramArguments(
      arguments, QCoreApplication::applicationFilePath().toStdString());
  if (!options) {
    std::fputs("usage: quillmark [TEMPLATE]\n       quillmark --screenshot OUT.png [TEMPLATE]\n",
               stderr);
    return 2;
  }

  if (options->screenshot) {
    qm::ui::QuietUserPort user;
    qm::ui::CancelledFileDialogs files;
    qm::ui::QuietShell shell;
    qm::ui::MemorySettingsStore store;
    qm::ui::PrivateInstanceChannel instance;
    qm::ui::ProgramPorts ports{user, files, shell, store, instance};
    const int exitCode = qm::ui::RunProgram(*options, ports);
    if (exitCode != 0)
      for (const std::string& message : user.messages)
        std::fprintf(stderr, "quillmark: %s\n", message.c_str());
    return exitCode;
  }

  qm::app::MessageBoxUser user;
  qm::app::PlainFileDialogs files;
  qm::app::DesktopServicesShell shell;
  qm::ui::MemorySettingsStore store;
  qm::ui::PrivateInstanceChannel instance;
  qm::ui::ProgramPorts ports{user, files, shell, store, instance};
  return qm::ui::RunProgram(*options, ports);
}
