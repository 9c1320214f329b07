#pragma once
// A small vault, a character and scripted ports around one item workbench,
// with a preview that writes into a template the way the main window does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/template_record.h"
#include "support/fake_ports.h"
#include "tools/samples.h"
#include "vault/vault.h"
#include "vault/vault_filter.h"
#include "workbench/item_search.h"

namespace qm::testing {

inline TItemRecord VaultEntry(std::string_view name, int slotKind, int realm,
                              std::initializer_list<samples::Bonus> bonuses = {{1, 5}}) {
  TItemRecord item = samples::MakeItem(name, bonuses);
  item.SlotKind = static_cast<std::uint8_t>(slotKind);
  item.Realm = static_cast<std::uint8_t>(realm);
  return item;
}

class ItemWorkbenchTest : public ::testing::Test {
 protected:
  ItemWorkbenchTest() : window_(vault_, criteria_, user_, files_, shell_) {
    TItemRecord header = EmptyItem();
    header.Name.Assign("Test vault");
    header.Realm = 0;
    header.SlotKind = 0;
    std::vector<TItemRecord> entries = {
        header,
        VaultEntry("cloak of shadows", 3, 0),            // 1
        VaultEntry("Cloak of the Ages", 3, 3),           // 2
        VaultEntry("Cloak of Midgard", 3, 2),            // 3
        VaultEntry("Breastplate of Valor", 7, 0),        // 4
        VaultEntry("Hibernian Vest", 7, 1),              // 5
        VaultEntry("Helm of Albion", 8, 0),              // 6
        VaultEntry("Helm of Hibernia", 8, 1),            // 7
        VaultEntry("Universal Jerkin", 7, 3, {{2, 9}}),  // 8
        VaultEntry("Sword of Light (Epic)", 13, 0),      // 9
        VaultEntry("Mighty Ring", 5, 3, {{1, 10}}),      // 10
        VaultEntry("Ring of Wisdom", 5, 3, {{6, 8}}),    // 11
    };
    vault_.Assign(entries);

    tpl_ = EmptyTemplate();
    tpl_.ClassIndex = 0;  // an Albion armsman
    tpl_.CharLevel = 50;
    tpl_.ServerType = kNormal;
  }

  WorkbenchRequest RequestFor(int slot, int slotFilterIndex,
                              const TItemRecord& starting = EmptyItem()) const {
    WorkbenchRequest request;
    request.Slot = slot;
    request.StartingItem = starting;
    request.SlotFilterIndex = slotFilterIndex;
    request.Crafted = slot == kCloak || (slot >= kChest && slot <= kRanged);
    request.Myth = slot == kMyth;
    request.ArmourSlot = slot >= kChest && slot <= kFeet;
    request.WeaponSlot = slot >= kRightHand && slot <= kRanged;
    const std::string_view name = starting.Name.View();
    if (!name.empty() && name != " ") request.SearchName = std::string(name);
    request.Character = WorkbenchCharacter::Of(tpl_);
    return request;
  }

  // The main window's side: live previews into the slot, and the outcome
  // put into the slot when the window closes.
  void Open(const WorkbenchRequest& request) {
    tpl_.Slot(request.Slot) = request.StartingItem;
    window_.Open(request, [this](int slot, const TItemRecord& item) {
      previews_.push_back(item);
      tpl_.Slot(slot) = item;
    });
  }
  void TakeOutcome(int slot) {
    ASSERT_TRUE(window_.Closed());
    tpl_.Slot(slot) = window_.Outcome().Item;
  }
  int Row(std::string_view name) const {
    const auto& names = window_.View().Items.Entries;
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (names[i] == name) return static_cast<int>(i);
    }
    return -1;
  }
  std::string SelectedName() const {
    const ItemsWindowView view = window_.View();
    return view.Items.Selection < 0
               ? std::string()
               : view.Items.Entries[static_cast<std::size_t>(view.Items.Selection)];
  }

  Vault vault_;
  TVaultFilter criteria_;
  FakeUserPort user_;
  FakeFileDialogs files_;
  FakeShell shell_;
  TTemplateRecord tpl_{};
  std::vector<TItemRecord> previews_;
  TfrmItems window_;
};

}  // namespace qm::testing
