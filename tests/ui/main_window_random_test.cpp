// A long seeded run of what a player does in the main window: it never
// crashes, the widgets always show the model's view, and every saved file
// reads back as the template that was saved.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <random>

#include "ui/support/gui_fixture.h"
#include "ui/text_codec.h"

using qm::testing::GuiFixture;

namespace {

// A refused class or server change leaves its combo on the refused entry;
// main_window_view_test expects that failure until the binding is fixed.
std::vector<std::string> WithoutKnownFaults(std::vector<std::string> mismatches) {
  std::erase_if(mismatches, [](const std::string& m) {
    return m.starts_with("eClass: selection") || m.starts_with("cbServer: selection");
  });
  return mismatches;
}

}  // namespace

class MainWindowRandomTest : public QObject {
  Q_OBJECT
 private slots:
  void ThreeThousandActions() {
    GuiFixture gui;
    std::mt19937 random(20240614);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::vector<std::string> loadable = gui.samples;
    QVERIFY(!loadable.empty());
    std::vector<QLabel*> hoverable;
    for (QLabel* label : gui.window->findChildren<QLabel*>())
      if (label->focusPolicy() != Qt::NoFocus || label->objectName().startsWith('l') ||
          label->objectName().startsWith('i') || label->objectName().startsWith('c'))
        hoverable.push_back(label);
    QVERIFY(hoverable.size() > 150);
    const auto choose = [&](const char* comboName) {
      auto* combo = gui.Find<QComboBox>(comboName);
      if (!combo->isEnabled() || combo->count() == 0) return;
      const int index = pick(combo->count());
      combo->setCurrentIndex(index);
      emit combo->activated(index);
    };

    int saves = 0;
    for (int step = 0; step < 3000; ++step) {
      constexpr qm::Answer kAnswers[] = {qm::Answer::Ok, qm::Answer::Cancel, qm::Answer::Abort};
      gui.user.answers = {kAnswers[pick(3)]};
      gui.user.yesNoAnswers = {pick(2) == 0};
      const std::string savePath = gui.folder.File("save" + std::to_string(pick(6)) + ".qmc");
      gui.files.saveAnswers = {savePath};
      gui.files.openAnswers = {
          loadable[static_cast<std::size_t>(pick(static_cast<int>(loadable.size())))]};
      const int action = pick(17);
      switch (action) {
        case 0: {
          auto* name = gui.Find<QLineEdit>("eName");
          const char* pieces[] = {"a", "Z", ".", "\xC3\xA9", "\xC3\x9F", " ", "?"};
          if (pick(4) == 0) name->clear();
          qm::testing::TypeText(name, QString::fromUtf8(pieces[pick(7)]));
          break;
        }
        case 1:
          choose("cbLevel");
          break;
        case 2:
          choose("cbRealmRank");
          break;
        case 3:
          choose("eClass");
          break;
        case 4:
          choose("cbRace");
          break;
        case 5:
          choose("cbServer");
          break;
        case 6:
          choose("rWepType");
          break;
        case 7: {
          auto* champion = gui.Find<QCheckBox>("cbChampion");
          if (champion->isEnabled()) QTest::mouseClick(champion, Qt::LeftButton);
          break;
        }
        case 8:
          QTest::mouseClick(gui.Find<QLabel>(qm::SlotObjectName('n', 1 + pick(qm::kSlotCount))),
                            Qt::LeftButton);
          break;
        case 9:
          gui.Action("New1")->trigger();
          break;
        case 10:
          if (pick(3) == 0) {
            QTest::mouseClick(gui.Find<QWidget>("bClearAll"), Qt::LeftButton);
          } else {
            QTest::mouseClick(gui.Find<QLabel>(pick(2) ? "lTotalUtility" : "uBelt"),
                              Qt::LeftButton);
          }
          break;
        case 11: {
          const std::size_t before = gui.user.messages.size();
          gui.Action(pick(3) == 0 ? "SaveAs1" : "Save1")->trigger();
          if (gui.user.messages.size() > before &&
              gui.user.messages.back().starts_with("Character saved")) {
            ++saves;
            const std::string written = gui.model.CurrentFile();
            QCOMPARE(qm::testing::FileRecordBytes(written),
                     qm::testing::RecordBytes(gui.model.Template()));
            if (std::find(loadable.begin(), loadable.end(), written) == loadable.end())
              loadable.push_back(written);
          }
          break;
        }
        case 12:
          gui.Action("Load1")->trigger();
          break;
        case 13: {
          QLabel* label =
              hoverable[static_cast<std::size_t>(pick(static_cast<int>(hoverable.size())))];
          GuiFixture::Hover(label);
          QStringList lines;
          for (const std::string& line : gui.model.View().InfoLines) lines << qm::ui::ToQt(line);
          QCOMPARE(gui.Find<QPlainTextEdit>("InfoLabel")->toPlainText(), lines.join('\n'));
          break;
        }
        case 14: {
          // A settings item; a chosen radio item is the one ticked afterwards.
          const char* groups[][2] = {{"Toggle", "6"}, {"UtilityType", "4"}, {"ServerType", "5"}};
          const auto& group = groups[pick(3)];
          QAction* item = gui.Action(group[0] + std::to_string(1 + pick(std::atoi(group[1]))));
          if (!item->isEnabled()) break;
          item->trigger();
          if (group[0] != std::string("Toggle")) QVERIFY2(item->isChecked(), group[0]);
          break;
        }
        case 15: {
          QAction* recent = gui.Action("Recent" + std::to_string(1 + pick(qm::kRecentFileCount)));
          if (recent->isVisible() && recent->isEnabled()) recent->trigger();
          break;
        }
        case 16: {
          QAction* history = gui.Action(pick(2) ? "Undo1" : "Redo1");
          if (history->isEnabled()) history->trigger();
          break;
        }
      }
      if (step % 10 == 0) {
        const auto mismatches = WithoutKnownFaults(qm::testing::ViewMismatches(gui));
        QVERIFY2(
            mismatches.empty(),
            ("step " + std::to_string(step) + ": " + qm::testing::Describe(mismatches)).c_str());
      }
    }
    QVERIFY(saves > 20);
  }
};

QTEST_MAIN(MainWindowRandomTest)
#include "main_window_random_test.moc"
