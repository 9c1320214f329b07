#pragma once
// Single items travelling between players as small files: the .qmx export of
// the inline editor's item, and the import of a .qmx, an old .qmi or another
// calculator's XML item into the editor. An imported item is never put into
// the slot directly; it becomes the editor's source item, where the user
// checks it before returning it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/item_record.h"
#include "core/result.h"
#include "ports/ports.h"
#include "vault/xml_import.h"  // kMaxXmlImportBytes

namespace qm {

class InlineEditor;

inline constexpr const char* kInvalidImportFile = "Invalid import file";
inline constexpr const char* kXmlImportFailed =
    "This file did not import properly. Aborting Import";
inline constexpr std::string_view kLoadItemTitle = "Load Item?";
inline constexpr std::string_view kLoadItemQuestion =
    "This item does not appear to fit in this slot. Would you like to load it anyway?";
inline constexpr std::string_view kLoadItemCaption = "&Load Item";
inline constexpr std::string_view kCancelCaption = "&Cancel";

inline constexpr std::string_view kExportDialogTitle = "Save Item";
inline constexpr std::string_view kExportDialogFilter = "Quillmark Export|*.qmx";
inline constexpr std::string_view kImportDialogTitle = "Import QMX/QMI/XML";
inline constexpr std::string_view kImportDialogFilter =
    "Quillmark Export ( After 1.91 )|*.qmx|Quillmark Item ( Before 1.91 )|*.qmi|"
    "XML (Ormindel/Tavro)|*.xml";
inline constexpr std::string_view kItemFileExtension = "qmx";

enum class ExchangeFileKind { kNone, kItem, kOldItem, kXml };

// The kind of a chosen path, by case-sensitive substring tests on the whole
// path in the order "qmx", "qmi", "xml", a later match winning.
ExchangeFileKind ExchangeKindOfPath(std::string_view path);

// The suggested export file name: "/", "\", "?", "*", ":", "<", ">", "|", the
// double quote and "." become "-".
std::string ExportFileName(std::string_view itemName);
// ".qmx" appended unless the path already holds it (case-sensitive).
std::string WithItemExtension(std::string path);

// Whether an item of a slot kind belongs in the slot with this slot filter
// index. An equal kind always fits; hand and shield slots take their kin.
bool SlotKindFits(int slotFilterIndex, int slotKind);

FileDialogRequest ExportDialogRequest(const std::string& startFolder, std::string_view itemName);
FileDialogRequest ImportDialogRequest(const std::string& startFolder);

// Writes one item as a .qmx file (276 bytes), replacing an existing file only
// once the new one is complete, and never replacing one of inputs.
Status WriteItemFile(const std::string& path, const TItemRecord& item,
                     const std::vector<std::string>& inputs = {});

// Reads the item a file of the given kind holds: the first record of a .qmx
// or .qmi (an old record converted), or the converted XML item. The XML
// reader may tell the user of an out-of-order file through the port. Fails
// with the message the user is shown; a file shorter than one record fails
// with the runtime's "Read beyond end of file".
Result<TItemRecord> ReadItemFile(const std::string& path, ExchangeFileKind kind, UserPort& port);

// "Export QMX": asks for a file name in the start folder and writes the
// editor's item. Nothing happens for a name box holding one blank or a
// cancelled dialog. Returns the path written, if any.
std::optional<std::string> ExportInlineItem(const InlineEditor& editor,
                                            const std::string& startFolder, FileDialogPort& files,
                                            UserPort& user);

// "Import QMX/QMI/XML": asks for a file, reads its item and, when its slot
// kind does not fit the slot, asks whether to load it anyway. Returns the item
// the editor should load, or nothing (cancelled, refused or failed; failures
// have been shown to the user).
std::optional<TItemRecord> ImportItemForSlot(const std::string& startFolder, int slotFilterIndex,
                                             FileDialogPort& files, UserPort& user);

}  // namespace qm
