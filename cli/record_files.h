#pragma once
// Reading the record files the CLI accepts, chosen by extension (letter case
// ignored): .qmc and .qmy templates, .qmx items and .qmi old items.
#include <string>

#include "core/item_record.h"
#include "core/result.h"
#include "core/template_record.h"

namespace qm::cli {

enum class RecordFileKind { kTemplate, kOldTemplate, kItem, kOldItem, kUnknown };

RecordFileKind KindOfPath(const std::string& path);
// A path ending in .qmv (letter case ignored), the vault file's extension.
bool IsVaultPath(const std::string& path);
// A .qmc or .qmy template (an old template is converted; its effect numbers
// are converted too, as loading a template in the program does).
Result<TTemplateRecord> LoadAnyTemplate(const std::string& path);
// A .qmx item, or a .qmi old item converted.
Result<TItemRecord> LoadAnyItem(const std::string& path);

}  // namespace qm::cli
