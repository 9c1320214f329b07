// Zenkcraft's templates through their reader, the crafted-item match and
// the template rules, then back through our writer: any bytes give a
// one-line refusal or a record in our vocabulary, whose export reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/bonus_catalogue.h"
#include "core/class_table.h"
#include "core/race_table.h"
#include "core/template_rules.h"
#include "interop/crafted_item_match.h"
#include "interop/zenkcraft_template.h"
#include "interop/zenkcraft_template_writer.h"

namespace {

bool OneLine(const std::string& text) {
  return !text.empty() && text.find('\n') == std::string::npos;
}

void CheckVocabulary(const qm::ForeignTemplate& read) {
  const qm::TTemplateRecord& tpl = read.Record;
  if (tpl.ClassIndex >= qm::kClassTableSize) std::abort();
  if (tpl.RaceIndex >= qm::RaceList(tpl.ClassIndex).size()) std::abort();
  if (tpl.CharLevel < 1 || tpl.CharLevel > 50) std::abort();
  if (tpl.WeaponConfig > 4) std::abort();
  for (const qm::TItemRecord& item : tpl.Slots) {
    if (item.Quality > 30 && item.Quality != qm::kNoQuality) std::abort();
    for (const std::uint8_t code : item.BonusCode) {
      if (code > qm::kMaxBonusCode) std::abort();
    }
  }
  for (const std::string& warning : read.Warnings) {
    if (!OneLine(warning)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  (void)qm::LooksLikeZenkcraftTemplate(text.substr(0, 4096));
  qm::Result<qm::ForeignTemplate> read = qm::ReadZenkcraftTemplate(text, "fuzz.znk");
  if (!read.Ok()) {
    if (!OneLine(read.Error())) std::abort();
    return 0;
  }
  CheckVocabulary(read.Value());
  qm::MatchCraftedItems(read.Value());
  qm::EnforceTemplateRules(read.Value().Record);
  const qm::TemplateExport written = qm::WriteZenkcraftTemplate(read.Value().Record);
  const qm::Result<qm::ForeignTemplate> again =
      qm::ReadZenkcraftTemplate(written.Text, "again.znk");
  if (!again.Ok()) std::abort();
  CheckVocabulary(again.Value());
  return 0;
}
