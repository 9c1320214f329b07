#include "ui/salvage_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "ui/amount_box.h"
#include "ui/text_codec.h"

namespace qm::ui {
namespace {

constexpr const char* kCoinNames[] = {"platinum", "gold", "silver", "copper"};

// The calculator's arrows move an amount by its own step (UpDownClick), not by one.
class SalvageAmountBox : public AmountBox {
 public:
  explicit SalvageAmountBox(QWidget* parent) : AmountBox(kMaxSalvageAmount, true, parent) {}
  std::function<void(bool up)> onStepped;
  void stepBy(int steps) override {
    if (steps != 0 && onStepped) onStepped(steps > 0);
  }
};

}  // namespace

SalvageDialog::SalvageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSalvo");
  setWindowTitle(ToQt(kSalvageCaption));
  // A fixed border and only the close box.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);

  auto* metals = new QGroupBox(QStringLiteral("Metal Amounts"), this);
  metals->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(metals);
  for (int tier = 0; tier < kSalvageTierCount; ++tier) {
    const SalvageTier& info = SalvageTiers()[static_cast<std::size_t>(tier)];
    auto* box = new SalvageAmountBox(metals);
    box->setObjectName(ToQt(info.EditName));
    box->setAccessibleName(ToQt(info.Label));
    box->setAccessibleDescription(ToQt(info.Label) + QStringLiteral(" amount, 0 to 32000"));
    auto* label = new QLabel(ToQt(info.Label), metals);
    label->setObjectName(QStringLiteral("Label%1").arg(tier + 1));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setToolTip(ToQt(kSalvageLabelHint));
    label->setBuddy(box);
    grid->addWidget(label, tier, 0);
    grid->addWidget(box, tier, 1);
    amounts_[static_cast<std::size_t>(tier)] = box;

    box->onEdited = [this, box, tier](const std::string& text, int caret) {
      const NormalisedAmount result = model_.sChange(tier, text, static_cast<std::size_t>(caret));
      box->ShowEdit({result.Text, static_cast<int>(result.Caret)});
    };
    box->onStepped = [this, tier](bool up) { model_.UpDownClick(tier, up); };
    // A label click is the way to the edit, as its hint says.
    label->installEventFilter(this);
    box->installEventFilter(this);
  }

  clear_ = new QPushButton(QStringLiteral("&Clear All"), this);
  clear_->setObjectName("Clear");
  clear_->setAccessibleName(QStringLiteral("Clear All"));
  clear_->installEventFilter(this);
  connect(clear_, &QPushButton::clicked, this, [this] { model_.ClearClick(); });

  raw_ = MakeBar("RawValue", "Raw value");
  trinket_ = MakeBar("cashbar", "Trinket value");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(metals);
  layout->addWidget(clear_);
  layout->addWidget(raw_.Box);
  layout->addWidget(trinket_.Box);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

SalvageDialog::~SalvageDialog() {
  model_.SetViewChangedCallback({});
}

SalvageDialog::Bar SalvageDialog::MakeBar(const char* objectName, const char* accessible) {
  Bar bar;
  auto* frame = new QFrame(this);
  frame->setObjectName(QString::fromLatin1(objectName));
  frame->setAccessibleName(QString::fromLatin1(accessible));
  auto* row = new QHBoxLayout(frame);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  for (std::size_t k = 0; k < bar.Panels.size(); ++k) {
    auto* panel = new QLabel(frame);
    panel->setObjectName(QStringLiteral("%1Panel%2").arg(QString::fromLatin1(objectName)).arg(k));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(QStringLiteral("G: 000g")) + 8);
    if (k == 0) {
      panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      panel->setAccessibleDescription(QString::fromLatin1(accessible));
    } else {
      panel->setAccessibleDescription(QString::fromLatin1(accessible) + QStringLiteral(" in ") +
                                      QString::fromLatin1(kCoinNames[k - 1]));
      // Keyboard users reach the values with Tab; the panels only read out.
      panel->setFocusPolicy(Qt::TabFocus);
      panel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    }
    row->addWidget(panel, k == 0 ? 0 : 1);
    bar.Panels[k] = panel;
  }
  bar.Box = frame;
  return bar;
}

void SalvageDialog::ApplyBar(Bar& bar, const CoinBar& state) {
  bar.Panels[0]->setText(ToQt(state.Caption.Text));
  for (std::size_t k = 0; k < state.Panels.size(); ++k)
    bar.Panels[k + 1]->setText(ToQt(state.Panels[k].Text));
}

void SalvageDialog::Refresh() {
  const SalvageView& view = model_.View();
  for (std::size_t tier = 0; tier < amounts_.size(); ++tier) {
    // An edit puts the caret where the model says once its command returns.
    amounts_[tier]->ShowText(view.Amounts[tier].Text);
  }
  ApplyBar(raw_, view.RawValue);
  ApplyBar(trinket_, view.Cashbar);
}

void SalvageDialog::Run() {
  Refresh();
  amounts_[0]->setFocus(Qt::OtherFocusReason);
  exec();
}

// Moving the mouse over an edit or the button gives it the focus; clicking a
// tier's label moves to its edit.
bool SalvageDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress) {
    QWidget* target = nullptr;
    if (auto* label = qobject_cast<QLabel*>(watched)) {
      if (event->type() == QEvent::MouseButtonPress) target = label->buddy();
    } else if (event->type() == QEvent::Enter) {
      target = qobject_cast<QWidget*>(watched);
    }
    if (target && target->isEnabled()) target->setFocus(Qt::MouseFocusReason);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace qm::ui
