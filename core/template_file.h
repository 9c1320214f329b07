#pragma once
// Template files: .qmc holds one TTemplateRecord byte for byte; the older
// .qmy layout (18 slots of legacy items) is read and converted, never written.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/template_record.h"

namespace qm {

inline constexpr std::size_t kOldTemplateSize = 2922;

Result<TTemplateRecord> ReadTemplateFile(const std::string& path);
// Sets VaultMark, the reserved byte (0) and EffectIdsGlobal (1) in tpl, then
// writes the 5296 bytes through a temporary file; inputs are the files the
// template was read from, which the write must not replace.
Status WriteTemplateFile(const std::string& path, TTemplateRecord& tpl, std::uint8_t vaultMark,
                         const std::vector<std::string>& inputs = {});
Result<TTemplateRecord> ReadOldTemplateFile(const std::string& path);

// The conversions behind the readers, for callers that hold the bytes.
Result<TTemplateRecord> ParseTemplate(std::span<const std::uint8_t> bytes);
Result<TTemplateRecord> ParseOldTemplate(std::span<const std::uint8_t> bytes);

}  // namespace qm
