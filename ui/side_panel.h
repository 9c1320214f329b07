#pragma once
// The information box beside the figures (StatBox): the stat breakdown of a
// hovered figure, the summary of a hovered slot's item in the short item
// labels (stat1 .. stat10, statAbs, statAF, statLevel, statQuality,
// statProc1, statProc2), and the race information, all from the model's view.
#include <array>
#include <string>
#include <vector>

#include "mainwin/main_window.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

namespace qm::ui {

class SidePanel {
 public:
  explicit SidePanel(QWidget* parent);
  QGroupBox* Box() const { return box_; }
  QPlainTextEdit* Info() const { return info_; }
  void Apply(const MainWindowView& view);

 private:
  static constexpr std::size_t kItemLabelCount = 16;
  QGroupBox* box_;
  QPlainTextEdit* info_;
  std::array<QLabel*, kItemLabelCount> itemLabels_{};
  std::string caption_;
  std::vector<std::string> lines_;
  std::array<std::string, kItemLabelCount> itemTexts_;
  bool applied_ = false;
};

// The texts of the short item labels in object-name order: stat1 .. stat10,
// then statAbs, statAF, statLevel, statQuality, statProc1, statProc2.
std::array<const std::string*, 16> ItemLabelTexts(const ItemLabels& labels);
std::array<const char*, 16> ItemLabelNames();

}  // namespace qm::ui
