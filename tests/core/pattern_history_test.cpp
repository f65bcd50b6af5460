#include "core/pattern_history.h"

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
TEST(PatternHistoryTest, UndoAndRedoAgreeWithAReplayOfEveryKindOfAction) {
  const std::vector<Action> actions = EveryKindOfAction();
  std::mt19937 random(13);
  PatternHistory history;
  LampMatrix lamps;
  std::vector<std::pair<std::size_t, unsigned>> steps;  // action and number, as recorded
  for (int run = 0; run < 400; ++run) {
    const std::size_t action = random() % actions.size();
    const unsigned number = random();
    actions[action].apply(lamps, number);
    if (history.Record(actions[action].title, lamps)) {
      steps.emplace_back(action, number);
    }
    ASSERT_EQ(history.Current(), lamps);
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
    ASSERT_EQ(history.Undo(), replay(done - 1));
    ASSERT_EQ(history.RedoTitle(), actions[steps[done - 1].first].title);
  }
  for (std::size_t done = steps.size() - 59; done <= steps.size() - 30; ++done) {
    ASSERT_EQ(history.Redo(), replay(done));
  }
  EXPECT_FALSE(history.Record("Draw", history.Current()));
  EXPECT_TRUE(history.CanRedo());
  LampMatrix changed = history.Current();
  ToggleLamp(changed, 0);
  EXPECT_TRUE(history.Record("Draw", changed));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Undo(), replay(steps.size() - 30));
}

TEST(PatternHistoryTest, KeepsAThousandStepsAndAStrokeIsOneStep) {
  PatternHistory history;
  LampMatrix lamps;
  for (int step = 0; step < 1005; ++step) {
    ToggleLamp(lamps, step % LampCount);
    history.Record("Draw", lamps);
  }
  int undone = 0;
  for (; history.CanUndo(); ++undone) {
    history.Undo();
  }
  EXPECT_EQ(undone, 1000);
  history = PatternHistory();
  lamps = LampMatrix();
  lamps.SetColour(1, LampRed);
  ASSERT_TRUE(history.Record("Draw", lamps));
  lamps.SetColour(2, LampRed);
  EXPECT_TRUE(history.Amend(lamps));
  EXPECT_EQ(history.Undo(), LampMatrix());
  EXPECT_EQ(history.Redo(), lamps);
  EXPECT_FALSE(history.Amend(LampMatrix()));
  EXPECT_FALSE(history.CanUndo() || history.CanRedo());
}

// The lamps a straight drag passes over, against the segment clipped to each lamp's cell in turn
// (its part inside the active area), in the order the segment enters them.
std::vector<LampIndex> ClippedToEachCell(double x0, double y0, double x1, double y1) {
  std::vector<std::pair<double, LampIndex>> entered;
  for (LampIndex lamp = 0; lamp < LampCount; ++lamp) {
    const TwipRect cell = LampBounds(lamp);
    double enter = 0;
    double leave = 1;
    const auto clip = [&](double from, double to, double low, double high) {
      if (from == to) {
        return low < from && from < high;
      }
      const double a = (low - from) / (to - from);
      const double b = (high - from) / (to - from);
      enter = std::max(enter, std::min(a, b));
      leave = std::min(leave, std::max(a, b));
      return true;
    };
    if (clip(x0, x1, std::max<double>(cell.left, ActiveLeft),
             std::min<double>(cell.left + LampPitch, ActiveRight)) &&
        clip(y0, y1, std::max<double>(cell.top, ActiveTop),
             std::min<double>(cell.top + LampPitch, ActiveBottom)) &&
        enter < leave) {
      entered.emplace_back(enter, lamp);
    }
  }
  std::sort(entered.begin(), entered.end());
  std::vector<LampIndex> lamps;
  for (const auto& [enter, lamp] : entered) {
    lamps.push_back(lamp);
  }
  return lamps;
}

TEST(PatternHistoryTest, ADragPassesOverEveryLampOnItsWayInEveryDirection) {
  EXPECT_EQ(LampsAlong(1000, 727, 4000, 727),
            (std::vector<LampIndex>{63, 62, 61, 60, 59, 58, 57, 56}));
  EXPECT_EQ(LampsAlong(1687, 727, 1687, 727), std::vector<LampIndex>{63});
  // Through the corner where lamps 63, 62, 55 and 54 meet: only the two it passes into, though a
  // press on the corner itself would be lamp 54's.
  EXPECT_EQ(LampsAlong(1920, 720, 1680, 960), (std::vector<LampIndex>{62, 55}));
  std::mt19937 random(8);
  std::uniform_real_distribution<double> x(1000, 4000), y(0, 3000);
  for (int move = 0; move < 1000; ++move) {
    const double x0 = x(random), y0 = y(random), x1 = x(random), y1 = y(random);
    EXPECT_EQ(LampsAlong(x0, y0, x1, y1), ClippedToEachCell(x0, y0, x1, y1))
        << x0 << ", " << y0 << " to " << x1 << ", " << y1;
  }
}

}  // namespace
}  // namespace glyphgrid
