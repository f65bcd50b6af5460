#include "core/wiring_wizard.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/profile_export.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "support/patterns.h"
#include "support/profile_samples.h"

namespace glyphgrid {
namespace {

// A board reads the units it gets in its own layout, on a matrix mounted turned or mirrored.
LampMatrix Shows(WiringProfile layout, int mount, std::vector<std::uint8_t> units) {
  layout.zero = false;
  units.resize(static_cast<std::size_t>(UnitCount(layout)));
  return Oriented(LampsFromUnits(units, layout), mount);
}

TEST(WiringWizard, ChosenProfileShowsPicturesTheRightWayRound) {
  std::vector<std::tuple<WiringProfile, int, const char*>> rows = {
      {{Scan::Rows, Side::Top, Side::Right, Planes::Interleaved}, 0, "basic"},
      {{Scan::Columns, Side::Left, Side::Bottom, Planes::GreenRed}, 3, "micropython"},
      {{Scan::Rows, Side::Bottom, Side::Left, Planes::RedGreen}, 6, "ht16k33"}};
  for (int mount = 0; mount < OrientationCount; ++mount) {
    rows.push_back({{Scan::Rows, Side::Top, Side::Left}, mount, "basic"});
    rows.push_back({{Scan::Columns, Side::Right, Side::Top}, mount, "c-rows"});
  }
  for (const auto& [layout, mount, shown_with] : rows) {
    SCOPED_TRACE(testing::Message() << "mount " << mount << ", " << shown_with);
    const bool two = PlaneCount(layout.planes) == 2;
    const LampMatrix test = WiringTestPattern(two);
    WiringProfile shown = TestProfile(FindProfilePreset(shown_with)->profile, two);
    // The user pastes what the board shows; seeing none of the pictures, tries the other planes.
    auto answer = AnswerFromGrid(GridText(Shows(layout, mount, ExportUnits(test, shown))), two);
    if (two && std::holds_alternative<Error>(answer)) {
      shown = OtherPlaneLayout(shown);
      answer = AnswerFromGrid(GridText(Shows(layout, mount, ExportUnits(test, shown))), two);
    }
    const WiringProfile found =
        std::get<WiringProfile>(FoundWiring(shown, std::get<WiringAnswer>(answer)));
    const LampMatrix picture = FromGrid(two ? Sample : SampleRed);
    EXPECT_EQ(Shows(layout, mount, ExportUnits(picture, found)), picture);
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
