// Measures the vault build window on a large folder of XML item files: how
// long the build takes, how soon Cancel stops it, and the longest the window
// went without running its event loop meanwhile.
//   vault_build_measure FOLDER [COUNT] [CANCEL_AFTER_MS] [cancel-only]
// FOLDER is filled with COUNT item files (default 100000) when it holds none.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/file_io.h"
#include "ui/progress_panel.h"
#include "ui/vault_build_dialog.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kLocations[] = {"Chest", "Arms", "Legs", "Hands", "Feet",      "Head",
                                      "Cloak", "Neck", "Belt", "Jewel", "Left Ring", "Right Wrist"};
constexpr const char* kEffects[] = {"Strength", "Constitution", "Dexterity", "Quickness",
                                    "Hits",     "Power",        "Body",      "Energy"};

std::string ItemText(int index) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCItem>\n";
  text += "    <Location>" + std::string(kLocations[index % 12]) + "</Location>\n";
  text += "    <Realm>All</Realm>\n    <ItemName>Measured Item " + std::to_string(index) +
          "</ItemName>\n    <Level>" + std::to_string(1 + index % 51) + "</Level>\n";
  text += "    <ItemQuality>100</ItemQuality>\n    <TYPE>Cloth</TYPE>\n    <DROPITEM>\n";
  for (int slot = 0; slot < 4; ++slot) {
    text += "        <SLOT Number=\"" + std::to_string(slot) + "\">\n         <Effect>" +
            kEffects[(index + slot) % 8] + "</Effect>\n         <Amount>" +
            std::to_string(1 + (index + slot) % 15) + "</Amount>\n         <Type>" +
            (slot < 3 ? "Stat" : "Resist") + "</Type>\n        </SLOT>\n";
  }
  return text + "    </DROPITEM>\n</SCItem>\n";
}

bool FillFolder(const fs::path& folder, int count) {
  fs::create_directories(folder);
  if (!fs::is_empty(folder)) return true;
  std::printf("writing %d item files into %s\n", count, folder.c_str());
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "item%06d.xml", i);
    if (!qm::WriteFileAtomically((folder / name).string(), ItemText(i)).Ok()) return false;
  }
  return true;
}

// Answers the window's two dialogs with the folder and the vault file.
class Answers : public qm::FileDialogPort {
 public:
  Answers(std::string folder, std::string out) : folder_(std::move(folder)), out_(std::move(out)) {}
  std::string AskOpenPath(const qm::FileDialogRequest&) override { return folder_; }
  std::string AskSavePath(const qm::FileDialogRequest&) override { return out_; }

 private:
  std::string folder_, out_;
};

// The longest gap between two beats of a 5 ms timer on the GUI thread.
class Beat {
 public:
  Beat() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const qint64 now = clock_.elapsed();
      if (now - last_ > longest_) {
        longest_ = now - last_;
        longestAt_ = now;
      }
      last_ = now;
    });
  }
  void Start() {
    clock_.start();
    last_ = 0;
    longest_ = 0;
    longestAt_ = 0;
    timer_.start();
  }
  qint64 Longest() const { return longest_; }
  // When the longest gap ended, in ms since Start.
  qint64 LongestAt() const { return longestAt_; }

 private:
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0, longest_ = 0, longestAt_ = 0;
};

// Runs until the dialog's build has ended, clicking Cancel after cancelAfter
// ms when it is not negative; prints the figures.
void Measure(qm::ui::VaultBuildDialog& dialog, const char* what, qint64 cancelAfter) {
  Beat beat;
  QElapsedTimer clock;
  qint64 clicked = -1, ended = -1;
  std::string phase;
  QTimer poll;
  poll.setInterval(1);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (cancelAfter >= 0 && clicked < 0 && clock.elapsed() >= cancelAfter) {
      clicked = clock.elapsed();
      phase = dialog.Model().View().Progress.Phase;
      dialog.findChild<QPushButton*>(qm::ui::kProgressCancelName)->click();
    }
    if (!dialog.JobRunning()) {
      ended = clock.elapsed();
      QApplication::quit();
    }
  });
  beat.Start();
  clock.start();
  dialog.Run();
  poll.start();
  QApplication::exec();
  std::printf("%s: ended after %lld ms", what, ended);
  if (clicked >= 0) {
    std::printf(", %lld ms after Cancel (clicked in \"%s\")", ended - clicked, phase.c_str());
  }
  std::printf("; longest gap between GUI beats %lld ms, ending at %lld ms\n  %s\n", beat.Longest(),
              beat.LongestAt(), dialog.Model().View().lOutcome.Text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: vault_build_measure FOLDER [COUNT] [CANCEL_AFTER_MS] [cancel-only]\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const int count = argc > 2 ? std::stoi(argv[2]) : 100000;
  const qint64 cancelAfter = argc > 3 ? std::stoll(argv[3]) : 1000;
  if (!FillFolder(folder, count)) return 1;
  const std::string out = folder.string() + ".qmv";
  Answers answers(folder.string(), out);
  qm::ui::VaultBuildDialog dialog(answers);
  // The first paint loads the fonts, which is no part of any build.
  dialog.show();
  QApplication::processEvents();
  dialog.hide();
  // A fourth argument "cancel-only" leaves out the full build.
  if (argc <= 4 || std::string(argv[4]) != "cancel-only") {
    Measure(dialog, "full build", -1);
    fs::remove(out);
  }
  Measure(dialog, "cancelled build", cancelAfter);
  std::printf("  vault file written after the cancel: %s\n", fs::exists(out) ? "yes" : "no");
  return 0;
}
