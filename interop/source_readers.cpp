#include "interop/source_readers.h"

#include <algorithm>
#include <array>
#include <fstream>

#include "interop/chat_log_reader.h"
#include "interop/emulator_table_reader.h"
#include "interop/kort_xml_reader.h"
#include "interop/moras_xml_reader.h"
#include "interop/official_database_reader.h"
#include "vault/xml_import.h"

namespace qm {
namespace {

// The vault's XML import speaks to the user through a port; here what it
// would say becomes the item's skip reason.
class NoticeKeeper : public UserPort {
 public:
  Answer AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
                 std::string_view, std::string_view) override {
    return Answer::Cancel;
  }
  void ShowMessage(std::string_view text) override { notice = text; }
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
  std::string notice;
};

bool LooksLikeCalculatorXml(std::string_view head) {
  return ParseImportText(head).Kind == ImportKind::kXmlItem;
}

Result<ReadOutcome> ReadCalculatorXml(std::string_view text, std::string_view,
                                      ReadContext& context) {
  const ImportText parsed = ParseImportText(text);
  if (parsed.Kind != ImportKind::kXmlItem) return Result<ReadOutcome>::Failure("not an XML item");
  NoticeKeeper keeper;
  const XmlConversion converted = ConvertXmlItem(parsed, keeper);
  ReadOutcome outcome;
  if (converted.Success) {
    outcome.Entries.push_back(converted.Item);
  } else {
    context.Tally.Skip(keeper.notice.empty() ? "the XML item does not convert" : keeper.notice,
                       converted.Item.Name.Str());
  }
  return outcome;
}

// The official database's metadata: the names of its bonus types, no items.
bool LooksLikeOfficialMetadata(std::string_view head) {
  const auto start = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
  return start != std::string_view::npos && head[start] == '{' &&
         head.find("\"bonus_types\"") != std::string_view::npos;
}

template <Result<ReadOutcome> (*Read)(std::string_view, ReadContext&)>
Result<ReadOutcome> WithoutCompanion(std::string_view text, std::string_view,
                                     ReadContext& context) {
  return Read(text, context);
}

// Kort's files are one kind of calculator XML item; they have a reader of
// their own, which knows more of their words, so they are asked first.
constexpr std::array kReaders = {
    SourceReader{SourceKind::kOfficialDatabase, LooksLikeOfficialDatabase, ReadOfficialDatabase,
                 LooksLikeOfficialMetadata},
    SourceReader{SourceKind::kEmulatorTable, LooksLikeEmulatorTable,
                 WithoutCompanion<ReadEmulatorTable>},
    SourceReader{SourceKind::kMorasXml, LooksLikeMorasXml, WithoutCompanion<ReadMorasXml>},
    SourceReader{SourceKind::kKortXml, LooksLikeKortXml, WithoutCompanion<ReadKortXml>},
    SourceReader{SourceKind::kChatLog, LooksLikeChatLog, WithoutCompanion<ReadChatLog>},
    SourceReader{SourceKind::kCalculatorXml, LooksLikeCalculatorXml, ReadCalculatorXml},
};

}  // namespace

std::span<const SourceReader> SourceReaders() {
  return kReaders;
}

std::optional<SniffedSource> SniffSource(std::string_view head) {
  for (std::size_t r = 0; r < kReaders.size(); ++r) {
    if (kReaders[r].LooksLikeCompanion && kReaders[r].LooksLikeCompanion(head)) {
      return SniffedSource{r, true};
    }
    if (kReaders[r].LooksLike(head)) return SniffedSource{r, false};
  }
  return std::nullopt;
}

std::string SourceHead(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string head(kSniffBytes, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return head;
}

}  // namespace qm
