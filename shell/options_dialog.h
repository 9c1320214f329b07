#pragma once
// The "Options" dialog: the level filter of item searches and the folder
// templates are kept in. It also takes the display switches from the main
// window's menu marks, so that OK writes one consistent settings record.
#include <string>

#include "ports/view_notifier.h"
#include "ports/view_state.h"
#include "shell/options_menu.h"
#include "shell/settings.h"

namespace qm {

inline constexpr const char* kOptionsCaption = "Options";
inline constexpr const char* kOptionsHeading = "Settings for Quillmark Classic";
inline constexpr const char* kBasicSettingsGroup = "&Basic Settings";
inline constexpr const char* kLevelFilterLabel = "&Level Filter";
inline constexpr const char* kTemplateFolderGroup = "&Template Files Directory";
inline constexpr const char* kOptionsOkCaption = "&OK";
inline constexpr const char* kOptionsCancelCaption = "&Cancel";
inline constexpr const char* kLevelFilterHint =
    "Level filter determines what items your character can see. Setting to 50 lets you see all "
    "items, while lower settings will limit items to that many levels from your level";
inline constexpr const char* kDriveHint = "Hard Drive where your template files are saved";
inline constexpr const char* kDirectoryHint =
    "Please select a default drive and folder for templates to be stored/loaded from";
// Shown when OK could not write the settings at all; the dialog closes anyway
// rather than holding the user in it for good.
inline constexpr const char* kOptionsNotSavedMessage =
    "Settings could not be saved, they apply until Quillmark Classic ends.";

inline constexpr int kLowestLevelFilter = 5;
inline constexpr int kLevelFilterCount = 46;  // "5" to "50"

struct OptionsDialogView {
  ComboState LevelFilter{{}, kLevelFilterCount - 1};  // SLFilter: "5" .. "50"
  ControlState Cancel;                                // CancelBtn
  LabelState Directory;                               // Directory: the folder the list shows
  bool Visible = false;
};

// Every command that changes View() announces once. OK changes the settings
// behind the main window's menu marks; the main window announces that.
class TfrmOptions : public ViewNotifier {
 public:
  TfrmOptions(Settings& settings, UserPort& user);

  // Fills the dialog from the settings; menu holds the main window's marks.
  void FormShow(const OptionsMenuChecks& menu);
  // The directory list moved to another folder; it is kept until OK.
  void DirectoryChange(std::string directory);
  void SLFilterChange(int index);
  // Takes the pending folder, the level filter and the display switches,
  // writes the settings and closes.
  void OKBtnClick(const OptionsMenuChecks& menu);
  // Closes without touching the settings; does nothing while disabled.
  void CancelBtnClick();
  // The title bar's or keyboard's close: refused while no settings key exists.
  bool FormCloseQuery();

  const OptionsDialogView& View() const { return view_; }
  const std::string& PendingDirectory() const { return pendingDirectory_; }

 private:
  Settings& settings_;
  UserPort& user_;
  OptionsDialogView view_;
  std::string pendingDirectory_;
};

}  // namespace qm
