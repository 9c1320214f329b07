// XML item files through the importer: file kind, the per-line tag split and
// the conversion. A converted item must stay inside its record's limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "vault/vault_writer.h"
#include "vault/xml_import.h"

namespace {

class SilentUser : public qm::UserPort {
 public:
  qm::Answer AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
                     std::string_view, std::string_view) override {
    return qm::Answer::Cancel;
  }
  void ShowMessage(std::string_view) override {}
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const qm::ImportText parsed = qm::ParseImportText(text);
  if (parsed.Kind != qm::ImportKind::kXmlItem && !parsed.Tags.empty()) std::abort();
  SilentUser user;
  const qm::XmlConversion result = qm::ConvertXmlItem(parsed, user);
  if (result.Success) {
    const qm::TItemRecord& item = result.Item;
    if (item.Name.Length > 51 || item.Note.Length > 94 || item.Realm > 3) std::abort();
    for (const auto flag : item.ClassUsable) {
      if (flag > 1) std::abort();
    }
    volatile std::size_t keep = qm::WhyNotWritable(item).size();
    (void)keep;
  }
  return 0;
}
