#pragma once
// The undo and redo history of the main window's template. A step keeps only
// what its action changed: the character fields and each slot it touched,
// before and after, so a one-slot change costs two item records, not two
// templates. Steps carry ids; the state after a step is named by its id, the
// oldest state by the base id, and the saved file's state is remembered as
// one of those ids so undoing back to it can say the template is unchanged.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/template_record.h"

namespace qm {

// Everything of a template outside its slots, in record order.
struct TemplateCharacter {
  PString<41> CharName;
  std::uint8_t CharLevel, RealmRank, ClassIndex, ServerType, RaceIndex, VaultMark;
  std::uint8_t WeaponConfig, ChampionFlag, Reserved, EffectIdsGlobal;

  static TemplateCharacter Of(const TTemplateRecord& tpl);
  void ApplyTo(TTemplateRecord& tpl) const;
};

struct SlotChange {
  int Slot;
  TItemRecord Before, After;
};

struct TemplateStep {
  std::uint64_t Id = 0;
  std::string Action;  // "Change Level", "Clear All Items"
  bool CharacterChanged = false;
  TemplateCharacter CharacterBefore{}, CharacterAfter{};
  std::vector<SlotChange> Slots;
  // A renamed template is no longer its file: the step keeps the file it
  // took away (or gave), so undoing the name gives the file back. Both stay
  // empty when the step left the file as it was.
  bool FileChanged = false;
  std::string FileBefore, FileAfter;

  bool Empty() const { return !CharacterChanged && Slots.empty(); }
  // The heap and object bytes this step holds.
  std::size_t MemoryUse() const;
};

// The differences between two templates as a step (empty when they are equal).
TemplateStep DiffTemplates(const TTemplateRecord& before, const TTemplateRecord& after);

class TemplateHistory {
 public:
  static constexpr std::size_t kStepLimit = 250;

  explicit TemplateHistory(std::size_t limit = kStepLimit) : limit_(limit) {}

  // A fresh history: nothing to undo or redo and no saved state known.
  void Reset();

  // Records the action that took the template from before to after; nothing
  // when it changed no byte. A coalescing action of the same name right after
  // another one joins it, so a run of keystrokes in the name box undoes as
  // one. fileBefore and fileAfter are the template's file around the action
  // (empty: none). Returns true when the history changed.
  bool Record(const std::string& action, const TTemplateRecord& before,
              const TTemplateRecord& after, bool coalesce = false,
              const std::string& fileBefore = {}, const std::string& fileAfter = {});
  // The next action, whatever it is, starts a step of its own.
  void EndCoalescing() { coalescing_ = false; }

  bool CanUndo() const { return cursor_ > 0; }
  bool CanRedo() const { return cursor_ < steps_.size(); }
  const std::string& UndoAction() const;  // empty when nothing to undo
  const std::string& RedoAction() const;
  // Take tpl one step back or forward; false when there is no such step. A
  // step that changed the template's file sets file to the one it had.
  bool Undo(TTemplateRecord& tpl, std::optional<std::string>* file = nullptr);
  bool Redo(TTemplateRecord& tpl, std::optional<std::string>* file = nullptr);

  // The current state is the one on disk; or no state is.
  void MarkSaved();
  void ForgetSaved() { savedId_ = kNoState; }
  bool AtSaved() const { return savedId_ == CurrentId(); }

  std::size_t Size() const { return steps_.size(); }
  std::size_t Limit() const { return limit_; }
  // The bytes the kept steps hold, objects and heap.
  std::size_t MemoryUse() const;

 private:
  static constexpr std::uint64_t kNoState = ~std::uint64_t{0};
  std::uint64_t CurrentId() const { return cursor_ == 0 ? baseId_ : steps_[cursor_ - 1].Id; }

  std::size_t limit_;
  std::deque<TemplateStep> steps_;
  std::size_t cursor_ = 0;  // steps_[0 .. cursor_) are done
  std::uint64_t nextId_ = 1;
  std::uint64_t baseId_ = 0;
  std::uint64_t savedId_ = kNoState;
  bool coalescing_ = false;
};

}  // namespace qm
