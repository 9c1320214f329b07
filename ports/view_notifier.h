#pragma once
// How a window model tells its window that the view changed. The window
// installs one callback and, when it fires, copies the parts whose revision
// moved into its widgets; it never polls. A command announces once however
// many inner steps it runs: a ViewBatch held for the command's run keeps the
// announcements of those steps back until the outermost command ends. What a
// command hands on to another window (the workbench's live preview into the
// main window) waits for the same end, so that window hears once as well.
#include <cstdint>
#include <functional>
#include <utility>

namespace qm {

class ViewNotifier {
 public:
  using ViewChangedCallback = std::function<void()>;

  ViewNotifier() = default;
  // A copy shows the same view, but the callback stays with the window that
  // installed it on the original: it would otherwise refresh from a model
  // that is not the one it shows.
  ViewNotifier(const ViewNotifier& other) : revision_(other.revision_) {}
  // Taking another model's state changes the whole view; the callback stays.
  ViewNotifier& operator=(const ViewNotifier& other) {
    if (this != &other) NotifyViewChanged();
    return *this;
  }

  // Grows by one with every announcement.
  std::uint64_t Revision() const { return revision_; }
  // Replaces the callback; an empty one stops the announcements.
  void SetViewChangedCallback(ViewChangedCallback callback) { callback_ = std::move(callback); }

 protected:
  ~ViewNotifier() = default;

  // Holds the announcements back while a command runs.
  class ViewBatch {
   public:
    explicit ViewBatch(ViewNotifier& owner) : owner_(owner) { ++owner_.depth_; }
    ViewBatch(const ViewBatch&) = delete;
    ViewBatch& operator=(const ViewBatch&) = delete;
    ~ViewBatch() {
      if (--owner_.depth_ != 0) return;
      if (owner_.finalStep_) std::exchange(owner_.finalStep_, nullptr)();
      if (owner_.pending_) owner_.Announce();
    }

   private:
    ViewNotifier& owner_;
  };

  // A batch for a command that always changes the view.
  class ViewChange : public ViewBatch {
   public:
    explicit ViewChange(ViewNotifier& owner) : ViewBatch(owner) { owner.NotifyViewChanged(); }
  };

  // The view changed: announced at once, or when the running command ends.
  void NotifyViewChanged() {
    pending_ = true;
    if (depth_ == 0) Announce();
  }

  // Runs step when the running command ends, or at once outside a command.
  // A later step replaces one still waiting: of a command's live previews
  // only the last goes out.
  void RunAtCommandEnd(std::function<void()> step) {
    if (depth_ == 0) {
      step();
    } else {
      finalStep_ = std::move(step);
    }
  }

 private:
  void Announce() {
    pending_ = false;
    ++revision_;
    if (callback_) callback_();
  }

  std::uint64_t revision_ = 0;
  int depth_ = 0;
  bool pending_ = false;
  ViewChangedCallback callback_;
  std::function<void()> finalStep_;
};

}  // namespace qm
