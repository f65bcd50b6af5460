#include "core/wiring_wizard.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/profile_export.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

// A board reads the units it gets in its own layout, on a matrix mounted turned or mirrored.
LampMatrix Shows(WiringProfile layout, int mount, std::vector<std::uint8_t> units) {
  layout.zero = false;
  units.resize(static_cast<std::size_t>(UnitCount(layout)));
  return Oriented(LampsFromUnits(units, layout), mount);
}

TEST(WiringWizard, ChosenProfileShowsPicturesTheRightWayRound) {
  struct Row {
    WiringProfile layout;
    int mount;
    const char* shown_with;
  };
  std::vector<Row> rows = {
      {{Scan::Rows, Side::Top, Side::Right, Planes::Interleaved}, 0, "basic"},
      {{Scan::Columns, Side::Left, Side::Bottom, Planes::GreenRed}, 3, "micropython"},
      {{Scan::Rows, Side::Bottom, Side::Left, Planes::RedGreen}, 6, "ht16k33"}};
  for (int mount = 0; mount < OrientationCount; ++mount) {
    rows.push_back({{Scan::Rows, Side::Top, Side::Left}, mount, "basic"});
    rows.push_back({{Scan::Columns, Side::Right, Side::Top}, mount, "c-rows"});
  }
  std::mt19937 random(19);
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "mount " << row.mount << ", " << row.shown_with);
    const bool two = PlaneCount(row.layout.planes) == 2;
    WiringProfile shown = TestProfile(FindProfilePreset(row.shown_with)->profile, two);
    // The user pastes what the board shows; seeing none of the pictures, tries the other planes.
    const auto seen = [&] {
      const LampMatrix test = WiringTestPattern(two);
      return AnswerFromGrid(GridText(Shows(row.layout, row.mount, ExportUnits(test, shown))), two);
    };
    std::variant<WiringAnswer, Error> answer = seen();
    if (two && std::holds_alternative<Error>(answer)) {
      shown = OtherPlaneLayout(shown);
      answer = seen();
    }
    std::variant<WiringProfile, Error> found = FoundWiring(shown, std::get<WiringAnswer>(answer));
    for (int i = 0; i < 20; ++i) {
      const LampMatrix picture = RandomPattern(random, two ? 4 : 2);
      ASSERT_EQ(Shows(row.layout, row.mount, ExportUnits(picture, std::get<WiringProfile>(found))),
                picture);
    }
  }
}

TEST(WiringWizard, OneColourCountsLitLampsAndWhatNoProfileCanDoIsAnError) {
  std::string one_colour_grid = GridText(WiringTestPattern(false));
  std::replace(one_colour_grid.begin(), one_colour_grid.end(), 'R', 'G');  // a green matrix
  EXPECT_EQ(std::get<WiringAnswer>(AnswerFromGrid(one_colour_grid, false)), WiringAnswer{});
  EXPECT_TRUE(std::holds_alternative<Error>(AnswerFromGrid(one_colour_grid, true)));
  EXPECT_TRUE(
      std::holds_alternative<Error>(FoundWiring(FindProfilePreset("ht16k33")->profile, {0, true})));
  EXPECT_TRUE(
      std::holds_alternative<Error>(FoundWiring(FindProfilePreset("uno-r4")->profile, {1})));
}

}  // namespace
}  // namespace glyphgrid
