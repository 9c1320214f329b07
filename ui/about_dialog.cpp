#include "ui/about_dialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/text_codec.h"

namespace qm::ui {
namespace {

QLabel* MakeLabel(const char* objectName, const char* accessible, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setAccessibleDescription(QString::fromLatin1(accessible));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setWordWrap(true);
  return label;
}

// The vault's lines, in the order the box shows them.
struct VaultLine {
  const char* objectName;
  const char* accessible;
  LabelState AboutWindowView::*state;
};
constexpr VaultLine kVaultLines[] = {
    {"lVaultFile", "The vault file in use", &AboutWindowView::VaultFile},
    {"lVaultEntries", "How many entries the vault holds", &AboutWindowView::VaultEntries},
    {"lVaultVersion", "The vault's version", &AboutWindowView::VaultVersion},
    {"lVaultLabel", "The vault's label", &AboutWindowView::VaultLabel},
    {"lVaultOrigin", "Where the vault's data comes from", &AboutWindowView::VaultOrigin},
    {"lVaultVerified", "How many items are verified", &AboutWindowView::VaultVerified},
};

}  // namespace

AboutDialog::AboutDialog(const Vault& vault, QWidget* parent) : QDialog(parent), model_(vault) {
  setObjectName("frmAbout");
  setWindowTitle(ToQt(model_.View().Caption));
  setModal(true);

  QLabel* program = MakeLabel("lProgram", "The program and its version", this);
  QFont large = program->font();
  large.setPointSizeF(large.pointSizeF() * 1.5);
  large.setBold(true);
  program->setFont(large);
  program_ = LabelBinding(program);
  licence_ = LabelBinding(MakeLabel("lLicence", "The program's licence", this));

  auto* box = new QGroupBox(QStringLiteral("Vault"), this);
  box->setObjectName("VaultBox");
  auto* boxLayout = new QVBoxLayout(box);
  for (const VaultLine& vaultLine : kVaultLines) {
    QLabel* line = MakeLabel(vaultLine.objectName, vaultLine.accessible, box);
    vault_.emplace_back(line);
    boxLayout->addWidget(line);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  ok_->setObjectName("btnOK");
  ok_->setAccessibleName(QStringLiteral("OK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(program);
  layout->addWidget(licence_.Label());
  layout->addWidget(box);
  layout->addStretch(1);
  layout->addWidget(buttons);
  resize(560, 360);

  model_.SetViewChangedCallback([this] { Refresh(); });
  Refresh();
}

void AboutDialog::Prepare() {
  model_.FormShow();
  ok_->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::Run() {
  Prepare();
  exec();
}

void AboutDialog::Refresh() {
  const AboutWindowView& view = model_.View();
  program_.Apply(view.Program);
  licence_.Apply(view.Licence);
  for (std::size_t i = 0; i < vault_.size(); ++i) vault_[i].Apply(view.*kVaultLines[i].state);
}

}  // namespace qm::ui
