// The template history: steps as differences, ids for the states between them.
#include "mainwin/template_history.h"

#include <cstring>

namespace qm {
namespace {

static_assert(sizeof(TemplateCharacter) ==
                  sizeof(TTemplateRecord) - sizeof(TTemplateRecord{}.Slots),
              "the character part is every byte outside the slots");

// Records mirror their disk layout without padding: equal bytes are equal records.
template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

void ApplySide(const TemplateStep& step, TTemplateRecord& tpl, bool after) {
  if (step.CharacterChanged) (after ? step.CharacterAfter : step.CharacterBefore).ApplyTo(tpl);
  for (const SlotChange& change : step.Slots)
    tpl.Slot(change.Slot) = after ? change.After : change.Before;
}

const std::string kNoAction;

std::size_t HeapBytes(const std::string& text) {
  return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

void SetFiles(TemplateStep& step, const std::string& before, const std::string& after) {
  step.FileChanged = before != after;
  step.FileBefore = step.FileChanged ? before : std::string();
  step.FileAfter = step.FileChanged ? after : std::string();
}

}  // namespace

TemplateCharacter TemplateCharacter::Of(const TTemplateRecord& tpl) {
  return {tpl.CharName,     tpl.CharLevel, tpl.RealmRank,      tpl.ClassIndex,
          tpl.ServerType,   tpl.RaceIndex, tpl.VaultMark,      tpl.WeaponConfig,
          tpl.ChampionFlag, tpl.Reserved,  tpl.EffectIdsGlobal};
}

void TemplateCharacter::ApplyTo(TTemplateRecord& tpl) const {
  tpl.CharName = CharName;
  tpl.CharLevel = CharLevel;
  tpl.RealmRank = RealmRank;
  tpl.ClassIndex = ClassIndex;
  tpl.ServerType = ServerType;
  tpl.RaceIndex = RaceIndex;
  tpl.VaultMark = VaultMark;
  tpl.WeaponConfig = WeaponConfig;
  tpl.ChampionFlag = ChampionFlag;
  tpl.Reserved = Reserved;
  tpl.EffectIdsGlobal = EffectIdsGlobal;
}

std::size_t TemplateStep::MemoryUse() const {
  return sizeof(TemplateStep) + HeapBytes(Action) + HeapBytes(FileBefore) + HeapBytes(FileAfter) +
         Slots.capacity() * sizeof(SlotChange);
}

TemplateStep DiffTemplates(const TTemplateRecord& before, const TTemplateRecord& after) {
  TemplateStep step;
  step.CharacterBefore = TemplateCharacter::Of(before);
  step.CharacterAfter = TemplateCharacter::Of(after);
  step.CharacterChanged = !SameBytes(step.CharacterBefore, step.CharacterAfter);
  int changed = 0;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    changed += SameBytes(before.Slot(slot), after.Slot(slot)) ? 0 : 1;
  step.Slots.reserve(static_cast<std::size_t>(changed));
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (!SameBytes(before.Slot(slot), after.Slot(slot)))
      step.Slots.push_back({slot, before.Slot(slot), after.Slot(slot)});
  return step;
}

void TemplateHistory::Reset() {
  steps_.clear();
  cursor_ = 0;
  baseId_ = nextId_++;
  savedId_ = kNoState;
  coalescing_ = false;
}

bool TemplateHistory::Record(const std::string& action, const TTemplateRecord& before,
                             const TTemplateRecord& after, bool coalesce,
                             const std::string& fileBefore, const std::string& fileAfter) {
  if (coalesce && coalescing_ && cursor_ == steps_.size() && cursor_ > 0 &&
      steps_.back().Action == action) {
    // The joined step runs from the state before the run to the newest one.
    TTemplateRecord start = before;
    ApplySide(steps_.back(), start, false);
    TemplateStep joined = DiffTemplates(start, after);
    const TemplateStep& run = steps_.back();
    SetFiles(joined, run.FileChanged ? run.FileBefore : fileBefore, fileAfter);
    if (joined.Empty()) {
      steps_.pop_back();  // typed back to where the run began
      --cursor_;
      coalescing_ = false;
      return true;
    }
    joined.Id = steps_.back().Id;
    joined.Action = action;
    steps_.back() = std::move(joined);
    return true;
  }

  TemplateStep step = DiffTemplates(before, after);
  if (step.Empty()) return false;
  SetFiles(step, fileBefore, fileAfter);
  step.Id = nextId_++;
  step.Action = action;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(cursor_), steps_.end());
  steps_.push_back(std::move(step));
  while (steps_.size() > limit_) {
    baseId_ = steps_.front().Id;
    steps_.pop_front();
  }
  cursor_ = steps_.size();
  coalescing_ = coalesce;
  return true;
}

const std::string& TemplateHistory::UndoAction() const {
  return CanUndo() ? steps_[cursor_ - 1].Action : kNoAction;
}

const std::string& TemplateHistory::RedoAction() const {
  return CanRedo() ? steps_[cursor_].Action : kNoAction;
}

bool TemplateHistory::Undo(TTemplateRecord& tpl, std::optional<std::string>* file) {
  if (!CanUndo()) return false;
  const TemplateStep& step = steps_[--cursor_];
  ApplySide(step, tpl, false);
  if (file != nullptr && step.FileChanged) *file = step.FileBefore;
  coalescing_ = false;
  return true;
}

bool TemplateHistory::Redo(TTemplateRecord& tpl, std::optional<std::string>* file) {
  if (!CanRedo()) return false;
  const TemplateStep& step = steps_[cursor_++];
  ApplySide(step, tpl, true);
  if (file != nullptr && step.FileChanged) *file = step.FileAfter;
  coalescing_ = false;
  return true;
}

void TemplateHistory::MarkSaved() {
  savedId_ = CurrentId();
  coalescing_ = false;  // a joined step would no longer be the saved state
}

std::size_t TemplateHistory::MemoryUse() const {
  std::size_t bytes = 0;
  for (const TemplateStep& step : steps_) bytes += step.MemoryUse();
  return bytes;
}

}  // namespace qm
