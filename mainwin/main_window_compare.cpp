// The main window's comparison commands: the current template, as saving
// would write it, against another template file read without loading it.
#include <filesystem>

#include "mainwin/main_window.h"
#include "mainwin/template_comparison.h"

namespace qm {

void TfrmGearMain::UpdateCompareMenu() {
  view_.CompareSaved.Enabled = !currentFile_.empty();
}

void TfrmGearMain::CompareWithTemplate() {
  FileDialogRequest request = TemplateOpenRequest("Compare with Template");
  request.Filter += "|Other planners' templates (*.znk;*.mmr;*.xml)|*.znk;*.mmr;*.xml";
  const std::string path = files_.AskOpenPath(request);
  if (!path.empty()) CompareWithFile(path);
}

void TfrmGearMain::CompareWithSavedFile() {
  if (!currentFile_.empty()) CompareWithFile(currentFile_);
}

void TfrmGearMain::CompareWithFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    user_.ShowMessage("File not found...");
    return;
  }
  auto other = ReadComparedTemplate(path);
  if (!other.Ok()) {
    user_.ShowMessage(other.Error());
    return;
  }
  ComparisonRequest request;
  request.A = RecordToSave();  // the template as saving would write it
  request.TitleA = view_.NameText + " (current template)";
  request.B = other.Value();
  request.TitleB =
      request.B.CharName.Str() + " (" + std::filesystem::path(path).filename().string() + ")";
  const BusyScope busy(*this);
  windows_.Open("compare", request);
}

}  // namespace qm
