#pragma once
// The windows the main window opens, one entry each: the name the main
// window's model opens it by (and "quillmark --screenshot --window NAME"
// renders), how it is made over the main window and run, the main window's
// command that opens it for a picture, and how a player reaches it from the
// keyboard. The registry, the picture run, the usage text and
// "quillmark --list-windows" (which scripts/desktop-smoke.sh walks) all read
// this one table.
#include <QSize>
#include <span>
#include <string>
#include <string_view>

#include "ports/sub_windows.h"

namespace qm::ui {

class SubWindowHost;

// A picture of one window: where it goes, its size, and what followed
// "NAME:" in the window's name ("9:load" of "workbench:9:load").
struct WindowPicture {
  std::string path;
  QSize size;
  std::string_view argument;
};

struct SubWindowEntry {
  std::string_view name;
  // What may follow "NAME:" in a picture's window name, for the usage text;
  // empty when nothing may.
  std::string_view argument;
  // What the tip of a missing window's command calls it ("template report").
  std::string_view what;
  // The keys that open it from the main window, in xdotool's words, and the
  // caption the desktop then shows; empty keys: no keyboard road of its own.
  std::string_view keys;
  std::string_view caption;
  // Shows the window on the main window's behalf: made over the main window
  // on first use, kept for the run, run modally (in a picture run only made
  // ready). Null for the workbench, which answers through its own port.
  void (*open)(SubWindowHost& host, const SubWindowRequest& request);
  // Whether a picture's window name may carry this argument.
  bool (*accepts)(std::string_view argument);
  // Opens the window through the main window's own command and renders it;
  // the exit code (0 written, 1 not).
  int (*picture)(SubWindowHost& host, const WindowPicture& picture);
};

std::span<const SubWindowEntry> SubWindowTable();
// The entry of a window's name; nullptr for a name the table lacks.
const SubWindowEntry* FindSubWindow(std::string_view name);
// "workbench:SLOT[:TAB]|browser|...": the names --window takes.
std::string SubWindowUsage();
// One line per window with a keyboard road: NAME, KEYS and CAPTION, tab-separated.
std::string SubWindowList();

}  // namespace qm::ui
