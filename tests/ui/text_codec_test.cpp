#include <QtTest>

#include "ui/text_codec.h"

// Names with Latin letters must survive the trip into a widget and back.
class TextCodecTest : public QObject {
  Q_OBJECT
 private slots:
  void LatinLettersRoundTrip() {
    const std::string name =
        "Ren\xE9 Stra\xDF"
        "e";
    QCOMPARE(qm::ui::ToQt(name), QString::fromUtf8("René Straße"));
    QCOMPARE(qm::ui::FromQt(qm::ui::ToQt(name)), name);
  }
  void CharactersOutsideTheCodePageBecomeQuestionMarks() {
    QCOMPARE(qm::ui::FromQt(QString::fromUtf8("a\u4E2Db")), std::string("a?b"));
  }
};

QTEST_GUILESS_MAIN(TextCodecTest)
#include "text_codec_test.moc"
