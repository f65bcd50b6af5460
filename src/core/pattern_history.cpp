#include "core/pattern_history.h"

#include <cassert>

namespace glyphgrid {

PatternHistory::PatternHistory(const LampMatrix& start) : states_{{start, {}}} {}

bool PatternHistory::Record(const std::string& title, const LampMatrix& lamps) {
  if (lamps == Current()) {
    return false;
  }
  states_.resize(current_ + 1);
  states_.push_back({lamps, title});
  if (states_.size() > StepLimit + 1) {
    states_.pop_front();
  }
  current_ = states_.size() - 1;
  return true;
}

std::string PatternHistory::UndoTitle() const {
  return CanUndo() ? states_[current_].title : std::string();
}

std::string PatternHistory::RedoTitle() const {
  return CanRedo() ? states_[current_ + 1].title : std::string();
}

const LampMatrix& PatternHistory::Undo() {
  assert(CanUndo());
  return states_[--current_].lamps;
}

const LampMatrix& PatternHistory::Redo() {
  assert(CanRedo());
  return states_[++current_].lamps;
}

}  // namespace glyphgrid
