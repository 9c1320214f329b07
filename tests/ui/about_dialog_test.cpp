// The About box as the Help menu opens it: every line shows the model's
// text, and OK closes it.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/about_dialog.h"
#include "ui/support/gui_fixture.h"
#include "vault/vault.h"
#include "vault/vault_bundle.h"

using qm::testing::GuiFixture;

class AboutDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void HelpMenuShowsTheProgramAndTheVaultInUse() {
    GuiFixture gui;
    qm::Vault vault;
    vault.Assign({qm::VaultHeaderEntry("Fen Vault", 7)});
    qm::ui::AboutDialog dialog(vault, gui.window.get());
    gui.windows.Set("about", [&](const qm::SubWindowRequest&) {
      dialog.Prepare();
      dialog.show();
    });
    QAction* about = gui.Action("About1");
    QVERIFY(about);
    QCOMPARE(about->text(), QStringLiteral("&About Quillmark Classic"));
    // The fixture's window was built before the box was registered.
    about->setEnabled(true);
    about->trigger();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Quillmark Classic"));
    const qm::AboutWindowView& view = dialog.Model().View();
    const std::pair<const char*, const qm::LabelState*> lines[] = {
        {"lProgram", &view.Program},           {"lLicence", &view.Licence},
        {"lVaultFile", &view.VaultFile},       {"lVaultEntries", &view.VaultEntries},
        {"lVaultVersion", &view.VaultVersion}, {"lVaultLabel", &view.VaultLabel},
        {"lVaultOrigin", &view.VaultOrigin},   {"lVaultVerified", &view.VaultVerified},
    };
    for (const auto& [name, state] : lines) {
      auto* label = dialog.findChild<QLabel*>(name);
      QVERIFY2(label, name);
      QCOMPARE(label->text(), QString::fromStdString(state->Text));
    }
    QCOMPARE(dialog.findChild<QLabel*>("lVaultLabel")->text(), QStringLiteral("Label : Fen Vault"));
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
  }

  void AMissingAboutBoxLeavesItsItemDisabledWithAReason() {
    GuiFixture gui;
    QAction* about = gui.Action("About1");
    QVERIFY(!about->isEnabled());
    QCOMPARE(about->statusTip(),
             QStringLiteral("The About box is not available in this version yet."));
  }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
