#pragma once
// The figure groups of the main window: "Main Stats", "Resistance Bonuses",
// "Skill Bonuses" and "Point Bonuses" inside "Primary Bonuses", "ToA Bonuses"
// and "PvE Bonuses" inside "Expansion Bonuses". Every label is named after
// the model's control and shows its LabelState; hovering one asks for the
// breakdown of the bonus code in its tag.
#include <functional>
#include <vector>

#include "mainwin/totals_display.h"
#include "ui/view_binding.h"

class QGroupBox;
class QWidget;

namespace qm::ui {

class FigurePanel {
 public:
  // Builds the groups for the rows of display (their number never changes).
  FigurePanel(const TotalsDisplay& display, QWidget* parent);

  QGroupBox* Primary() const { return primary_; }
  QGroupBox* Expansion() const { return expansion_; }
  // The labels a keyboard user tabs through, in reading order: each row's
  // value, then its cap; each is a tab stop only while it explains something.
  const std::vector<QWidget*>& FocusOrder() const { return focusOrder_; }

  void Apply(const TotalsDisplay& display);
  std::function<void(int tag)> onHover;

 private:
  struct RowWidgets {
    LabelBinding Name, Value, Cap, Diff;
  };
  QGroupBox* AddGroup(const char* title, const std::vector<const FigureRow*>& rows,
                      const std::vector<QString>& rowCaptions, QWidget* parent);

  QGroupBox* primary_ = nullptr;
  QGroupBox* expansion_ = nullptr;
  std::vector<RowWidgets> rows_;  // in the order of TotalsDisplay::AllRows
  std::vector<QWidget*> focusOrder_;
};

}  // namespace qm::ui
