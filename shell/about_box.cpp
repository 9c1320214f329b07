#include "shell/about_box.h"

#include <algorithm>
#include <cctype>

#include "core/text.h"
#include "generated/version.h"
#include "shell/startup.h"
#include "vault/vault.h"

namespace qm {
namespace {

// Whether a note calls its item unverified, in any case.
bool SaysUnverified(std::string_view note) {
  constexpr std::string_view kWord = "unverified";
  const auto found =
      std::search(note.begin(), note.end(), kWord.begin(), kWord.end(),
                  [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return found != note.end();
}

// Which vault start-up chose, after its path; nothing for a vault loaded any
// other way.
std::string OwnerNote(VaultOwner owner) {
  switch (owner) {
    case VaultOwner::User:
      return " (your own vault)";
    case VaultOwner::Bundled:
      return " (the bundled sample vault)";
    case VaultOwner::Unstated:
      break;
  }
  return {};
}

}  // namespace

TfrmAbout::TfrmAbout(const Vault& vault) : vault_(vault) {
  FormShow();
}

void TfrmAbout::FormShow() {
  const ViewChange change(*this);
  view_.Program.Text = std::string(kApplicationTitle) + ' ' + kQuillmarkVersion;
  view_.Licence.Text = kAboutLicence;
  const auto entries = vault_.Entries();
  if (entries.empty()) {
    view_.VaultFile.Text = "Vault file : none loaded";
    for (LabelState* line : {&view_.VaultEntries, &view_.VaultVersion, &view_.VaultLabel,
                             &view_.VaultOrigin, &view_.VaultVerified})
      line->Visible = false;
    return;
  }
  for (LabelState* line : {&view_.VaultEntries, &view_.VaultVersion, &view_.VaultLabel,
                           &view_.VaultOrigin, &view_.VaultVerified})
    line->Visible = true;
  const std::string path = vault_.Path().empty() ? "not from a file" : vault_.Path();
  view_.VaultFile.Text = "Vault file : " + Utf8ToCp1252(path) + OwnerNote(vault_.Owner());
  // Entry 0 is the vault's header entry: its label and version, no item.
  const TItemRecord& header = entries.front();
  const std::size_t items = entries.size() - 1;
  view_.VaultEntries.Text = "Entries : " + std::to_string(entries.size()) + " (" +
                            std::to_string(items) + " items and the header entry)";
  view_.VaultVersion.Text = "Version : " + std::to_string(vault_.Version());
  view_.VaultLabel.Text = "Label : " + header.Name.Str();
  view_.VaultOrigin.Text =
      "Origin : " + (header.Note.Str().empty() ? "not stated beyond its label" : header.Note.Str());
  const auto itemEntries = entries.subspan(1);
  const auto verified = std::count_if(itemEntries.begin(), itemEntries.end(),
                                      [](const TItemRecord& item) { return item.Verified != 0; });
  const auto unverified =
      std::count_if(itemEntries.begin(), itemEntries.end(),
                    [](const TItemRecord& item) { return SaysUnverified(item.Note.View()); });
  view_.VaultVerified.Text =
      "Verified : " + std::to_string(verified) + " of " + std::to_string(items) + " items";
  if (unverified > 0)
    view_.VaultVerified.Text +=
        "; the notes of " + std::to_string(unverified) + " say their stats are unverified";
}

}  // namespace qm
