#pragma once
// The sample generator: builds the templates, old templates and items that
// the tests and the README's run command use, from readable descriptions.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/item_record.h"
#include "core/legacy_item.h"
#include "core/template_record.h"

namespace qm::samples {

using Bonus = std::pair<int, int>;  // code, value

// An item usable by every class on every server, with the given bonus rows.
TItemRecord MakeItem(std::string_view name, std::initializer_list<Bonus> bonuses);
// The same, restricted to the given classes.
TItemRecord MakeClassItem(std::string_view name, std::initializer_list<int> classes,
                          std::initializer_list<Bonus> bonuses);

struct NamedTemplate {
  std::string fileName;  // e.g. "albion-armsman.qmc"
  TTemplateRecord tpl;
};

// A handful of realistic characters covering every slot kind, crafted items,
// effects, the Myth slot and each weapon configuration.
std::vector<NamedTemplate> SampleTemplates();

// One old (.qmy) template, described field by field.
struct OldTemplateLayout {
  std::string name;
  std::uint8_t level = 50;
  std::uint8_t realmRank = 1;
  std::uint8_t realm = 0;          // 0 Albion, 1 Hibernia, 2 Midgard
  std::uint8_t classPosition = 0;  // position in the realm's legacy class order
  std::uint8_t serverType = 0;
  std::uint8_t weaponConfig = 4;
  std::uint8_t championFlag = 1;
  std::uint8_t maulerRealm = 0;                          // 1 Albion, 2 Hibernia, 3 Midgard
  std::vector<std::pair<int, TLegacyItemRecord>> slots;  // slot 1..18 and its item
};

TLegacyItemRecord MakeLegacyItem(std::string_view name, std::uint8_t expansion,
                                 std::initializer_list<Bonus> bonuses);
std::vector<std::uint8_t> OldTemplateBytes(const OldTemplateLayout& layout);

struct NamedOldTemplate {
  std::string fileName;
  OldTemplateLayout layout;
};
std::vector<NamedOldTemplate> SampleOldTemplates();

// Bytes of a record as written to disk.
std::vector<std::uint8_t> TemplateBytes(const TTemplateRecord& tpl);
std::vector<std::uint8_t> ItemBytes(const TItemRecord& item);
std::vector<std::uint8_t> LegacyItemBytes(const TLegacyItemRecord& item);

// Writes every sample (templates, old templates, items) into a folder;
// returns the file names written.
std::vector<std::string> WriteSamples(const std::string& folder);

}  // namespace qm::samples
