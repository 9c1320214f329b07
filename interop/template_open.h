#pragma once
// Opening a template of any kind the program reads: our own .qmc and .qmy
// files, told by their extension, and the templates of the other planners,
// told by their content (Zenkcraft's .znk, Loki's .mmr, Kort's <SCTemplate>
// XML). The main window, the comparison window and every CLI command open
// templates here, so they all accept the same files and refuse the same way.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "core/template_record.h"
#include "interop/foreign_template.h"

namespace qm {

enum class TemplateFormat { kQuillmark, kQuillmarkOld, kZenkcraft, kLoki, kKort };

// "Quillmark template", "Zenkcraft template", ...
std::string_view TemplateFormatText(TemplateFormat format);
// Another planner's format: opening one makes a new, unsaved template.
bool IsForeignFormat(TemplateFormat format);

// No template file of another planner is larger.
inline constexpr std::size_t kMaxForeignTemplateBytes = std::size_t{16} << 20;

struct OpenedTemplate {
  TTemplateRecord Record;
  TemplateFormat Format = TemplateFormat::kQuillmark;
  // What could not be carried over, one line each (foreign formats only).
  std::vector<std::string> Warnings;
};

// The format of a file: ours by its extension (letter case ignored), the
// others by the first element of their XML (head: the file's first bytes).
std::optional<TemplateFormat> TemplateFormatOf(std::string_view path, std::string_view head);

// The format of a file by its name and first bytes; nullopt when it is no
// template we read (also when it cannot be read).
std::optional<TemplateFormat> SniffTemplateFile(const std::string& path);

// Reads and converts the file: our own templates exactly as saved (older
// effect numbers converted), the others through their reader, the template's
// rules applied (every item they take out named in Warnings) and their
// crafted items matched to our gems. A failure is one line naming the file.
Result<OpenedTemplate> OpenAnyTemplate(const std::string& path);

// Names, in warnings, every item of before that after no longer holds
// ("slot 19 Myth: \"Mythirian of Ember\" removed: the character may not use it").
void NameRemovedItems(const TTemplateRecord& before, const TTemplateRecord& after,
                      std::vector<std::string>& warnings);
// The notice after an import or export: the file, its format and every line
// of what could not be carried, one per line.
std::string ImportWarningsText(const OpenedTemplate& opened, std::string_view fileName);
std::string ExportWarningsText(const TemplateExport& exported, std::string_view fileName);

// The template in another planner's format (only Zenkcraft's is written).
Result<TemplateExport> ExportTemplate(const TTemplateRecord& tpl, TemplateFormat format);

}  // namespace qm
