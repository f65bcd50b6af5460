#include "core/edit_session.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace glyphgrid {

EditSession::EditSession(Animation start) : states_{{std::move(start), 0, {}}} {}

void EditSession::ChooseFrame(int index) {
  assert(index >= 0 && index < Current().FrameCount());
  frame_ = index;
}

bool EditSession::Record(const std::string& title, Animation next, int frame) {
  if (next == Current()) {
    return false;
  }
  states_.resize(current_ + 1);
  states_.push_back({std::move(next), frame, title});
  if (states_.size() > StepLimit + 1) {
    states_.pop_front();
  }
  current_ = states_.size() - 1;
  ChooseFrame(frame);
  return true;
}

bool EditSession::RecordLamps(const std::string& title, const LampMatrix& lamps) {
  return Record(title, WithFrame(Current(), frame_, Frame(lamps, Current().At(frame_).Delay())),
                frame_);
}

std::string EditSession::UndoTitle() const {
  return CanUndo() ? states_[current_].title : std::string();
}

std::string EditSession::RedoTitle() const {
  return CanRedo() ? states_[current_ + 1].title : std::string();
}

void EditSession::Undo() {
  assert(CanUndo());
  const int changed = states_[current_].frame;
  --current_;
  ChooseFrame(std::min(changed, Current().FrameCount() - 1));
}

void EditSession::Redo() {
  assert(CanRedo());
  ++current_;
  ChooseFrame(states_[current_].frame);
}

}  // namespace glyphgrid
