#pragma once
// Plain view state of the windows' controls, one value per control. A command
// of a model ends by updating these; the window layer copies them into its
// widgets, found by the object names noted beside each view field.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct Colour {
  std::uint8_t Red = 0, Green = 0, Blue = 0;
  bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kFuchsia{255, 0, 255};
inline constexpr Colour kMaroon{128, 0, 0};
inline constexpr Colour kNavy{0, 0, 128};
inline constexpr Colour kPurple{128, 0, 128};

struct LabelState {
  std::string Text;
  qm::Colour Colour = kBlack;
  std::string Hint{};
  bool HintEnabled = false;
  int Tag = 0;  // the bonus code whose breakdown hovering shows
  bool Enabled = true;
  bool Visible = true;
};

struct ControlState {
  bool Enabled = true;
  bool Visible = true;
};

// The entry at a selection; empty when nothing is selected.
inline std::string SelectedEntry(const std::vector<std::string>& entries, int selection) {
  return selection >= 0 && selection < static_cast<int>(entries.size())
             ? entries[static_cast<std::size_t>(selection)]
             : std::string();
}

struct ComboState {
  std::vector<std::string> Entries;
  int Selection = -1;
  bool Enabled = true;
  std::string Text() const { return SelectedEntry(Entries, Selection); }
};

// An edit box: the text as the model normalised it.
struct TextBoxState {
  std::string Text;
  bool Enabled = true;
  bool Visible = true;
};

// A list box of texts.
struct ListState {
  std::vector<std::string> Entries;
  int Selection = -1;
  bool HasSelection() const {
    return Selection >= 0 && Selection < static_cast<int>(Entries.size());
  }
  std::string Text() const { return SelectedEntry(Entries, Selection); }
};

// A multi-line text box the window shows line by line.
struct MemoState {
  std::vector<std::string> Lines;
  bool ReadOnly = true;
};

// A number box with its range.
struct SpinBoxState {
  int Value = 0;
  int Minimum = 0;
  int Maximum = 0;
  bool Enabled = true;
};

struct CheckState {
  bool Checked = false;
  bool Enabled = true;
};

struct MenuItemState {
  std::string Caption;
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
};

// A running job's progress panel: a bar of done out of total (total 0: a
// busy bar that counts nothing), the phase beneath it, and its Cancel button.
struct ProgressState {
  std::uint64_t Done = 0;
  std::uint64_t Total = 0;
  std::string Phase;
  bool Visible = false;
  bool CancelEnabled = false;
  bool operator==(const ProgressState&) const = default;
};

struct TableCell {
  std::string Text;
  qm::Colour Colour = kBlack;
  bool operator==(const TableCell&) const = default;
};

// A table of rows under column captions; each row holds one cell per column.
struct TableState {
  std::vector<std::string> Captions;
  std::vector<std::vector<TableCell>> Rows;
  int Selection = -1;  // the selected row
  bool HasSelection() const { return Selection >= 0 && Selection < static_cast<int>(Rows.size()); }
  bool operator==(const TableState&) const = default;
};

// A window while a job runs: the controls named in Disables (their object
// names) take no input until it ends.
struct BusyState {
  bool Busy = false;
  std::vector<std::string> Disables;
  // Whether the control of this object name takes no input now.
  bool Disabling(std::string_view name) const {
    return Busy && std::find(Disables.begin(), Disables.end(), name) != Disables.end();
  }
  bool operator==(const BusyState&) const = default;
};

}  // namespace qm
