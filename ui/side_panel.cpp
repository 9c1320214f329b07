#include "ui/side_panel.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/text_codec.h"
#include "ui/view_binding.h"

namespace qm::ui {

std::array<const char*, 16> ItemLabelNames() {
  return {"stat1",   "stat2",       "stat3",     "stat4",    "stat5",     "stat6",
          "stat7",   "stat8",       "stat9",     "stat10",   "statLevel", "statAF",
          "statAbs", "statQuality", "statProc1", "statProc2"};
}

namespace {

// What each short item label shows, for screen readers; in the order of
// ItemLabelNames.
constexpr const char* kItemLabelDescriptions[] = {
    "Item bonus 1",    "Item bonus 2",  "Item bonus 3",  "Item bonus 4",
    "Item bonus 5",    "Item bonus 6",  "Item bonus 7",  "Item bonus 8",
    "Item bonus 9",    "Item bonus 10", "Item level",    "Item armor factor",
    "Item absorption", "Item quality",  "Item effect 1", "Item effect 2",
};

}  // namespace

std::array<const std::string*, 16> ItemLabelTexts(const ItemLabels& labels) {
  std::array<const std::string*, 16> texts{};
  for (std::size_t i = 0; i < labels.stat.size(); ++i) texts[i] = &labels.stat[i];
  texts[10] = &labels.statLevel;
  texts[11] = &labels.statAF;
  texts[12] = &labels.statAbs;
  texts[13] = &labels.statQuality;
  texts[14] = &labels.statProc1;
  texts[15] = &labels.statProc2;
  return texts;
}

SidePanel::SidePanel(QWidget* parent) {
  box_ = new QGroupBox(parent);
  box_->setObjectName(QStringLiteral("StatBox"));
  auto* layout = new QVBoxLayout(box_);
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(0);
  layout->addLayout(grid);
  const auto names = ItemLabelNames();
  for (std::size_t i = 0; i < kItemLabelCount; ++i) {
    auto* label = new QLabel(box_);
    label->setObjectName(QString::fromLatin1(names[i]));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleDescription(QString::fromLatin1(kItemLabelDescriptions[i]));
    SetLabelText(label, {});
    itemLabels_[i] = label;
    // Bonus lines in two columns, then level, armour and the two effects.
    const int n = static_cast<int>(i);
    if (n < 10) {
      grid->addWidget(label, n % 5, n / 5);
    } else if (n < 14) {
      grid->addWidget(label, 5 + (n - 10) / 2, (n - 10) % 2);
    } else {
      grid->addWidget(label, 7 + (n - 14), 0, 1, 2);
    }
  }
  info_ = new QPlainTextEdit(box_);
  info_->setObjectName(QStringLiteral("InfoLabel"));
  info_->setReadOnly(true);
  info_->setLineWrapMode(QPlainTextEdit::NoWrap);
  info_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  info_->setAccessibleName(QStringLiteral("Information"));
  info_->setTabChangesFocus(true);
  layout->addWidget(info_, 1);
}

void SidePanel::Apply(const MainWindowView& view) {
  if (!applied_ || caption_ != view.StatBoxCaption) {
    caption_ = view.StatBoxCaption;
    box_->setTitle(ToQt(caption_));
    box_->setAccessibleName(box_->title());
  }
  if (!applied_ || lines_ != view.InfoLines) {
    lines_ = view.InfoLines;
    info_->setPlainText(ToQtLines(lines_));
  }
  const auto texts = ItemLabelTexts(view.SummaryLabels);
  for (std::size_t i = 0; i < kItemLabelCount; ++i) {
    if (applied_ && itemTexts_[i] == *texts[i]) continue;
    itemTexts_[i] = *texts[i];
    SetLabelText(itemLabels_[i], ToQt(itemTexts_[i]));
  }
  applied_ = true;
}

}  // namespace qm::ui
