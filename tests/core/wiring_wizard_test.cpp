#include "core/wiring_wizard.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/grid_text.h"
#include "core/profile_export.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

// A board reads the units it gets in its own layout, on a matrix mounted turned or mirrored.
struct Board {
  Scan scan;
  Side first;
  Side msb;
  Planes planes;
  int mount;

  LampMatrix Shows(std::vector<std::uint8_t> units) const {
    WiringProfile layout{.scan = scan, .first = first, .msb = msb, .planes = planes};
    layout.zero = false;
    units.resize(static_cast<std::size_t>(UnitCount(layout)));
    return Oriented(LampsFromUnits(units, layout), mount);
  }
};

TEST(WiringWizard, ChosenProfileShowsPicturesTheRightWayRound) {
  struct Row {
    Board board;
    const char* shown_with;
    bool two_colours;
  };
  std::vector<Row> rows = {
      {{Scan::Rows, Side::Top, Side::Right, Planes::Interleaved, 0}, "basic", true},
      {{Scan::Columns, Side::Left, Side::Bottom, Planes::GreenRed, 3}, "micropython", true},
      {{Scan::Rows, Side::Bottom, Side::Left, Planes::RedGreen, 6}, "ht16k33", true},
  };
  for (int mount = 0; mount < OrientationCount; ++mount) {
    rows.push_back({{Scan::Rows, Side::Top, Side::Left, Planes::Red, mount}, "basic", false});
    rows.push_back({{Scan::Columns, Side::Right, Side::Top, Planes::Red, mount}, "c-rows", false});
  }
  std::mt19937 random(19);
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "mount " << row.board.mount << ", " << row.shown_with);
    WiringProfile shown = TestProfile(FindProfilePreset(row.shown_with)->profile, row.two_colours);
    const auto seen = [&] {
      const LampMatrix test = WiringTestPattern(row.two_colours);
      return AnswerFromGrid(GridText(row.board.Shows(ExportUnits(test, shown))), row.two_colours);
    };
    std::variant<WiringAnswer, Error> answer = seen();
    if (row.two_colours && std::holds_alternative<Error>(answer)) {
      shown = OtherPlaneLayout(shown);
      answer = seen();
    }
    ASSERT_TRUE(std::holds_alternative<WiringAnswer>(answer));
    std::variant<WiringProfile, Error> found = FoundWiring(shown, std::get<WiringAnswer>(answer));
    ASSERT_TRUE(std::holds_alternative<WiringProfile>(found));
    for (int i = 0; i < 20; ++i) {
      const LampMatrix picture = RandomPattern(random, row.two_colours ? 4 : 2);
      ASSERT_EQ(row.board.Shows(ExportUnits(picture, std::get<WiringProfile>(found))), picture);
    }
  }
}

TEST(WiringWizard, TestPatternsEightPicturesDiffer) {
  for (bool two_colours : {false, true}) {
    std::set<std::string> pictures;
    for (int orientation = 0; orientation < OrientationCount; ++orientation) {
      pictures.insert(GridText(Oriented(WiringTestPattern(two_colours), orientation)));
    }
    EXPECT_EQ(pictures.size(), 8u);
  }
}

TEST(WiringWizard, WhatNoProfileCanDoIsAnError) {
  const WiringProfile interleaved = FindProfilePreset("ht16k33")->profile;
  const WiringProfile uno = FindProfilePreset("uno-r4")->profile;
  const std::variant<WiringAnswer, Error> not_a_picture =
      AnswerFromGrid(GridText(Oriented(WiringTestPattern(false), 2)), true);
  EXPECT_TRUE(std::holds_alternative<Error>(not_a_picture));
  EXPECT_TRUE(std::holds_alternative<Error>(FoundWiring(interleaved, {0, true})));
  EXPECT_TRUE(std::holds_alternative<Error>(FoundWiring(uno, {1, false})));
}

}  // namespace
}  // namespace glyphgrid
