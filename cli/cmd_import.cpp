// import FILE [--slot-filter N] [--out OUT.qmx] [--json]: reads a .qmx, .qmi
// or XML item file the way the workbench's "Import QMX/QMI/XML" does and shows
// the item. Nothing is asked: an item that does not fit the slot filter index
// is reported as a warning and shown all the same. --out writes what the
// workbench's "Export QMX" writes right after such an import.
#include <array>
#include <optional>
#include <ostream>

#include "cli/args.h"
#include "cli/command.h"
#include "cli/commands.h"
#include "cli/record_json.h"
#include "cli/record_text.h"
#include "core/file_io.h"
#include "core/template_record.h"
#include "ports/ports.h"
#include "workbench/inline_editor.h"
#include "workbench/item_exchange.h"

namespace qm::cli {
namespace {

constexpr std::string_view kUsage = "import FILE [--slot-filter N] [--out OUT.qmx] [--json]";

// The template slot the main window opens for a slot filter index (the
// two-hand kind stands for the 2. Hand slot); 0 for indexes no slot uses.
constexpr std::array<int, 18> kSlotOfFilterIndex = {
    0,     kJewel, kNeck, kCloak, kBelt,      kRing1,    kWrist1,  kChest,  kHead,
    kArms, kHands, kLegs, kFeet,  kRightHand, kLeftHand, kTwoHand, kRanged, kMyth};

// Notices of the importer are collected and reported with the failure they
// lead to; questions are never asked.
class QuietUser : public UserPort {
 public:
  std::string notices;
  Answer AskUser(std::string_view, std::string_view, std::string_view, std::string_view,
                 std::string_view, std::string_view) override {
    return Answer::Cancel;
  }
  void ShowMessage(std::string_view text) override {
    if (!notices.empty()) notices += "; ";
    notices += text;
  }
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
  void Beep() override {}
};

int RunImport(CommandContext& context) {
  std::string error;
  auto args = Args::Parse(context.args, {"json"}, {"slot-filter", "out"}, error);
  if (!args || !ExpectPositionals(*args, {"FILE"}, error)) {
    return UsageError(context, error, kUsage);
  }
  const std::string& path = args->Positional()[0];

  std::optional<long long> slotFilter;
  if (!ReadNumberOption(*args, "slot-filter", 0, 255, slotFilter, error)) {
    return UsageError(context, error, kUsage);
  }

  const auto out = args->Value("out");
  if (out && out->empty()) return UsageError(context, kEmptyOutReason, kUsage);

  const ExchangeFileKind kind = ExchangeKindOfPath(path);
  if (kind == ExchangeFileKind::kNone) {
    return InputError(context, FileMessage(path, kInvalidImportFile));
  }
  QuietUser user;
  auto item = ReadItemFile(path, kind, user);
  if (!item.Ok()) {
    std::string message = user.notices.empty() ? item.Error() : user.notices + "; " + item.Error();
    return InputError(context, NamingFile(path, message));
  }

  const int slotIndex = slotFilter ? static_cast<int>(*slotFilter) : 0;
  if (slotFilter && !SlotKindFits(slotIndex, item.Value().SlotKind)) {
    context.err << "warning: slot kind " << static_cast<int>(item.Value().SlotKind)
                << " does not appear to fit slot filter " << slotIndex << '\n';
  }

  if (out) {
    InlineEditor editor;
    const int slot =
        slotIndex < static_cast<int>(kSlotOfFilterIndex.size()) ? kSlotOfFilterIndex[slotIndex] : 0;
    editor.SetSlot(slot, 51);
    editor.SetSource(item.Value(), true);
    editor.EditEnter();
    const Status written = WriteItemFile(WithItemExtension(*out), editor.BuildInlineItem(), {path});
    if (!written.Ok()) return InputError(context, written.error);
  }

  if (args->Has("json")) {
    context.out << ItemToJson(item.Value()).dump(2) << '\n';
  } else {
    for (const std::string& line : ItemLines(item.Value())) context.out << line << '\n';
  }
  return kExitOk;
}

}  // namespace

constexpr Command kImportCommand{"import", kUsage, RunImport};

}  // namespace qm::cli
