#include "interop/kort_xml_reader.h"

#include <string>

#include "core/text.h"
#include "interop/kort_item.h"
#include "interop/read_limits.h"
#include "interop/xml_source.h"

namespace qm {
namespace {

constexpr std::string_view kPhase = "Reading Kort's items";

}  // namespace

bool LooksLikeKortXml(std::string_view head) {
  return SameTextIgnoringCase(FirstElementName(head), "SCItem");
}

Result<ReadOutcome> ReadKortXml(std::string_view text, ReadContext& context) {
  if (text.size() > kMaxSourceBytes) return Result<ReadOutcome>::Failure("larger than 1 GiB");
  const XmlSource source(text);
  const pugi::xml_node root = source.Root();
  if (root.empty() || std::string_view(root.name()) != "SCItem") {
    return Result<ReadOutcome>::Failure("not a Kort item file (no <SCItem> element)");
  }
  ReportProgress(context.Progress, 0, text.size(), kPhase);
  ReadOutcome outcome;
  outcome.StoppedAt = source.StoppedAt();
  if (!source.ClosedBeforeStop(root)) return outcome;  // the one item breaks off
  ForeignItem item = KortItemOf(root);
  if (item.Name.empty()) {
    context.Tally.Skip("no name", {});
  } else {
    outcome.Add(std::move(item), context);
  }
  ReportProgress(context.Progress, text.size(), text.size(), kPhase);
  return outcome;
}

}  // namespace qm
