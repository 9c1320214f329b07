#include "workbench/item_exchange.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <span>

#include "core/file_io.h"
#include "core/legacy_item.h"
#include "vault/xml_import.h"
#include "workbench/inline_editor.h"

namespace qm {
namespace {

constexpr std::string_view kExportReplacedCharacters = "/\\?*:<>|\".";
constexpr std::string_view kItemExtensionWithDot = ".qmx";

// Slot kinds, beyond the equal one, that a hand or shield slot takes.
struct SlotFit {
  int Index;
  std::initializer_list<int> Kinds;
};
constexpr int kLastListedSlotIndex = 26;
const SlotFit kSlotFits[] = {
    {13, {13, 14, 21, 22}},         {14, {14, 22, 24}},     {16, {15, 16, 24}},
    {17, {15, 16, 17, 24}},         {18, {18, 21, 22}},     {21, {13, 18, 21, 22}},
    {22, {13, 14, 18, 21, 22}},     {24, {14, 15, 22, 24}}, {25, {14, 15, 16, 22, 24}},
    {26, {14, 15, 16, 17, 22, 24}},
};

template <typename Record>
Result<Record> FirstRecord(const std::string& path) {
  auto bytes = ReadFilePrefix(path, sizeof(Record));
  if (!bytes.Ok()) return Result<Record>::Failure(bytes.Error());
  if (bytes.Value().size() < sizeof(Record)) return Result<Record>::Failure(kReadBeyondEnd);
  Record record;
  std::memcpy(&record, bytes.Value().data(), sizeof(Record));
  return record;
}

Result<TItemRecord> ReadXmlItem(const std::string& path, UserPort& port) {
  auto bytes = ReadFilePrefix(path, kMaxXmlImportBytes + 1);
  if (!bytes.Ok()) return Result<TItemRecord>::Failure(bytes.Error());
  if (bytes.Value().size() > kMaxXmlImportBytes) {
    return Result<TItemRecord>::Failure(kXmlImportFailed);
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.Value().data()),
                              bytes.Value().size());
  const XmlConversion conversion = ConvertXmlItem(ParseImportText(text), port);
  if (!conversion.Success) return Result<TItemRecord>::Failure(kXmlImportFailed);
  return conversion.Item;
}

}  // namespace

ExchangeFileKind ExchangeKindOfPath(std::string_view path) {
  ExchangeFileKind kind = ExchangeFileKind::kNone;
  if (path.find("qmx") != std::string_view::npos) kind = ExchangeFileKind::kItem;
  if (path.find("qmi") != std::string_view::npos) kind = ExchangeFileKind::kOldItem;
  if (path.find("xml") != std::string_view::npos) kind = ExchangeFileKind::kXml;
  return kind;
}

std::string ExportFileName(std::string_view itemName) {
  std::string name(itemName);
  for (char& c : name) {
    if (kExportReplacedCharacters.find(c) != std::string_view::npos) c = '-';
  }
  return name;
}

std::string WithItemExtension(std::string path) {
  if (path.find(kItemExtensionWithDot) == std::string::npos) path += kItemExtensionWithDot;
  return path;
}

bool SlotKindFits(int slotFilterIndex, int slotKind) {
  if (slotKind == slotFilterIndex) return true;
  if (slotFilterIndex > kLastListedSlotIndex) return true;
  for (const SlotFit& fit : kSlotFits) {
    if (fit.Index != slotFilterIndex) continue;
    return std::find(fit.Kinds.begin(), fit.Kinds.end(), slotKind) != fit.Kinds.end();
  }
  return false;
}

FileDialogRequest ExportDialogRequest(const std::string& startFolder, std::string_view itemName) {
  FileDialogRequest request;
  request.Title = std::string(kExportDialogTitle);
  request.Filter = std::string(kExportDialogFilter);
  request.DefaultExtension = std::string(kItemFileExtension);
  request.InitialFolder = startFolder;
  request.FileName = ExportFileName(itemName);
  request.PromptOverwrite = true;
  return request;
}

FileDialogRequest ImportDialogRequest(const std::string& startFolder) {
  FileDialogRequest request;
  request.Title = std::string(kImportDialogTitle);
  request.Filter = std::string(kImportDialogFilter);
  request.DefaultExtension = std::string(kItemFileExtension);
  request.InitialFolder = startFolder;
  request.FileMustExist = true;
  return request;
}

Status WriteItemFile(const std::string& path, const TItemRecord& item,
                     const std::vector<std::string>& inputs) {
  return WriteFileAtomically(
      path, std::string_view(reinterpret_cast<const char*>(&item), sizeof(TItemRecord)), inputs);
}

Result<TItemRecord> ReadItemFile(const std::string& path, ExchangeFileKind kind, UserPort& port) {
  switch (kind) {
    case ExchangeFileKind::kItem:
      return FirstRecord<TItemRecord>(path);
    case ExchangeFileKind::kOldItem: {
      auto legacy = FirstRecord<TLegacyItemRecord>(path);
      if (!legacy.Ok()) return Result<TItemRecord>::Failure(legacy.Error());
      return ConvertLegacyItem(legacy.Value());
    }
    case ExchangeFileKind::kXml:
      return ReadXmlItem(path, port);
    case ExchangeFileKind::kNone:
      break;
  }
  return Result<TItemRecord>::Failure(kInvalidImportFile);
}

std::optional<std::string> ExportInlineItem(const InlineEditor& editor,
                                            const std::string& startFolder, FileDialogPort& files,
                                            UserPort& user) {
  const std::string& name = editor.View().Name.Text;
  if (name == " ") return std::nullopt;
  std::string path = files.AskSavePath(ExportDialogRequest(startFolder, name));
  if (path.empty()) return std::nullopt;
  path = WithItemExtension(std::move(path));
  const Status written = WriteItemFile(path, editor.BuildInlineItem());
  if (!written.Ok()) {
    user.ShowMessage(written.error);
    return std::nullopt;
  }
  return path;
}

std::optional<TItemRecord> ImportItemForSlot(const std::string& startFolder, int slotFilterIndex,
                                             FileDialogPort& files, UserPort& user) {
  const std::string path = files.AskOpenPath(ImportDialogRequest(startFolder));
  if (path.empty()) return std::nullopt;
  const ExchangeFileKind kind = ExchangeKindOfPath(path);
  if (kind == ExchangeFileKind::kNone) {
    user.ShowMessage(kInvalidImportFile);
    return std::nullopt;
  }
  auto item = ReadItemFile(path, kind, user);
  if (!item.Ok()) {
    user.ShowMessage(item.Error());
    return std::nullopt;
  }
  if (!SlotKindFits(slotFilterIndex, item.Value().SlotKind)) {
    const Answer answer =
        user.AskUser(kLoadItemQuestion, kLoadItemTitle, kLoadItemCaption, kCancelCaption, "", "");
    if (answer != Answer::Ok) return std::nullopt;
  }
  return item.Value();
}

}  // namespace qm
