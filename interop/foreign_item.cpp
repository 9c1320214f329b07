#include "interop/foreign_item.h"

#include <array>

namespace qm {
namespace {

struct KindWords {
  SourceKind Kind;
  std::string_view Text;
  std::string_view Key;
};

constexpr std::array<KindWords, 6> kKindWords = {{
    {SourceKind::kOfficialDatabase, "Official item database", "official"},
    {SourceKind::kMorasXml, "Moras XML export", "moras"},
    {SourceKind::kEmulatorTable, "OpenDAoC item table", "opendaoc"},
    {SourceKind::kCalculatorXml, "Calculator XML items", "xml"},
    {SourceKind::kKortXml, "Kort's XML item", "kort"},
    {SourceKind::kChatLog, "Chat log delves", "chatlog"},
}};

const KindWords& WordsOf(SourceKind kind) {
  for (const KindWords& words : kKindWords) {
    if (words.Kind == kind) return words;
  }
  return kKindWords.front();
}

}  // namespace

std::string_view SourceKindText(SourceKind kind) {
  return WordsOf(kind).Text;
}

std::string_view SourceKindKey(SourceKind kind) {
  return WordsOf(kind).Key;
}

}  // namespace qm
