#include "core/document_file.h"

#include <gtest/gtest.h>

#include "core/profile_presets.h"
#include "support/patterns.h"

namespace glyphgrid {
namespace {

TEST(DocumentFileTest, ReadsBackWhatItWrites) {
  std::mt19937 random(17);
  for (int round = 0; round < 200; ++round) {
    std::vector<Frame> frames;
    const int count = 1 + static_cast<int>(random() % 12);
    for (int index = 0; index < count; ++index) {
      frames.emplace_back(RandomPattern(random, 4), MinDelay + random() % MaxDelay);
    }
    Document document{Animation(std::move(frames), MinDelay + random() % MaxDelay), std::nullopt};
    if (round % 2 == 1) {
      const auto presets = ProfilePresets();
      document.profile = presets[random() % presets.size()].profile;
      document.profile->name = "frames_" + std::to_string(round);
      const bool matrix = document.profile->syntax == Syntax::UnoR4;
      document.profile->delays = matrix || random() % 2;
      document.profile->offset = matrix ? static_cast<int>(random() % 5) : DefaultOffset;
    }
    const std::variant<Document, Error> read = ParseDocument(DocumentText(document));
    ASSERT_TRUE(std::holds_alternative<Document>(read)) << std::get<Error>(read).message;
    EXPECT_EQ(std::get<Document>(read), document) << DocumentText(document);
  }
}

TEST(DocumentFileTest, RefusesWhatIsWrongNamingWhere) {
  const std::string rows =
      R"(["........","........","........","........","........","........","........","........"])";
  const auto document = [](const std::string& version, const std::string& frames) {
    return "{\n  \"format\": \"glyphgrid\",\n  \"version\": " + version +
           ",\n  \"frames\": [\n    " + frames + "\n  ]\n}\n";
  };
  const std::string frame = R"({"delay": 80, "rows": )" + rows + "}";
  const std::pair<std::string, std::string> failures[] = {
      {document("1", ""), "line 4, column 13: expected \"frames\": a list of 1 to 10000"},
      {document("1", frame + ",\n    {\"delay\": 80}"),
       "line 6, column 5: frame 2: missing \"rows\""},
      {document("1", R"({"delay": 0, "rows": )" + rows + "}"),
       "line 5, column 15: expected a delay in milliseconds from 1 to 65535, got 0"},
      {document("1", R"({"rows": )" + std::string(rows).erase(2, 1) + "}"),
       "line 5, column 15: row 1: expected 8 characters from . R G O, got 7"},
      {document("1", R"({"rows": )" + std::string(rows).replace(16, 1, "x") + "}"),
       "line 5, column 26: row 2: character 4: expected one of . R G O, got 'x'"},
      {document("2", frame),
       "line 3, column 14: written by a newer Glyphgrid (document version 2)"},
      {document("1", R"({"delay": 80, "colour": "red", "rows": )" + rows + "}"),
       "line 5, column 29: unknown key \"colour\""},
      {document("1", "{\"rows\": " + rows + ",}"),
       "line 5, column 104: not valid JSON: expected string literal"},
      {"{\"format\": \"glyphgrid\", \"version\": 1, \"profile\": {\"scan\": \"diagonal\"}}",
       "line 1, column 59: \"scan\": expected columns or rows"},
      {"{\"format\": \"glyphgrid\", \"version\": 1, \"profile\": {\"offset\": 1.5}}",
       "line 1, column 61: \"offset\": expected a whole number from 0 to 4"},
      {"[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]"
       "]]]]]",
       "not a Glyphgrid document: it nests deeper"},
      {"{\"version\": 1E400}", "not a Glyphgrid document: a number in it is too large"},
  };
  for (const auto& [text, message] : failures) {
    const std::variant<Document, Error> read = ParseDocument(text);
    ASSERT_TRUE(std::holds_alternative<Error>(read)) << text;
    EXPECT_NE(std::get<Error>(read).message.find(message), std::string::npos)
        << std::get<Error>(read).message << "\n"
        << text;
  }
}

}  // namespace
}  // namespace glyphgrid
