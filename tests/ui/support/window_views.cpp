#include "ui/support/window_views.h"

#include <QAbstractItemView>
#include <QTabWidget>
#include <QTableWidget>

#include "ui/side_panel.h"
#include "ui/text_codec.h"

namespace qm::testing {
namespace {

std::string Numbered(const char* prefix, std::size_t k) {
  return prefix + std::to_string(k + 1);
}

void CheckWindowTitle(ViewCheck& check, const QWidget& window, const std::string& title) {
  if (window.windowTitle() != ui::ToQt(title))
    check.Fail(window.objectName().toStdString(), "title " + window.windowTitle().toStdString());
}

// A sub-window's command is enabled when the model allows it and the window exists.
MenuItemState WithWindow(MenuItemState state, const ui::WindowRegistry& windows,
                         std::string_view w) {
  state.Enabled = state.Enabled && windows.Has(w);
  return state;
}

void CheckMenus(ViewCheck& check, const MainWindowView& view, const ui::WindowRegistry& windows) {
  check.MenuItem("Save1", view.Save);
  check.MenuItem("SaveAs1", view.SaveAs);
  check.MenuItem("Undo1", view.Undo);
  check.MenuItem("Redo1", view.Redo);
  check.MenuItem("Report1", WithWindow(view.Report, windows, "report"));
  check.MenuItem("CompareTemplate1", WithWindow(view.CompareTemplate, windows, "compare"));
  check.MenuItem("CompareSaved1", WithWindow(view.CompareSaved, windows, "compare"));
  for (std::size_t i = 0; i < view.Recent.size(); ++i)
    check.MenuItem(Numbered("Recent", i), view.Recent[i]);
  check.MenuVisible("RecentTemplates1", view.RecentMenuVisible);
  check.MenuItem("UseBundledVault1", view.UseBundledVault.Item);
  const OptionsMenuChecks& marks = view.OptionChecks;
  for (std::size_t t = 0; t < marks.toggles.size(); ++t)
    check.MenuMark(Numbered("Toggle", t), marks.toggles[t]);
  for (std::size_t m = 0; m < kUtilityTypeItems.size(); ++m)
    check.MenuMark(Numbered("UtilityType", m), marks.utilityType == static_cast<int>(m));
  for (std::size_t s = 0; s < kServerTypeItems.size(); ++s)
    check.MenuMark(Numbered("ServerType", s), marks.serverType == static_cast<int>(s),
                   kServerTypeItems[s].enabled);
  check.Control("Quickbar", {true, view.QuickbarVisible});
}

}  // namespace

std::vector<std::string> ViewMismatches(const QWidget& window, const MainWindowView& view,
                                        const ui::WindowRegistry& windows) {
  ViewCheck check(&window);
  CheckWindowTitle(check, window, view.Title);
  check.TextBox("eName", {view.NameText, view.NameEnabled});
  check.Combo("cbLevel", view.Level);
  check.Combo("cbRealmRank", view.RealmRank);
  check.Combo("eClass", view.Class);
  check.Combo("cbRace", view.Race);
  check.Combo("cbServer", view.Server);
  check.Check("cbChampion", view.Champion);
  const bool workbench = windows.Has(ui::kWorkbenchWindow);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotRowView& row = view.Slots[static_cast<std::size_t>(slot - 1)];
    check.Control(SlotObjectName('b', slot), {row.Button.Enabled && workbench, row.Button.Visible});
    check.Label(SlotObjectName('n', slot), row.Name);
    check.Label(SlotObjectName('u', slot), row.Utility);
  }
  check.Label("lTotalUtility", view.UtilityTotal);
  check.Combo("rWepType", view.Weapon);
  check.Control("bClearAll", view.ClearAll);
  for (const FigureRow* row : view.Figures.AllRows()) {
    check.Label(row->NameObject, row->Name);
    check.Label(row->ValueObject, row->Value);
    check.Label(row->CapObject, row->Cap);
    if (row->HasDiff) check.Label(row->DiffObject, row->Diff);
  }
  CheckMenus(check, view, windows);
  check.Title("StatBox", view.StatBoxCaption);
  check.Memo("InfoLabel", {view.InfoLines, true});
  const auto names = ui::ItemLabelNames();
  const auto texts = ui::ItemLabelTexts(view.SummaryLabels);
  for (std::size_t i = 0; i < names.size(); ++i) check.Label(names[i], LabelState{*texts[i]});
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const Tbrowser& browser) {
  ViewCheck check(&dialog);
  const BrowserFilters& filters = browser.Filters();
  check.TextBox("NameFilter", filters.Name);
  check.Combo("Filter2", filters.ItemSlot);
  check.Combo("Filter1", filters.ItemType);
  check.Combo("Filter5", filters.Realm);
  check.Combo("Filter4", filters.Expansion);
  check.Combo("FilterServer", filters.Server);
  check.Combo("ClassFilter", filters.Class);
  constexpr const char* kStatNames[] = {"Filter3", "Filter6", "Filter7"};
  for (std::size_t k = 0; k < filters.Stats.size(); ++k) {
    check.Combo(kStatNames[k], filters.Stats[k]);
    check.TextBox(Numbered("Edit", k), filters.Amounts[k]);
  }
  check.Combo("ProcFilter", filters.Proc);
  check.Check("cVerified", filters.Verified);
  const BrowserView& view = browser.View();
  check.Label("lVaultOrigin", view.VaultOrigin);
  check.Title("ListingBox", view.ListingCaption.Text);
  check.List("ItemList", view.Items);
  check.Memo("Stats", view.Description);
  check.Control("btnEquip", view.Equip);
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, TfrmItems& workbench) {
  ViewCheck check(&dialog);
  const ItemsWindowView& view = workbench.View();
  if (auto* tabs = dialog.findChild<QTabWidget*>("ItemTabs")) {
    // The pages in the order the window shows them: load, editor, spellcraft.
    const int page = static_cast<int>(view.ActiveTab);
    if (tabs->currentIndex() != page)
      check.Fail("ItemTabs", "page " + std::to_string(tabs->currentIndex()));
    if (tabs->isTabVisible(1) != view.InlineTab.Visible) check.Fail("ItemTabs", "editor tab");
    if (tabs->isTabVisible(2) != view.SpellcraftTab.Visible)
      check.Fail("ItemTabs", "spellcraft tab");
  } else {
    check.Fail("ItemTabs", "missing");
  }
  check.Title("ListingGroup", view.ListingCaption.Text);
  check.List("LItems", view.Items);
  check.Memo("ItemMemo", view.ItemMemo);
  check.Combo("Filt1", view.ItemType);
  constexpr const char* kStatNames[] = {"Filt2", "filt3", "filt4"};
  for (std::size_t k = 0; k < view.Stats.size(); ++k) {
    check.Combo(kStatNames[k], view.Stats[k]);
    check.TextBox("stat" + std::to_string(k + 1) + "amt", view.StatAmounts[k]);
  }
  check.Combo("ArmorFilt", view.Armour);
  check.Combo("WeaponFilt", view.Weapon);
  check.Combo("ProcFilter", view.Proc);
  check.Control("btnCopyStats", view.CopyStats);
  check.Control("btnReturn", view.Return);

  const InlineEditorView& editor = workbench.Editor().View();
  check.TextBox("CustomName", editor.Name);
  for (std::size_t k = 0; k < editor.Rows.size(); ++k) {
    check.Combo(Numbered("a", k), editor.Rows[k].Archetype);
    check.Combo(Numbered("c", k), editor.Rows[k].Bonus);
    check.TextBox(Numbered("s", k), editor.Rows[k].Amount);
  }
  constexpr const char* kKindNames[] = {"cProcOne", "cProcTwo"};
  for (std::size_t k = 0; k < editor.Effects.size(); ++k) {
    check.Combo(kKindNames[k], editor.Effects[k].Kind);
    check.Combo(Numbered("cbExt", k), editor.Effects[k].Effect);
    check.TextBox("Proc" + std::to_string(k + 1) + "Amt", editor.Effects[k].Amount);
  }

  const SpellcraftView& craft = workbench.Spellcraft().View();
  check.Combo("sLevel", craft.Level);
  check.Combo("cAbs", craft.Armour);
  check.Combo("cProc2", craft.Fifth);
  check.TextBox("eItemName", craft.Name);
  check.Check("AutoName", craft.AutoName);
  for (std::size_t k = 0; k < craft.Gems.size(); ++k) {
    check.Combo(Numbered("archtype", k), craft.Gems[k].Archetype);
    check.Combo(Numbered("scFake", k), craft.Gems[k].Bonus);
    check.Combo(Numbered("cs", k), craft.Gems[k].Value);
    check.Label(Numbered("g", k), craft.Gems[k].Cost);
  }
  check.Label("highgem", craft.HighGem);
  check.Label("blval", craft.BonusLevel);
  check.Label("charge", craft.Charge);
  check.Label("imbuecap", craft.Capacity);
  check.Label("maxoc", craft.MaxOvercharge);
  check.SpinBox("eSkill", craft.Skill);
  check.Combo("cQuality", craft.Quality);
  check.Label("ocsuccess", craft.OverchargeSuccess);
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const ReportWindowView& view) {
  ViewCheck check(&dialog);
  // The captions are the window's own; the model owns the marks.
  const std::pair<const char*, const MenuItemState*> items[] = {
      {"AllStats1", &view.AllStats1},
      {"Mats", &view.Mats},
      {"NameOnly1", &view.NameOnly1},
      {"StatsOnly1", &view.StatsOnly1},
      {"None1", &view.None1},
      {"LeftRightHand1", &view.LeftRightHand1},
      {"ShieldTwoHand1", &view.ShieldTwoHand1},
      {"TwoHanded1", &view.TwoHanded1},
      {"Ranged1", &view.Ranged1},
      {"DisplayRace", &view.DisplayRace},
      {"DisplayCap", &view.DisplayCap},
      {"Notes1", &view.Notes1},
      {"Expansion1", &view.Expansion1},
      {"DisplayUtility1", &view.DisplayUtility1},
      {"ManualEditing1", &view.ManualEditing1},
  };
  for (const auto& [name, state] : items) check.MenuMark(name, state->Checked, state->Enabled);
  check.Memo("Rpt", view.Rpt);
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const OptionsDialogView& view) {
  ViewCheck check(&dialog);
  check.Combo("SLFilter", view.LevelFilter);
  check.Control("CancelBtn", view.Cancel);
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const ComparisonWindowView& view) {
  ViewCheck check(&dialog);
  CheckWindowTitle(check, dialog, view.Caption);
  check.Label("lTemplateA", view.TemplateA);
  check.Label("lTemplateB", view.TemplateB);
  check.Label("lSummary", view.Summary);
  check.Check("cbChangedOnly", view.ChangedOnly);
  auto* table = dialog.findChild<QTableWidget*>("gFigures");
  if (!table) {
    check.Fail("gFigures", "missing");
  } else if (table->rowCount() != static_cast<int>(view.Lines.size())) {
    check.Fail("gFigures", std::to_string(table->rowCount()) + " rows");
  } else {
    for (std::size_t r = 0; r < view.Lines.size(); ++r) {
      const ComparisonLineView& line = view.Lines[r];
      const QColor colour(line.Colour.Red, line.Colour.Green, line.Colour.Blue);
      for (std::size_t c = 0; c < line.Cells.size(); ++c) {
        const QTableWidgetItem* cell = table->item(static_cast<int>(r), static_cast<int>(c));
        const std::string at = "gFigures[" + std::to_string(r) + "," + std::to_string(c) + "]";
        if (!cell || cell->text() != ui::ToQt(line.Cells[c])) {
          check.Fail(at, "text");
        } else if (cell->foreground().color() != colour) {
          check.Fail(at, "colour " + cell->foreground().color().name().toStdString());
        }
      }
    }
  }
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const SalvageView& view) {
  ViewCheck check(&dialog);
  for (std::size_t tier = 0; tier < view.Amounts.size(); ++tier)
    check.TextBox(std::string(SalvageTiers()[tier].EditName), view.Amounts[tier]);
  for (const auto& [name, bar] :
       {std::pair{"RawValue", &view.RawValue}, std::pair{"cashbar", &view.Cashbar}}) {
    check.Label(std::string(name) + "Panel0", bar->Caption);
    for (std::size_t k = 0; k < bar->Panels.size(); ++k)
      check.Label(std::string(name) + "Panel" + std::to_string(k + 1), bar->Panels[k]);
  }
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const ItemImportView& view) {
  ViewCheck check(&dialog);
  for (const auto& [name, label] :
       {std::pair{"lHint", &view.lHint}, std::pair{"lTarget", &view.lTarget},
        std::pair{"lOutcome", &view.lOutcome}})
    check.Label(name, *label);
  check.Table("tSources", view.tSources);
  check.Table("tReport", view.tReport);
  for (const auto& [name, state] :
       {std::pair{"bAddFiles", &view.bAddFiles}, std::pair{"bAddFolder", &view.bAddFolder},
        std::pair{"bRemove", &view.bRemove}, std::pair{"bImport", &view.bImport},
        std::pair{"bSaveReport", &view.bSaveReport}, std::pair{"bClose", &view.bClose}}) {
    ControlState shown = *state;
    shown.Enabled = shown.Enabled && !view.Busy.Disabling(name);
    check.Control(name, shown);
  }
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const QuickbarExportView& view) {
  ViewCheck check(&dialog);
  check.TextBox("eIniFile", view.IniFile);
  check.Combo("cbServerKind", view.ServerKind);
  check.Label("lRecipes", view.Recipes);
  check.SpinBox("seBar", view.Bar);
  check.SpinBox("sePage", view.Page);
  check.SpinBox("seSlot", view.Slot);
  check.Check("cbRealmSwitch", view.RealmSwitch);
  check.Table("tPreview", view.Preview);
  check.Label("lStatus", view.Status);
  for (const auto& [name, state] :
       {std::pair{"btnBrowse", &view.Browse}, std::pair{"btnLoadRecipes", &view.LoadRecipes},
        std::pair{"btnExport", &view.Export}, std::pair{"btnRestore", &view.Restore},
        std::pair{"btnCopyShopping", &view.CopyShopping}})
    check.Control(name, *state);
  return check.Mismatches();
}

std::vector<std::string> ViewMismatches(const QWidget& dialog, const OptimizeView& view) {
  ViewCheck check(&dialog);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const OptimizeSlotView& row = view.Slots[static_cast<std::size_t>(slot - 1)];
    const std::string name = SlotObjectName('x', slot).substr(1);
    check.Label("lItem" + name, row.Item);
    check.Combo("cbMode" + name, row.Mode);
  }
  check.Combo("cbVault", view.Vault);
  check.TextBox("eOwnedFilter", view.OwnedFilter);
  check.Label("lOwnedCount", view.OwnedCount);
  check.SpinBox("seItemLevel", view.ItemLevel);
  check.SpinBox("seQuality", view.Quality);
  check.Check("rbPoints", view.LimitPoints);
  check.SpinBox("sePoints", view.Points);
  check.Check("rbSuccess", view.LimitSuccess);
  check.SpinBox("seSuccess", view.Success);
  check.Label("lSkill", view.Skill);
  check.Check("cbSkillGems", view.SkillGems);
  check.SpinBox("seTimeLimit", view.TimeLimit);
  check.Label("lHint", view.Hint);
  check.Label("lSearch", view.Search);
  check.Label("lOutcome", view.Outcome);
  check.Label("lUnmet", view.Unmet);
  check.Table("tCrafted", view.Crafted);
  for (const auto& [name, state] :
       {std::pair{"lvOwned", &view.OwnedList}, std::pair{"bDefaultModes", &view.DefaultModes},
        std::pair{"bRestoreDefaults", &view.RestoreDefaults},
        std::pair{"bOptimize", &view.Optimize}, std::pair{"bApply", &view.Apply},
        std::pair{"bDiscard", &view.Discard}})
    check.Control(name, *state);
  return check.Mismatches();
}

}  // namespace qm::testing
