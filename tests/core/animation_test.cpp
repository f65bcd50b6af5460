#include "core/animation.h"

#include <gtest/gtest.h>

#include <functional>

namespace glyphgrid {
namespace {

// Frames told apart by their delays.
Animation WithDelays(std::vector<int> delays) {
  std::vector<Frame> frames;
  for (const int delay : delays) {
    frames.emplace_back(LampMatrix(), delay);
  }
  return Animation(std::move(frames));
}

std::vector<int> Delays(const Animation& animation) {
  std::vector<int> delays;
  for (const Frame& frame : animation.Frames()) {
    delays.push_back(frame.Delay());
  }
  return delays;
}

// The edges of the frame-list edits; the editor's frame test takes each through the menus.
TEST(AnimationTest, FrameListEditsAtTheEdges) {
  using Edit = std::function<Animation(const Animation&)>;
  const std::pair<Edit, std::vector<int>> edits[] = {
      {[](const Animation& a) { return InsertFrame(a, 0, {}); }, {100, 1, 2, 3, 4}},
      {[](const Animation& a) { return InsertFrame(a, 4, {}); }, {1, 2, 3, 4, 100}},
      {[](const Animation& a) { return DuplicateFrame(a, 3); }, {1, 2, 3, 4, 4}},
      {[](const Animation& a) { return DeleteFrame(a, 0); }, {2, 3, 4}},
      {[](const Animation& a) { return DeleteFrame(a, 3); }, {1, 2, 3}},
      {[](const Animation&) { return DeleteFrame(WithDelays({9}), 0); }, {9}},
      {[](const Animation& a) { return MoveFrame(a, 0, 3); }, {2, 3, 4, 1}},
      {[](const Animation& a) { return MoveFrame(a, 3, 0); }, {4, 1, 2, 3}},
  };
  const Animation start = WithDelays({1, 2, 3, 4});
  for (const auto& [edit, delays] : edits) {
    EXPECT_EQ(Delays(edit(start)), delays);
  }
  LampMatrix lit;
  lit.SetColour(9, LampGreen);
  EXPECT_EQ(InsertFrame(start, 2, lit).At(2).Lamps(), lit);
  const Animation full{std::vector<Frame>(MaxFrames)};
  EXPECT_EQ(InsertFrame(full, 0, lit), full);
  EXPECT_EQ(DuplicateFrame(full, 0), full);
}

}  // namespace
}  // namespace glyphgrid
