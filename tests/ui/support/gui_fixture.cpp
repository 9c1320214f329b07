// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include "ui/support/gui_fixture.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <filesystem>

#include "core/template_file.h"

#include "ui/text_codec.h"

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

std::string LabelMismatch(const QLabel* label, const LabelState& state) {
  if (!label) return "missing";
  if (label->text() != ui::ToQt(state.Text))
    return "text '" + label->text().toStdString() + "' != '" + state.Text + "'";
  const QColor colour = label->palette().color(QPalette::WindowText);
  if (colour != QColor(state.Colour.Red, state.Colour.Green, state.Colour.Blue))
    return "colour " + colour.name().toStdString();
  if (label->toolTip() != (state.HintEnabled ? ui::ToQt(state.Hint) : QString()))
    return "hint '" + label->toolTip().toStdString() + "'";
  if (label->isHidden() == state.Visible) return "visibility";
  if (label->isEnabled() != state.Enabled) return "enabled";
  return {};
}

std::vector<std::string> ViewMismatches(const GuiFixture& gui) {
  std::vector<std::string> found;
  const auto check = [&](const std::string& name, const LabelState& state) {
    const std::string mismatch = LabelMismatch(gui.Find<QLabel>(name), state);
    if (!mismatch.empty()) found.push_back(name + ": " + mismatch);
  };
  const MainWindowView& view = gui.model.View();
  for (const FigureRow* row : view.Figures.AllRows()) {
    check(row->NameObject, row->Name);
    check(row->ValueObject, row->Value);
    check(row->CapObject, row->Cap);
    if (row->HasDiff) check(row->DiffObject, row->Diff);
  }
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotRowView& row = view.Slots[static_cast<std::size_t>(slot - 1)];
    check(SlotObjectName('n', slot), row.Name);
    check(SlotObjectName('u', slot), row.Utility);
  }
  check("lTotalUtility", view.UtilityTotal);
  if (gui.window->windowTitle() != ui::ToQt(view.Title)) found.push_back("title");
  return found;
}

std::string Describe(const std::vector<std::string>& mismatches) {
  std::string text;
  for (std::size_t i = 0; i < mismatches.size() && i < 3; ++i) text += mismatches[i] + "; ";
  return text;
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
