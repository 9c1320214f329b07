// The window table as the main window, the picture run and the desktop smoke
// run read it: the names a picture takes, the tips of missing windows, and
// every window made and rendered through the main window's own command.
#include <QImage>
#include <QtTest>
#include <filesystem>

#include "ui/sub_window_host.h"
#include "ui/sub_window_table.h"
#include "ui/support/gui_fixture.h"
#include "ui/window_registry.h"

using qm::testing::GuiFixture;

class SubWindowTableTest : public QObject {
  Q_OBJECT
 private slots:
  void MissingWindowsAreNamedInTheirTips() {
    const std::pair<const char*, const char*> tips[] = {
        {"workbench", "The item workbench is not available in this version yet."},
        {"report", "The template report is not available in this version yet."},
        {"browser", "The vault browser is not available in this version yet."},
        {"salvage", "The salvage calculator is not available in this version yet."},
        {"options", "The options dialog is not available in this version yet."},
        {"compare", "The template comparison is not available in this version yet."},
        {"about", "The About box is not available in this version yet."},
        {"vaultbuild", "The vault builder is not available in this version yet."},
        {"import", "The item import is not available in this version yet."},
    };
    for (const auto& [window, tip] : tips)
      QCOMPARE(qm::ui::WindowRegistry::MissingTip(window), std::string(tip));
  }

  void PicturesTakeTheWindowsOfTheTable() {
    const std::pair<const char*, bool> names[] = {
        {"report", true},           {"compare", true},     {"compare:/tmp/a.qmc", true},
        {"workbench:9:load", true}, {"workbench", false},  {"workbench:20", false},
        {"report:x", false},        {"nothing", false},    {"import:/tmp/a.json", true},
        {"optimize:result", true},  {"optimize:x", false},
    };
    for (const auto& [name, known] : names)
      QVERIFY2(qm::ui::SubWindowHost::Knows(name) == known, name);
    QCOMPARE(qm::ui::SubWindowUsage(),
             std::string("workbench:SLOT[:TAB]|browser|report|salvage|options|compare[:FILE]|"
                         "about|vaultbuild|import[:PATH,...]|quickbar[:INI]|optimize[:STATE]"));
  }

  void TheRegistryOpensWhatIsRegisteredWithItsRequest() {
    qm::ui::WindowRegistry windows;
    std::vector<std::string> titles;
    windows.Set("compare", [&](const qm::SubWindowRequest& request) {
      titles.push_back(std::get<qm::ComparisonRequest>(request).TitleA);
    });
    qm::ComparisonRequest request;
    request.TitleA = "Sir Aldric";
    windows.Open("compare", request);
    windows.Open("report", qm::ReportRequest{});  // missing: nothing happens
    QCOMPARE(titles, std::vector<std::string>{"Sir Aldric"});
    QVERIFY(windows.Has("compare"));
    QVERIFY(!windows.Has("report"));
  }

  // Each listed window, opened by its command in a picture run, is made over
  // the main window with its caption and rendered.
  void EveryWindowRendersThroughItsCommand() {
    GuiFixture gui;
    qm::ui::SubWindowHost host(gui.user, gui.files, gui.shell, false);
    host.Register(gui.windows, gui.settings, gui.model);
    host.SetParent(gui.window.get());
    gui.LoadThroughMenu(gui.Sample("albion-armsman.qmc"));
    for (const qm::ui::SubWindowEntry& entry : qm::ui::SubWindowTable()) {
      if (!entry.open) continue;
      const std::string name(entry.name);
      QVERIFY2(gui.windows.Has(entry.name), name.c_str());
      const std::string path = gui.folder.File(name + ".png");
      QCOMPARE(host.RenderScreenshot(entry.name, path, QSize(900, 700)), 0);
      QVERIFY2(!QImage(QString::fromStdString(path)).isNull(), name.c_str());
      bool captioned = false;
      for (QWidget* window : gui.window->findChildren<QWidget*>())
        captioned = captioned || (window->isWindow() && window->windowTitle().toStdString() ==
                                                            std::string(entry.caption));
      QVERIFY2(captioned, name.c_str());
    }
  }
};

QTEST_MAIN(SubWindowTableTest)
#include "sub_window_table_test.moc"
