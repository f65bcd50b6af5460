#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "core/animation.h"

namespace glyphgrid {

// The animation being edited, the frame chosen in it, and its history. Every change to a frame,
// to the list of frames or to a delay is one step, named by the action that made it ("Shift
// Left"), that can be undone and redone; choosing a frame is none. Steps share the frames they
// did not change, so a step costs a pointer a frame, not a copy of the animation.
class EditSession {
 public:
  // At least this many steps can be undone; older ones are forgotten.
  static constexpr std::size_t StepLimit = 1000;

  explicit EditSession(Animation start = Animation());

  const Animation& Current() const { return states_[current_].animation; }
  int FrameIndex() const { return frame_; }
  const LampMatrix& Lamps() const { return Current().At(frame_).Lamps(); }

  void ChooseFrame(int index);

  // A new step to `next`, with frame `frame` chosen in it, named `title`; it drops the steps there
  // were to redo. A step that changes nothing is no step: then false.
  bool Record(const std::string& title, Animation next, int frame);
  // The same for new lamps of the chosen frame.
  bool RecordLamps(const std::string& title, const LampMatrix& lamps);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ + 1 < states_.size(); }
  // The name of the step Undo would take back, or Redo make again; empty when there is none.
  std::string UndoTitle() const;
  std::string RedoTitle() const;

  // Back to before the last step, or on to after the next step to redo, with the frame the step
  // changed chosen. Only when there is one.
  void Undo();
  void Redo();

 private:
  struct State {
    Animation animation;
    int frame;          // chosen when the step that led here was made
    std::string title;  // of that step; empty for the start
  };

  std::deque<State> states_;
  std::size_t current_ = 0;
  int frame_ = 0;
};

}  // namespace glyphgrid
