// Before any Qt header: the samples have a field that Qt's keywords would rename.
#include "tools/samples.h"

#include "ui/support/workbench_fixture.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

namespace qm::testing {
namespace {

TItemRecord Entry(std::string_view name, int slotKind, int realm,
                  std::initializer_list<samples::Bonus> bonuses) {
  TItemRecord item = samples::MakeItem(name, bonuses);
  item.SlotKind = static_cast<std::uint8_t>(slotKind);
  item.Realm = static_cast<std::uint8_t>(realm);
  return item;
}

}  // namespace

WorkbenchGui::WorkbenchGui() {
  TItemRecord header = EmptyItem();
  header.Name.Assign("Test vault");
  vault.Assign({
      header,
      Entry("Breastplate of Valor", SlotKindOf(kChest), 0, {{1, 12}}),
      Entry("Universal Jerkin", SlotKindOf(kChest), 3, {{2, 9}, {10, 40}}),
      Entry("Hibernian Vest", SlotKindOf(kChest), 1, {{2, 20}}),
      Entry("Cloak of Shadows", SlotKindOf(kCloak), 0, {{3, 6}}),
      Entry("Mighty Ring", SlotKindOf(kRing1), 3, {{1, 10}}),
  });
  host = std::make_unique<ui::WorkbenchHost>(vault, criteria, user, files, shell);
  host->SetParent(window.get());
  host->Register(windows);
  window->Refresh();
}

void WorkbenchGui::WithSlot(int slot, const std::function<void()>& whileOpen) {
  bool ran = false;
  QTimer::singleShot(0, window.get(), [&] {
    ran = true;
    VerifyViews();
    whileOpen();
    if (Dialog().isVisible()) {
      Dialog().reject();
      QFAIL("the workbench was still open");
    }
  });
  Find<QPushButton>(SlotObjectName('b', slot))->click();
  QVERIFY(ran);
}

void WorkbenchGui::Choose(const std::string& combo, int position) {
  auto* box = InDialog<QComboBox>(combo);
  QVERIFY2(box, combo.c_str());
  QVERIFY2(box->isEnabled(), combo.c_str());
  box->setCurrentIndex(position);
  emit box->activated(position);
  VerifyViews();
}

void WorkbenchGui::ChooseText(const std::string& combo, const QString& text) {
  auto* box = InDialog<QComboBox>(combo);
  QVERIFY2(box, combo.c_str());
  const int position = box->findText(text);
  QVERIFY2(position >= 0, qPrintable(text));
  Choose(combo, position);
}

void WorkbenchGui::Click(const std::string& button) {
  auto* target = InDialog<QPushButton>(button);
  QVERIFY2(target && target->isEnabled(), button.c_str());
  target->click();
  VerifyViews();
}

void WorkbenchGui::OpenTab(int page) {
  auto* tabs = InDialog<QTabWidget>("ItemTabs");
  QVERIFY(tabs);
  tabs->setCurrentIndex(page);
  QCOMPARE(tabs->currentIndex(), page);
  VerifyViews();
}

void WorkbenchGui::VerifyViews() {
  if (Dialog().isVisible() && !host->Model().Closed())
    QM_VERIFY_VIEW(ViewMismatches(Dialog(), host->Model()));
  QM_VERIFY_VIEW(ViewMismatches(*this));
}

bool WorkbenchGui::SelectListed(const QString& name) {
  auto* list = InDialog<QListView>("LItems");
  const QAbstractItemModel* items = list->model();
  for (int row = 0; row < items->rowCount(); ++row) {
    const QModelIndex index = items->index(row, 0);
    if (items->data(index).toString() == name) {
      list->setCurrentIndex(index);
      return true;
    }
  }
  return false;
}

QString WorkbenchGui::Shown(const std::string& label) {
  if (auto* shown = InDialog<QLabel>(label)) return shown->text();
  if (auto* figure = Find<QLabel>(label)) return figure->text();
  return QStringLiteral("<missing %1>").arg(QString::fromStdString(label));
}

}  // namespace qm::testing
