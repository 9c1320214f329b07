#pragma once
// The vault criteria: one set per process, written by each search (the
// workbench's and the vault browser's) right before it runs the query. A field
// one caller does not set keeps what the last caller gave it. List fields hold
// a position in the field's choice list; -1 means nothing selected.
#include <string>
#include <vector>

namespace qm {

struct TVaultFilter {
  int ITypeFilter = 0;      // 0 none; p: item type p - 1
  int SlotFilter = 0;       // 0 none; p: slot kind p (13, 14: the hand rules)
  int ExpansionFilter = 0;  // 0 none; p: the text of expansion p - 1
  int RealmFilter = 3;      // 0..2 a realm or universal, 3 unfiltered, 4 only universal
  int ClassFilter = 0;      // 0 none; 1..47 class p - 1; 48 no class checked
  std::string NameFilter;
  int FilterServer = 0;  // 0 none; 1 "<None>", 2..6 server types, 7, 8 match nothing
  int SFilter1 = 0;      // 0 none; p: bonus code p
  int SFilter2 = 0;
  int SFilter3 = 0;
  std::string stat1amt = "0";
  std::string stat2amt = "0";
  std::string stat3amt = "0";
  bool cVerified = false;
  bool HideQs = false;
  int ProcFilter = 0;    // 0 none; p: effect number p - 1
  int armorfilter = 0;   // position = Armor index
  int weaponfilter = 0;  // position = WeaponType index
};

// The process's criteria; start-up sets them to their initial values.
TVaultFilter& SharedVaultFilter();

// The choice lists behind the criteria, leading "no filter" entry first.
// The item-type, expansion, weapon-type and effect lists are built from the
// growable lists as they stand, so a text the vault loader appended is offered
// at once: position = list index + 1 (weapon type: position = list index).
std::vector<std::string> ITypeFilterChoices();
std::vector<std::string> SlotFilterChoices();
std::vector<std::string> ExpansionFilterChoices();
std::vector<std::string> RealmFilterChoices();
std::vector<std::string> ClassFilterChoices();
std::vector<std::string> ServerFilterChoices();
std::vector<std::string> StatFilterChoices();
std::vector<std::string> ProcFilterChoices();
std::vector<std::string> ArmorFilterChoices();
std::vector<std::string> WeaponFilterChoices();

}  // namespace qm
