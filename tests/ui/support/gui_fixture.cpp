// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include "ui/support/gui_fixture.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <filesystem>

#include "core/template_file.h"

namespace qm::testing {

GuiFixture::GuiFixture() {
  settings.DefaultSettings();
  model.StartUp(std::nullopt);
  window = std::make_unique<ui::MainWindow>(model, windows);
  window->PrepareFirstShow();
  window->resize(1280, 800);
  window->show();
  const std::string sampleFolder = folder.File("samples");
  std::filesystem::create_directories(sampleFolder);
  for (const std::string& name : samples::WriteSamples(sampleFolder))
    if (name.ends_with(".qmc") || name.ends_with(".qmy"))
      samples.push_back(sampleFolder + "/" + name);
}

void GuiFixture::LoadThroughMenu(const std::string& path) {
  files.openAnswers.push_back(path);
  Action("Load1")->trigger();
}

std::string GuiFixture::Sample(const std::string& name) const {
  for (const std::string& path : samples)
    if (path.ends_with("/" + name)) return path;
  return {};
}

void GuiFixture::Hover(QWidget* widget) {
  const QPointF inside(1, 1);
  QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
  QCoreApplication::sendEvent(widget, &enter);
}

std::vector<std::uint8_t> RecordBytes(const TTemplateRecord& tpl) {
  return samples::TemplateBytes(tpl);
}

std::vector<std::uint8_t> FileRecordBytes(const std::string& path) {
  const auto read = ReadTemplateFile(path);
  return read.Ok() ? RecordBytes(read.Value()) : std::vector<std::uint8_t>{};
}

std::vector<std::string> ViewMismatches(const GuiFixture& gui) {
  return ViewMismatches(*gui.window, gui.model.View(), gui.windows);
}

void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &release);
  }
}

}  // namespace qm::testing
