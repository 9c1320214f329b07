#include "interop/template_open.h"

#include <cstring>

#include "core/effect_names.h"
#include "core/file_contents.h"
#include "core/file_io.h"
#include "core/template_file.h"
#include "core/template_rules.h"
#include "core/text.h"
#include "interop/crafted_item_match.h"
#include "interop/kort_template.h"
#include "interop/loki_template.h"
#include "interop/zenkcraft_template.h"
#include "interop/zenkcraft_template_writer.h"

namespace qm {
namespace {

bool EndsWith(std::string_view path, std::string_view suffix) {
  return path.size() >= suffix.size() &&
         SameTextIgnoringCase(path.substr(path.size() - suffix.size()), suffix);
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Our own template: converted older effect numbers, as the program always
// loaded them.
Result<OpenedTemplate> OpenOwn(const std::string& path, TemplateFormat format) {
  auto read =
      format == TemplateFormat::kQuillmarkOld ? ReadOldTemplateFile(path) : ReadTemplateFile(path);
  if (!read.Ok()) return Result<OpenedTemplate>::Failure(read.Error());
  OpenedTemplate opened{read.Value(), format, {}};
  if (format == TemplateFormat::kQuillmarkOld || opened.Record.EffectIdsGlobal != 1) {
    ConvertEffectIds(opened.Record);
  }
  return opened;
}

// An empty slot's item is named by one blank.
bool HoldsItem(const TItemRecord& item) {
  return item.Name.View().find_first_not_of(' ') != std::string_view::npos;
}

}  // namespace

std::string_view TemplateFormatText(TemplateFormat format) {
  switch (format) {
    case TemplateFormat::kQuillmark:
      return "Quillmark template";
    case TemplateFormat::kQuillmarkOld:
      return "Quillmark template (old layout)";
    case TemplateFormat::kZenkcraft:
      return "Zenkcraft template";
    case TemplateFormat::kLoki:
      return "Loki template";
    case TemplateFormat::kKort:
      return "Kort's template";
  }
  return {};
}

bool IsForeignFormat(TemplateFormat format) {
  return format != TemplateFormat::kQuillmark && format != TemplateFormat::kQuillmarkOld;
}

std::optional<TemplateFormat> TemplateFormatOf(std::string_view path, std::string_view head) {
  if (EndsWith(path, ".qmc")) return TemplateFormat::kQuillmark;
  if (EndsWith(path, ".qmy")) return TemplateFormat::kQuillmarkOld;
  if (LooksLikeZenkcraftTemplate(head)) return TemplateFormat::kZenkcraft;
  if (LooksLikeLokiTemplate(head)) return TemplateFormat::kLoki;
  if (LooksLikeKortTemplate(head)) return TemplateFormat::kKort;
  return std::nullopt;
}

std::optional<TemplateFormat> SniffTemplateFile(const std::string& path) {
  if (const auto own = TemplateFormatOf(path, {})) return own;
  const auto head = ReadFilePrefix(path, 4096);
  if (!head.Ok()) return std::nullopt;
  return TemplateFormatOf(
      path, {reinterpret_cast<const char*>(head.Value().data()), head.Value().size()});
}

void NameRemovedItems(const TTemplateRecord& before, const TTemplateRecord& after,
                      std::vector<std::string>& warnings) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const TItemRecord& was = before.Slot(slot);
    if (!HoldsItem(was) || HoldsItem(after.Slot(slot))) continue;
    warnings.push_back("slot " + std::to_string(slot) + " " + std::string(SlotName(slot)) + ": \"" +
                       Cp1252ToUtf8(was.Name.Str()) + "\" removed: the character may not use it");
  }
}

std::string ImportWarningsText(const OpenedTemplate& opened, std::string_view fileName) {
  std::string text = std::string(fileName) + " (" + std::string(TemplateFormatText(opened.Format)) +
                     ") was read as a new template.";
  if (opened.Warnings.empty()) return text;
  text += " Not carried over:";
  for (const std::string& line : opened.Warnings) text += "\n" + line;
  return text;
}

std::string ExportWarningsText(const TemplateExport& exported, std::string_view fileName) {
  std::string text = "Template exported : " + std::string(fileName);
  if (exported.Warnings.empty()) return text;
  text += "\nNot carried over (the Zenkcraft format cannot hold it):";
  for (const std::string& line : exported.Warnings) text += "\n" + line;
  return text;
}

Result<OpenedTemplate> OpenAnyTemplate(const std::string& path) {
  using Opened = Result<OpenedTemplate>;
  if (EndsWith(path, ".qmc")) return OpenOwn(path, TemplateFormat::kQuillmark);
  if (EndsWith(path, ".qmy")) return OpenOwn(path, TemplateFormat::kQuillmarkOld);
  const auto contents = ReadFileContents(path, kMaxForeignTemplateBytes);
  if (!contents.Ok()) return Opened::Failure(contents.Error());
  const std::string_view text = contents.Value().View();
  const auto format = TemplateFormatOf(path, text.substr(0, 4096));
  if (!format) {
    return Opened::Failure(FileMessage(
        path, "not a template we can read (.qmc, .qmy, Zenkcraft, Loki or Kort's template)"));
  }
  const std::string name = FileName(path);
  Result<ForeignTemplate> read = Result<ForeignTemplate>::Failure("");
  switch (*format) {
    case TemplateFormat::kZenkcraft:
      read = ReadZenkcraftTemplate(text, name);
      break;
    case TemplateFormat::kLoki:
      read = ReadLokiTemplate(text, name);
      break;
    default:
      read = ReadKortTemplate(text, name);
      break;
  }
  if (!read.Ok()) return Opened::Failure(read.Error());
  ForeignTemplate& foreign = read.Value();
  // The rules first, while every item is still a plain one: they take crafted
  // pieces out of armour and weapon slots, which is meant for a class change,
  // not for the designs a file brings.
  const TTemplateRecord before = foreign.Record;
  EnforceTemplateRules(foreign.Record);
  NameRemovedItems(before, foreign.Record, foreign.Warnings);
  MatchCraftedItems(foreign);
  foreign.Record.EffectIdsGlobal = 1;
  return OpenedTemplate{foreign.Record, *format, std::move(foreign.Warnings)};
}

Result<TemplateExport> ExportTemplate(const TTemplateRecord& tpl, TemplateFormat format) {
  if (format != TemplateFormat::kZenkcraft) {
    return Result<TemplateExport>::Failure(std::string(TemplateFormatText(format)) +
                                           ": not a format we write (zenkcraft only)");
  }
  return WriteZenkcraftTemplate(tpl);
}

}  // namespace qm
