#include "core/opened_pattern.h"

#include <gtest/gtest.h>

#include "core/data_text.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

TEST(OpenedPatternTest, SavedFramesComeBackAndNothingElseReadsAsFrames) {
  std::mt19937 random(3);
  const Animation frames({Frame(RandomPattern(random, 2), 80), Frame(LampMatrix(), 65535),
                          Frame(RandomPattern(random, 2), 1)});
  const std::string saved = SavedPatternText(frames);
  EXPECT_EQ(ParseSavedFrames(saved), frames);
  EXPECT_EQ(saved.substr(saved.rfind("REM")), "REM DELAYS 80, 65535, 1\r\n");

  const std::string line = DataText(frames.At(0).Lamps()) + "\r\n";
  EXPECT_EQ(SavedPatternText(Animation({frames.At(0)})), line);
  const std::string not_frames[] = {
      line,
      line + line + "REM DELAYS 80, 80",
      line + line + "REM DELAYS 80, 80\r\n\r\n",
      line + line + "REM DELAYS 80\r\n",
      line + line + "REM DELAYS 80, 0\r\n",
      line + line + "REM DELAYS 80, 080\r\n",
      line + line + "REM DELAYS 80, 65536\r\n",
      line + line + "REM DELAYS 80,80\r\n",
      line + line + "REM DELAYS 80, 80, \r\n",
      line + "\n" + line + "REM DELAYS 80, 80\r\n",
      line + "\xEF\xBB\xBF" + line + "REM DELAYS 80, 80\r\n",
  };
  for (const std::string& text : not_frames) {
    EXPECT_EQ(ParseSavedFrames(text), std::nullopt) << text;
  }
  EXPECT_TRUE(ParseSavedFrames("\xEF\xBB\xBF" + line + line + "REM DELAYS 80, 80\r\n"));
}

}  // namespace
}  // namespace glyphgrid
