#pragma once
// The salvage calculator TfrmSalvo as a window: ten amount boxes with their
// arrows, "&Clear All" and the two value bars. The dialog exists once for the
// run, so the amounts stay from one opening to the next.
#include <QDialog>
#include <array>

#include "salvage/salvage_model.h"

class QLabel;
class QPushButton;

namespace qm::ui {

class AmountBox;

class SalvageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SalvageDialog(QWidget* parent = nullptr);
  ~SalvageDialog() override;

  // Shows the calculator modally.
  void Run();
  TfrmSalvo& Model() { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Bar {
    QWidget* Box = nullptr;
    std::array<QLabel*, 5> Panels{};  // caption, platinum, gold, silver, copper
  };

  Bar MakeBar(const char* objectName, const char* accessible);
  void ApplyBar(Bar& bar, const CoinBar& state);
  void Refresh();

  TfrmSalvo model_;
  std::array<AmountBox*, kSalvageTierCount> amounts_{};
  QPushButton* clear_ = nullptr;
  Bar raw_, trinket_;
};

}  // namespace qm::ui
