#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "shell/startup.h"
#include "ui/qt_user_port.h"
#include "ui/question_dialog.h"
#include "ui/splash_screen.h"

// The question dialog and the splash as a player meets them. With
// QM_SCREENSHOT_DIR set, each picture is also written there.
namespace {

void KeepPicture(QWidget& widget, const char* name) {
  const QByteArray folder = qgetenv("QM_SCREENSHOT_DIR");
  if (!folder.isEmpty()) widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name);
}

// The picture has more than a handful of colours: something was painted.
int Colours(const QImage& image) {
  QSet<QRgb> seen;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) seen.insert(image.pixel(x, y));
  }
  return static_cast<int>(seen.size());
}

QPushButton* Button(QWidget& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(name);
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void TheButtonsSitWhereTheQuestionPutsThem() {
    struct Case {
      const char* abort;
      const char* retry;
      std::array<int, 4> left;  // -1: hidden
    };
    const Case cases[] = {
        {"", "", {95, 183, -1, -1}},
        {"&Abort", "&Retry", {7, 95, 183, 271}},
        {"&Abort", "", {47, 135, 223, -1}},
        {"", "&Retry", {95, 183, -1, 271}},
    };
    qm::ui::QuestionDialog dialog;
    for (const Case& c : cases) {
      dialog.Prepare("Save changes first?", "Quillmark", "&Yes", "&No", c.abort, c.retry);
      const char* names[] = {"OKBtn", "CancelBtn", "Button1", "Button2"};
      const int rowTop = dialog.findChild<QLabel*>("Label1")->height() + 8;
      for (int i = 0; i < 4; ++i) {
        QPushButton* b = Button(dialog, names[i]);
        QCOMPARE(!b->isHidden(), c.left[i] >= 0);
        if (c.left[i] >= 0) QCOMPARE(b->pos(), QPoint(c.left[i], rowTop));
      }
      QCOMPARE(dialog.size(), QSize(361, rowTop + 32));
    }
    QCOMPARE(Button(dialog, "Button2")->accessibleName(), QString("Retry"));
  }

  // The program ends its main window before the port; a test may end them the
  // other way round. Either way the question dialog goes once.
  void TheQuestionDialogGoesOnceWhicheverOwnerEndsFirst() {
    {
      qm::ui::QtUserPort user;
      auto mainWindow = std::make_unique<QWidget>();
      user.SetParent(mainWindow.get());
      QCOMPARE(user.Dialog().parentWidget(), mainWindow.get());
      mainWindow.reset();
    }
    QWidget mainWindow;
    {
      qm::ui::QtUserPort user;
      user.SetParent(&mainWindow);
      user.Dialog();
    }
    QVERIFY(mainWindow.findChildren<qm::ui::QuestionDialog*>().isEmpty());
  }

  void AButtonOrTheKeyboardEndsTheQuestionWithItsResult() {
    qm::ui::QuestionDialog dialog;
    qm::ui::QtUserPort user(nullptr, &dialog);
    QTimer::singleShot(0, &dialog,
                       [&] { QTest::mouseClick(Button(dialog, "Button1"), Qt::LeftButton); });
    QCOMPARE(user.AskUser("Which ring?", "Rings", "Ring &1", "Ring &2", "&Cancel", ""),
             qm::Answer::Abort);

    // Enter takes the ok button, which has the focus when shown.
    QTimer::singleShot(0, &dialog,
                       [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
    QCOMPARE(user.AskUser("Load anyway?", "Item", "&Load", "&Skip", "", ""), qm::Answer::Ok);

    // Tab moves on to the next button.
    QTimer::singleShot(0, &dialog, [&] {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(user.AskUser("Load anyway?", "Item", "&Load", "&Skip", "", ""), qm::Answer::Cancel);
  }

  void TheQuestionCannotBeClosedBeforeAButtonWasPressed() {
    qm::ui::QuestionDialog dialog;
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
      dialog.close();
      QTest::keyClick(&dialog, Qt::Key_Escape);
      stayedOpen = dialog.isVisible();
      QTest::mouseClick(Button(dialog, "CancelBtn"), Qt::LeftButton);
    });
    QCOMPARE(dialog.Ask("Save changes to New Character?", "Quillmark Classic", "&Save", "&Discard",
                        "", ""),
             qm::Answer::Cancel);
    QVERIFY(stayedOpen);
    QVERIFY(!dialog.isVisible());

    // A long message wraps and pushes the buttons down.
    dialog.Prepare("One line", "Short", "&OK", "&Cancel", "", "");
    const int oneLine = Button(dialog, "OKBtn")->y();
    std::string longMessage;
    for (int i = 0; i < 40; ++i) longMessage += "several words ";
    dialog.Prepare(longMessage, "Long", "&OK", "&Cancel", "&Abort", "&Retry");
    QVERIFY(Button(dialog, "OKBtn")->y() > oneLine + 40);
    dialog.Prepare(
        "This template was saved by an older version. Its effects will be converted when you "
        "save it again; do you want to go on?",
        "Quillmark Classic", "&Continue", "&Cancel", "", "");
    KeepPicture(dialog, "question-dialog.png");
  }

  void TheSplashShowsItsTextsOverItsPicture() {
    qm::ui::SplashScreen splash;
    QCOMPARE(splash.size(), QSize(508, 200));
    QCOMPARE(splash.windowTitle(), QString("Welcome to Quillmark!"));
    auto* title = splash.findChild<QLabel*>("SplashTitle");
    auto* loading = splash.findChild<QLabel*>("Loading");
    QCOMPARE(title->text(), QString("Quillmark"));
    QCOMPARE(loading->text(), QString("<Loading...>"));
    splash.ShowCentred();
    splash.SetTexts(qm::kProductTitle, qm::kSplashLoadingVault);
    QCOMPARE(title->text(), QString("Quillmark Classic v1.118.0.2"));
    QCOMPARE(loading->text(), QString("<Loading Vault File...>"));
    const QImage picture = splash.grab().toImage();
    QCOMPARE(picture.size(), QSize(508, 200));
    QVERIFY(Colours(picture) > 50);
    KeepPicture(splash, "splash.png");
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
