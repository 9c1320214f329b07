#pragma once
// Open and save dialogs over QFileDialog. The models give their filters as
// "Description|patterns" pairs joined by '|'; Qt wants "Description (patterns)"
// entries joined by ";;".
#include <QString>

#include "ports/ports.h"

class QWidget;

namespace qm::ui {

QString QtFileFilter(std::string_view filter);

class QtFileDialogPort : public FileDialogPort {
 public:
  explicit QtFileDialogPort(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::string AskOpenPath(const FileDialogRequest& request) override;
  std::string AskSavePath(const FileDialogRequest& request) override;

 private:
  std::string Run(const FileDialogRequest& request, bool save);

  QWidget* parent_;
};

}  // namespace qm::ui
