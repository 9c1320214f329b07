#include "cli/record_files.h"

#include <cstring>

#include "core/effect_names.h"
#include "core/file_io.h"
#include "core/legacy_item.h"
#include "core/template_file.h"
#include "core/text.h"
#include "interop/template_open.h"

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

Result<TTemplateRecord> LoadAnyTemplate(const std::string& path, std::ostream& warnings) {
  auto opened = OpenAnyTemplate(path);
  if (!opened.Ok()) return Result<TTemplateRecord>::Failure(opened.Error());
  for (const std::string& line : opened.Value().Warnings) warnings << path << ": " << line << '\n';
  return opened.Value().Record;
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
