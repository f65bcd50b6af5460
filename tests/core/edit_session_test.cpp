#include "core/edit_session.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/click_editing.h"
#include "core/colour_planes.h"
#include "core/lamp_geometry.h"
#include "core/pattern_operations.h"
#include "core/profile_export.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

// An editor action: its step's name and what it does to the lamps, given a random number.
struct Action {
  std::string title;
  std::function<void(LampMatrix&, unsigned)> apply;
};

std::vector<Action> EveryKindOfAction() {
  std::vector<Action> actions;
  for (const PatternOperation& operation : PatternOperations()) {
    actions.push_back(
        {operation.Title(), [&operation](LampMatrix& l, unsigned) { operation.apply(l); }});
  }
  const auto centre = [](LampIndex lamp) {
    const TwipRect r = LampBounds(lamp);
    return std::pair(r.left + r.width / 2.0, r.top + r.height / 2.0);
  };
  actions.push_back({"Draw", [centre](LampMatrix& l, unsigned n) {
                       const auto [x, y] = centre(static_cast<LampIndex>(n % LampCount));
                       PressLamp(l, x, y);
                     }});
  actions.push_back({"Draw", [](LampMatrix& l, unsigned n) {  // a key from 0 to 3 on a lamp
                       l.SetColour(static_cast<LampIndex>(n % LampCount), LampPalette[n / 64 % 4]);
                     }});
  actions.push_back({"Open", [](LampMatrix& l, unsigned n) {
                       std::mt19937 random(n);
                       ApplyColourPlanes(ColourPlaneText(RandomPattern(random, 4)), l);
                     }});
  actions.push_back({"Paste Pattern", [](LampMatrix& l, unsigned n) {
                       std::mt19937 random(n);
                       const WiringProfile& c_rows = FindProfilePreset("c-rows")->profile;
                       l = std::get<LampMatrix>(
                           ImportPattern(ExportText(RandomPattern(random, 2), c_rows), c_rows));
                     }});
  return actions;
}

// Each step undone gives the pattern that replaying the steps before it gives, and each redone
// the one after it; an action that changes nothing is no step, and a new step drops the redo.
TEST(EditSessionTest, UndoAndRedoAgreeWithAReplayOfEveryKindOfAction) {
  const std::vector<Action> actions = EveryKindOfAction();
  std::mt19937 random(13);
  EditSession history;
  LampMatrix lamps;
  std::vector<std::pair<std::size_t, unsigned>> steps;  // action and number, as recorded
  for (int run = 0; run < 400; ++run) {
    const std::size_t action = random() % actions.size();
    const unsigned number = random();
    actions[action].apply(lamps, number);
    if (history.RecordLamps(actions[action].title, lamps)) {
      steps.emplace_back(action, number);
    }
    ASSERT_EQ(history.Lamps(), lamps);
  }
  ASSERT_GT(steps.size(), 300u);
  ASSERT_LT(steps.size(), 400u);
  const auto replay = [&](std::size_t count) {
    LampMatrix replayed;
    for (std::size_t i = 0; i < count; ++i) {
      actions[steps[i].first].apply(replayed, steps[i].second);
    }
    return replayed;
  };
  for (std::size_t done = steps.size(); done > steps.size() - 60; --done) {
    ASSERT_EQ(history.UndoTitle(), actions[steps[done - 1].first].title);
    history.Undo();
    ASSERT_EQ(history.Lamps(), replay(done - 1));
    ASSERT_EQ(history.RedoTitle(), actions[steps[done - 1].first].title);
  }
  for (std::size_t done = steps.size() - 59; done <= steps.size() - 30; ++done) {
    history.Redo();
    ASSERT_EQ(history.Lamps(), replay(done));
  }
  EXPECT_FALSE(history.RecordLamps("Draw", history.Lamps()));
  EXPECT_TRUE(history.CanRedo());
  LampMatrix changed = history.Lamps();
  ToggleLamp(changed, 0);
  EXPECT_TRUE(history.RecordLamps("Draw", changed));
  EXPECT_FALSE(history.CanRedo());
  history.Undo();
  EXPECT_EQ(history.Lamps(), replay(steps.size() - 30));
}

// Undo and redo choose the frame that the step changed; choosing a frame is no step.
TEST(EditSessionTest, StepsOnSeveralFramesComeBackWithTheirFrame) {
  EditSession history(Animation(std::vector<Frame>(3)));
  LampMatrix lamps;
  ToggleLamp(lamps, 5);
  history.ChooseFrame(2);
  ASSERT_TRUE(history.RecordLamps("Draw", lamps));
  history.ChooseFrame(0);
  EXPECT_EQ(history.UndoTitle(), "Draw");
  history.Undo();
  EXPECT_EQ(history.FrameIndex(), 2);
  EXPECT_EQ(history.Current(), Animation(std::vector<Frame>(3)));
  history.ChooseFrame(1);
  history.Redo();
  EXPECT_EQ(history.FrameIndex(), 2);
  EXPECT_EQ(history.Current().At(2).Lamps(), lamps);
  EXPECT_EQ(history.Current().At(1).Lamps(), LampMatrix());
}

TEST(EditSessionTest, KeepsAThousandSteps) {
  EditSession history;
  LampMatrix lamps;
  for (int step = 0; step < 1005; ++step) {
    ToggleLamp(lamps, step % LampCount);
    history.RecordLamps("Draw", lamps);
  }
  int undone = 0;
  for (; history.CanUndo(); ++undone) {
    history.Undo();
  }
  EXPECT_EQ(undone, 1000);
}

}  // namespace
}  // namespace glyphgrid
