#include "cli/record_files.h"

#include <cstring>

#include "core/effect_names.h"
#include "core/file_io.h"
#include "core/legacy_item.h"
#include "core/template_file.h"
#include "core/text.h"

namespace qm::cli {
namespace {

bool EndsWith(const std::string& path, std::string_view suffix) {
  return path.size() >= suffix.size() &&
         SameTextIgnoringCase(std::string_view(path).substr(path.size() - suffix.size()), suffix);
}

}  // namespace

RecordFileKind KindOfPath(const std::string& path) {
  if (EndsWith(path, ".qmc")) return RecordFileKind::kTemplate;
  if (EndsWith(path, ".qmy")) return RecordFileKind::kOldTemplate;
  if (EndsWith(path, ".qmx")) return RecordFileKind::kItem;
  if (EndsWith(path, ".qmi")) return RecordFileKind::kOldItem;
  return RecordFileKind::kUnknown;
}

bool IsVaultPath(const std::string& path) {
  return EndsWith(path, ".qmv");
}

Result<TTemplateRecord> LoadAnyTemplate(const std::string& path) {
  switch (KindOfPath(path)) {
    case RecordFileKind::kTemplate: {
      auto tpl = ReadTemplateFile(path);
      if (tpl.Ok() && tpl.Value().EffectIdsGlobal != 1) ConvertEffectIds(tpl.Value());
      return tpl;
    }
    case RecordFileKind::kOldTemplate: {
      auto tpl = ReadOldTemplateFile(path);
      if (tpl.Ok()) ConvertEffectIds(tpl.Value());
      return tpl;
    }
    default:
      return Result<TTemplateRecord>::Failure("\"" + path +
                                              "\": not a template file (.qmc or .qmy expected)");
  }
}

Result<TItemRecord> LoadAnyItem(const std::string& path) {
  const RecordFileKind kind = KindOfPath(path);
  if (kind != RecordFileKind::kItem && kind != RecordFileKind::kOldItem)
    return Result<TItemRecord>::Failure("\"" + path +
                                        "\": not an item file (.qmx or .qmi expected)");
  const std::size_t size =
      kind == RecordFileKind::kItem ? sizeof(TItemRecord) : sizeof(TLegacyItemRecord);
  auto bytes = ReadFilePrefix(path, size);
  if (!bytes.Ok()) return Result<TItemRecord>::Failure(bytes.Error());
  if (bytes.Value().size() < size)
    return Result<TItemRecord>::Failure("\"" + path + "\": " + kReadBeyondEnd);
  if (kind == RecordFileKind::kItem) {
    TItemRecord item;
    std::memcpy(&item, bytes.Value().data(), sizeof item);
    return item;
  }
  TLegacyItemRecord legacy;
  std::memcpy(&legacy, bytes.Value().data(), sizeof legacy);
  return ConvertLegacyItem(legacy);
}

}  // namespace qm::cli
