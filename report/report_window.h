#pragma once
// The report window (TSCReport) without its widgets: the report copy, the
// check marks of the Options menu, the document Rpt shows, and the save
// commands. The window exists once for the whole run, so the display options
// keep their state from one opening to the next; each opening replaces the
// report copy and rebuilds.
#include <array>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/template_record.h"
#include "ports/ports.h"
#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "report/template_report.h"

namespace qm {

inline constexpr std::string_view kReportCaption = "Spellcraft Report";
inline constexpr int kWeaponChoiceCount = 5;

// The readings of the main window for a template, as the main window would
// show them: the class combo's text, the race combo's index and text (an
// index the realm's race list does not hold reads as "<None>"), and the
// per-slot measure texts of the utility mode.
MainWindowReadings ReadingsFromTemplate(const TTemplateRecord& tpl, int utilityMode);

// What the window shows: the Options menu's items, each named as its menu
// item, and the document.
struct ReportWindowView {
  MenuItemState AllStats1, Mats, NameOnly1, StatsOnly1;                      // the report content
  MenuItemState None1, LeftRightHand1, ShieldTwoHand1, TwoHanded1, Ranged1;  // EquipOptions1
  MenuItemState DisplayRace, DisplayCap, Notes1, Expansion1, DisplayUtility1, ManualEditing1;
  MemoState Rpt;  // Rpt: read-only unless manual editing is on
};

// Every command that changes the document or the menu marks announces once.
class TSCReport : public ViewNotifier {
 public:
  // startFolder: where the save dialog starts (the program's own folder).
  explicit TSCReport(std::string startFolder = {});

  // Copies the template into the report copy and checks the weapon option of
  // its weapon configuration (none for a value above 4).
  void SetReportTemplate(const TTemplateRecord& tpl);
  // The values read from the main window when the report opens.
  void SetMainWindowReadings(MainWindowReadings readings);
  // Clears and refills the document; discards manual edits.
  void BuildReport();

  // Options menu. Each rebuilds the report.
  void ChooseContent(ReportContent content);
  // None1 .. Ranged1: sets the report copy's weapon configuration (0..4).
  void ChooseWeapon(int config);
  void ToggleDisplayRace();
  void ToggleDisplayCap();
  void ToggleNotes();
  void ToggleExpansion();
  void ToggleDisplayUtility();
  // ManualEditing1: the document becomes editable; nothing is rebuilt.
  void ToggleManualEditing() {
    manualEditing_ = !manualEditing_;
    NotifyViewChanged();
  }

  // A manual edit of Rpt (only while manual editing is on): the text the
  // window now holds, line by line. Returns false when editing is off.
  bool EditLines(std::vector<std::string> lines);

  // SaveasText and SaveasHTML: ask for a path with the save dialog, write
  // the file; a failed write is reported through the user port and leaves
  // any previous file untouched. Cancelling does nothing.
  Status SaveasText(FileDialogPort& dialogs, UserPort& user);
  Status SaveasHTML(FileDialogPort& dialogs, UserPort& user);

  const std::vector<std::string>& Lines() const { return document_.Lines; }
  const MaterialTally& Tally() const { return document_.Tally; }
  const ReportOptions& Options() const { return context_.Options; }
  const TTemplateRecord& ReportCopy() const { return context_.ReportCopy; }
  bool WeaponChecked(int config) const;
  bool ManualEditing() const { return manualEditing_; }
  ReportWindowView View() const;

  // The requests the two save commands put to the file dialog.
  FileDialogRequest TextSaveRequest() const;
  FileDialogRequest HtmlSaveRequest() const;

 private:
  Status Save(FileDialogPort& dialogs, UserPort& user, const FileDialogRequest& request, bool html);

  std::string startFolder_;
  ReportContext context_{};
  ReportDocument document_;
  std::array<bool, kWeaponChoiceCount> weaponChecks_{true, false, false, false, false};
  bool manualEditing_ = false;
};

}  // namespace qm
