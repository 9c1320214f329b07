#pragma once
// The About box TfrmAbout without its widgets: the program's name, version
// and licence, and the vault in use — its file and whether it is the
// player's own or the bundled sample, entry count, version and label, where
// its data comes from as its header entry's note says, and how many items are
// verified and how many notes call theirs unverified.
#include <string>
#include <string_view>

#include "ports/view_notifier.h"
#include "ports/view_state.h"

namespace qm {

class Vault;

inline constexpr std::string_view kAboutCaption = "About Quillmark Classic";
inline constexpr std::string_view kAboutLicence =
    "Free software under the GNU General Public License, version 3 or later; "
    "it comes with no warranty.";

// Texts are Windows-1252, as everywhere in the views.
struct AboutWindowView {
  std::string Caption{kAboutCaption};
  LabelState Program;        // lProgram: name and version
  LabelState Licence;        // lLicence
  LabelState VaultFile;      // lVaultFile
  LabelState VaultEntries;   // lVaultEntries
  LabelState VaultVersion;   // lVaultVersion
  LabelState VaultLabel;     // lVaultLabel
  LabelState VaultOrigin;    // lVaultOrigin
  LabelState VaultVerified;  // lVaultVerified
};

class TfrmAbout : public ViewNotifier {
 public:
  explicit TfrmAbout(const Vault& vault);

  // Reads the vault afresh each time the box opens: the one in use may have
  // been loaded since it was last shown.
  void FormShow();

  const AboutWindowView& View() const { return view_; }

 private:
  const Vault& vault_;
  AboutWindowView view_;
};

}  // namespace qm
