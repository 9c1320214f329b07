// Opening a template of any kind: ours by extension, the other planners' by
// their root element, each through its reader with nothing lost silently.
#include "interop/template_open.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"
#include "tools/samples.h"

namespace qm {
namespace {

std::string FixturePath(const char* relative) {
  const char* root = std::getenv("QM_TESTDATA");
  return std::string(root != nullptr ? root : "tests/data") + "/../interop/data/" + relative;
}

TEST(TemplateOpen, TellsEachFormatByExtensionOrRootElement) {
  const struct {
    std::string_view path, head;
    std::optional<TemplateFormat> format;
  } cases[] = {
      {"a.QMC", "", TemplateFormat::kQuillmark},
      {"a.qmy", "", TemplateFormat::kQuillmarkOld},
      {"a.znk", "<?xml version=\"1.0\"?>\n<PlayerSaveData>", TemplateFormat::kZenkcraft},
      {"a.mmr", "<character name=\"x\">", TemplateFormat::kLoki},
      {"a.xml", "\xEF\xBB\xBF<!-- saved --><SCTemplate>", TemplateFormat::kKort},
      {"a.xml", "<SCItem>", std::nullopt},  // one item, no template
      {"a.znk", "not xml", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(TemplateFormatOf(c.path, c.head), c.format) << c.head;
}

TEST(TemplateOpen, OpensEveryKindAndNamesWhatItCouldNotCarry) {
  testing::TempFolder folder;
  samples::WriteSamples(folder.Path().string());
  const auto own = OpenAnyTemplate(folder.File("albion-armsman.qmc"));
  ASSERT_TRUE(own.Ok()) << own.Error();
  EXPECT_EQ(own.Value().Format, TemplateFormat::kQuillmark);
  EXPECT_TRUE(own.Value().Warnings.empty());

  const struct {
    const char* file;
    TemplateFormat format;
  } foreign[] = {{"zenkcraft/every_slot.znk", TemplateFormat::kZenkcraft},
                 {"loki/wizard.mmr", TemplateFormat::kLoki},
                 {"kort_template/hibernian_template.xml", TemplateFormat::kKort}};
  for (const auto& f : foreign) {
    const auto opened = OpenAnyTemplate(FixturePath(f.file));
    ASSERT_TRUE(opened.Ok()) << opened.Error();
    EXPECT_EQ(opened.Value().Format, f.format) << f.file;
    EXPECT_FALSE(opened.Value().Warnings.empty()) << f.file;  // each fixture loses something
    EXPECT_EQ(opened.Value().Record.EffectIdsGlobal, 1) << f.file;
  }

  const std::string notes = folder.File("notes.xml");
  std::ofstream(notes) << "<shopping/>";
  EXPECT_EQ(OpenAnyTemplate(notes).Error(),
            "\"" + notes +
                "\": not a template we can read (.qmc, .qmy, Zenkcraft, Loki or Kort's template)");
  const std::string huge = folder.File("huge.znk");
  std::ofstream(huge) << "<PlayerSaveData>";
  std::filesystem::resize_file(huge, kMaxForeignTemplateBytes + 1);
  EXPECT_EQ(OpenAnyTemplate(huge).Error(), "\"" + huge + "\": the file is larger than 16 MiB");
}

TEST(TemplateOpen, NamesEveryItemTheRulesTookOut) {
  TTemplateRecord before = EmptyTemplate();
  before.Slot(kMyth).Name.Assign("Mythirian of Ember");
  before.Slot(kChest).Name.Assign("Kept Vest");
  TTemplateRecord after = before;
  InitItem(after.Slot(kMyth));
  std::vector<std::string> warnings;
  NameRemovedItems(before, after, warnings);
  EXPECT_EQ(warnings,
            std::vector<std::string>{
                "slot 19 Myth: \"Mythirian of Ember\" removed: the character may not use it"});
}

}  // namespace
}  // namespace qm
