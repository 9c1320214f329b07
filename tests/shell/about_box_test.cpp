// The About box: the program and its licence, and the vault in use as its
// header entry and its items' notes describe it.
#include "shell/about_box.h"

#include <gtest/gtest.h>

#include "generated/version.h"
#include "support/view_counter.h"
#include "vault/vault.h"
#include "vault/vault_bundle.h"

namespace qm {
namespace {

TItemRecord Item(const char* note, bool verified) {
  TItemRecord item = EmptyItem();
  item.Name.Assign("Ring of the Fen");
  item.Note.Assign(note);
  item.Verified = verified ? 1 : 0;
  return item;
}

TEST(AboutBox, NamesTheProgramAndTheVaultAsItsEntriesDescribeIt) {
  Vault vault;
  vault.Assign({VaultHeaderEntry("Fen Vault", 7), Item("stats approximate, Unverified", false),
                Item("", true), Item("unverified", false)});
  const TfrmAbout about(vault);
  const AboutWindowView& view = about.View();
  EXPECT_EQ(view.Caption, "About Quillmark Classic");
  EXPECT_EQ(view.Program.Text, std::string("Quillmark Classic ") + kQuillmarkVersion);
  EXPECT_NE(view.Licence.Text.find("GNU General Public License, version 3 or later"),
            std::string::npos);
  EXPECT_EQ(view.VaultFile.Text, "Vault file : not from a file");
  EXPECT_EQ(view.VaultEntries.Text, "Entries : 4 (3 items and the header entry)");
  EXPECT_EQ(view.VaultVersion.Text, "Version : 7");
  EXPECT_EQ(view.VaultLabel.Text, "Label : Fen Vault");
  EXPECT_EQ(view.VaultOrigin.Text, "Origin : not stated beyond its label");
  EXPECT_EQ(view.VaultVerified.Text,
            "Verified : 1 of 3 items; the notes of 2 say their stats are unverified");
}

TEST(AboutBox, OpeningAgainReadsTheVaultLoadedSince) {
  Vault vault;
  TfrmAbout about(vault);
  EXPECT_EQ(about.View().VaultFile.Text, "Vault file : none loaded");
  EXPECT_FALSE(about.View().VaultLabel.Visible);

  TItemRecord header = VaultHeaderEntry("Player Vault", 2);
  header.Note.Assign("Built from my own delves");
  vault.Assign({header, Item("", true)});
  testing::ViewCounter counter(about);
  about.FormShow();
  EXPECT_EQ(counter.calls, 1);
  EXPECT_TRUE(about.View().VaultLabel.Visible);
  EXPECT_EQ(about.View().VaultOrigin.Text, "Origin : Built from my own delves");
  EXPECT_EQ(about.View().VaultVerified.Text, "Verified : 1 of 1 items");
}

TEST(AboutBox, TheVaultLineSaysWhoseVaultStartUpChose) {
  const struct {
    VaultOwner owner;
    const char* line;
  } cases[] = {
      {VaultOwner::User, "Vault file : not from a file (your own vault)"},
      {VaultOwner::Bundled, "Vault file : not from a file (the bundled sample vault)"},
      {VaultOwner::Unstated, "Vault file : not from a file"},
  };
  for (const auto& c : cases) {
    Vault vault;
    vault.Assign({VaultHeaderEntry("Fen Vault", 7), Item("", true)});
    vault.SetOwner(c.owner);
    EXPECT_EQ(TfrmAbout(vault).View().VaultFile.Text, c.line);
  }
}

}  // namespace
}  // namespace qm
