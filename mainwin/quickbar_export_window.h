#pragma once
// The window TfrmQuickbarExport without its widgets: the template's
// spellcrafted gems onto a quickbar of a character's settings file of the
// game, and the crafter's shopping list. The player picks the file, the
// server kind's recipe table (or a table of their own), the bar, page and
// first slot; the preview lists every key the export writes and the button
// it replaces. Nothing is written without the player's yes, nor while the
// game runs (it rewrites the file when it closes); each write and each
// restore keeps a backup of the file as it was.
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/template_record.h"
#include "interop/game_ini.h"
#include "interop/game_process.h"
#include "interop/quickbar_export.h"
#include "interop/quickbar_recipes.h"
#include "ports/ports.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

inline constexpr std::string_view kQuickbarCaption = "Export Gems to Quickbar";

// The clipboard, which the shopping list is copied to.
class ClipboardPort {
 public:
  virtual ~ClipboardPort() = default;
  virtual void CopyText(std::string_view text) = 0;
};

// Texts are Windows-1252, as everywhere in the views.
struct QuickbarExportView {
  std::string Caption{kQuickbarCaption};
  TextBoxState IniFile;       // eIniFile
  ControlState Browse;        // btnBrowse
  ComboState ServerKind;      // cbServerKind
  ControlState LoadRecipes;   // btnLoadRecipes
  LabelState Recipes;         // lRecipes: the table in use
  SpinBoxState Bar;           // seBar
  SpinBoxState Page;          // sePage
  SpinBoxState Slot;          // seSlot
  CheckState RealmSwitch;     // cbRealmSwitch
  TableState Preview;         // tPreview: key, button, count, replaces
  LabelState Status;          // lStatus: what the export will do, or why it cannot
  ControlState Export;        // btnExport
  ControlState Restore;       // btnRestore
  ControlState CopyShopping;  // btnCopyShopping
};

struct QuickbarExportPorts {
  UserPort& user;
  FileDialogPort& files;
  ClipboardPort& clipboard;
};

struct QuickbarExportSetup {
  std::string ProgramDirectory;  // where the shipped recipe tables are found
  std::string GameFolder;        // the game's settings folder, empty when not found
  std::string ProcessTable = kProcessTable;
  std::function<std::time_t()> Clock = [] { return std::time(nullptr); };
};

class TfrmQuickbarExport : public ViewNotifier {
 public:
  TfrmQuickbarExport(QuickbarExportPorts ports, QuickbarExportSetup setup);

  // Opens with a template; the file, table and placement stay from last time.
  void FormShow(const TTemplateRecord& tpl);
  void BrowseClick();
  void IniFileChange(const std::string& path);
  void ServerKindChange(int index);
  void LoadRecipesClick();
  void BarChange(int bar);
  void PageChange(int page);
  void SlotChange(int slot);
  void RealmSwitchClick(bool checked);
  // Asks, then writes; true when the file was written.
  bool ExportClick();
  // Picks one of the file's backups, asks, then puts it back.
  bool RestoreClick();
  void CopyShoppingClick();

  const QuickbarExportView& View() const { return view_; }

 private:
  void LoadShippedTable(const std::string& kind);
  void Refresh();
  void ShowRefusal(const std::string& reason);
  std::optional<std::string> GameRunningMessage() const;

  QuickbarExportPorts ports_;
  QuickbarExportSetup setup_;
  TTemplateRecord tpl_{};
  std::optional<RecipeTable> recipes_;
  std::optional<GameIni> ini_;
  std::optional<QuickbarPlan> plan_;
  QuickbarExportView view_;
};

}  // namespace qm
