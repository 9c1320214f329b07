// Building whole vaults: the shipped item files behind a header entry, and a
// folder of XML items.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/class_table.h"
#include "vault/vault_bundle.h"
#include "vault/vault_query.h"
#include "vault/vault_writer.h"
#include "vault_test_support.h"

namespace qm {
namespace {

class VaultBundleTest : public ::testing::Test {
 protected:
  void SetUp() override { test::ResetVocabulary(); }
  void TearDown() override { test::ResetVocabulary(); }
};

TEST_F(VaultBundleTest, PartsFollowTheHeaderEntryInOrder) {
  test::Lines second = test::SampleEntry(0);
  second[test::kName] = "From Part B";
  const std::vector<NamedText> parts = {
      {"a.txt", test::Join(test::SampleEntry(0)) + test::Join(test::SampleEntry(0))},
      {"b.txt", test::Join(second, "\n")}};
  const auto entries = AssembleVault(parts, "Label", 3);
  ASSERT_TRUE(entries.Ok()) << entries.Error();
  ASSERT_EQ(entries.Value().size(), 4u);
  EXPECT_EQ(entries.Value()[3].Name.View(), "From Part B");

  const auto packed = PackVault(entries.Value());
  ASSERT_TRUE(packed.Ok()) << packed.Error();
  Vault vault;
  ASSERT_TRUE(vault.LoadPacked(packed.Value()).Ok());
  EXPECT_EQ(vault.Count(), 4u);
  EXPECT_EQ(vault.Version(), 3);
  EXPECT_EQ(vault.Entries()[0].Name.View(), "Label");
  // The header entry stays out of every filtered search.
  TVaultFilter filter;
  filter.FilterServer = 2;
  const VaultQueryResult result = RunVaultQuery(vault, filter, {});
  EXPECT_EQ(std::count(result.Indices.begin(), result.Indices.end(), 0), 0);

  test::Lines broken = test::SampleEntry(0);
  broken[test::kBonusCount] = "eleven";
  const auto refused = AssembleVault({{"c.txt", test::Join(broken)}}, "Label", 1);
  ASSERT_FALSE(refused.Ok());
  EXPECT_EQ(refused.Error(), "c.txt: line 19: the bonus count is not a whole number");
}

TEST_F(VaultBundleTest, XmlItemsBuildAVaultOrRefuseNamingTheFile) {
  test::FakeUser user;
  const std::string good =
      "<?xml version=\"1.0\"?>\n<SCItem>\n<Location>Cloak</Location>\n"
      "<ItemName>Cape</ItemName>\n<TYPE>Cloth</TYPE>\n</SCItem>";
  const auto built = VaultFromXmlItems({{"cape.xml", good}}, kVaultLabel, kVaultVersion, user);
  ASSERT_TRUE(built.Ok());
  ASSERT_EQ(built.Value().size(), 2u);
  EXPECT_EQ(built.Value()[1].SlotKind, 3);
  EXPECT_TRUE(PackVault(built.Value()).Ok());

  const auto notItem =
      VaultFromXmlItems({{"notes.xml", "<?xml?>\n<Oracle/>"}}, kVaultLabel, 1, user);
  ASSERT_FALSE(notItem.Ok());
  EXPECT_EQ(notItem.Error(), "notes.xml: not an XML item (Loki Template Import)");
  const auto early = VaultFromXmlItems(
      {{"early.xml", "<?xml?>\n<SCItem>\n<TYPE>Cloth</TYPE>\n</SCItem>"}}, kVaultLabel, 1, user);
  ASSERT_FALSE(early.Ok());
  EXPECT_EQ(early.Error(), "early.xml: the XML item could not be converted");
}

// The item files shipped with the program assemble into a vault in which a
// workbench search for each realm's chest armour finds that realm's items.
TEST_F(VaultBundleTest, ShippedItemFilesMakeAWorkingVault) {
  const char* root = std::getenv("QM_TESTDATA");
  const std::filesystem::path folder =
      std::filesystem::path(root != nullptr ? root : "tests/data") / ".." / ".." / "data" / "vault";
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".txt") paths.push_back(entry.path());
  }
  if (paths.empty()) GTEST_SKIP() << "no item files in " << folder;
  std::sort(paths.begin(), paths.end());
  std::vector<NamedText> parts;
  for (const auto& path : paths) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    parts.push_back({path.filename().string(), text.str()});
  }
  const auto entries = AssembleVault(parts, kVaultLabel, kVaultVersion);
  ASSERT_TRUE(entries.Ok()) << entries.Error();
  const auto packed = PackVault(entries.Value());
  ASSERT_TRUE(packed.Ok()) << packed.Error();
  Vault vault;
  ASSERT_TRUE(vault.LoadPacked(packed.Value()).Ok());
  EXPECT_GT(vault.Count(), 100u);

  struct Character {
    int classIndex;
    int realm;
  };
  for (const Character c : {Character{0, 0}, Character{24, 1}, Character{46, 2}}) {
    TVaultFilter filter;
    filter.RealmFilter = c.realm;
    filter.ClassFilter = c.classIndex + 1;
    filter.SlotFilter = 7;
    VaultQueryContext context;
    context.BonusLevelLimit = true;
    context.CharacterLevel = 50;
    context.ShieldSize = ClassOf(c.classIndex).Shield;
    const VaultQueryResult result = RunVaultQuery(vault, filter, context);
    ASSERT_NE(result.Indices.front(), 0) << "no chest for class " << c.classIndex;
    for (const int index : result.Indices) {
      const TItemRecord& item = vault.Entries()[static_cast<std::size_t>(index)];
      EXPECT_EQ(item.SlotKind, 7);
      EXPECT_TRUE(item.Realm == c.realm || item.Realm == 3);
      EXPECT_EQ(item.ClassUsable[c.classIndex], 1);
    }
  }
}

}  // namespace
}  // namespace qm
