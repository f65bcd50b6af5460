#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "core/lamp_matrix.h"

namespace glyphgrid {

// The steps that changed the pattern, for undo and redo: the patterns one after another, each
// step named by the action that made it ("Shift Left").
class PatternHistory {
 public:
  // At least this many steps can be undone; older ones are forgotten.
  static constexpr std::size_t StepLimit = 1000;

  explicit PatternHistory(const LampMatrix& start = {});

  // A new step from the current pattern to `lamps`, named `title`; it drops the steps there were
  // to redo. A step that changes nothing is no step: then false.
  bool Record(const std::string& title, const LampMatrix& lamps);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < states_.size(); }
  // The name of the step Undo would take back, or Redo make again; empty when there is none.
  std::string UndoTitle() const;
  std::string RedoTitle() const;

  // The pattern before the last step, which becomes the next to redo; or after the next step to
  // redo. Only when there is one.
  const LampMatrix& Undo();
  const LampMatrix& Redo();

  const LampMatrix& Current() const { return states_[current_].lamps; }

 private:
  struct State {
    LampMatrix lamps;
    std::string title;  // of the step that led here; empty for the start
  };

  std::deque<State> states_;
  std::size_t current_ = 0;
};

}  // namespace glyphgrid
