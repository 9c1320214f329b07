#pragma once
// Reading the record files the CLI accepts: .qmc and .qmy templates, .qmx
// items and .qmi old items by their extension (letter case ignored), and the
// other planners' templates by their content.
#include <ostream>
#include <string>

#include "core/item_record.h"
#include "core/result.h"
#include "core/template_record.h"

namespace qm::cli {

enum class RecordFileKind { kTemplate, kOldTemplate, kItem, kOldItem, kUnknown };

RecordFileKind KindOfPath(const std::string& path);
// A path ending in .qmv (letter case ignored), the vault file's extension.
bool IsVaultPath(const std::string& path);
// A template of any kind the program opens: .qmc and .qmy (an old template
// and older effect numbers converted, as loading one in the program does) and
// the other planners' templates, whose losses go to warnings one line each,
// named by the file.
Result<TTemplateRecord> LoadAnyTemplate(const std::string& path, std::ostream& warnings);
// A .qmx item, or a .qmi old item converted.
Result<TItemRecord> LoadAnyItem(const std::string& path);

}  // namespace qm::cli
