#include "core/profile_import.h"

#include <algorithm>
#include <vector>

#include "core/animation_import.h"
#include "core/export_tokens.h"
#include "core/preset_readings.h"
#include "core/profile_presets.h"
#include "core/syntax_family.h"

namespace glyphgrid {

namespace {

using Kind = ExportToken::Kind;
using Tokens = std::vector<ExportToken>;
using Values = std::vector<const ExportToken*>;

Error At(const ExportToken& token, const std::string& what) {
  return {Error::Kind::BadInput, TextPosition(token.line, token.column) + ": " + what};
}

// The numbers of a list separated by commas or white space; a comma may end it. With
// `data_lines`, DATA may start any line.
std::variant<Values, Error> ListOf(std::span<const ExportToken> body, bool data_lines) {
  Values values;
  bool after_value = false;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const ExportToken& token = body[i];
    if (token.kind == Kind::Number) {
      values.push_back(&token);
      after_value = true;
    } else if (IsMark(token, ',') && after_value) {
      after_value = false;
    } else if (IsMark(token, ',')) {
      return At(token, "expected a value before ','");
    } else if (!data_lines || !IsDataKeyword(token) || (i > 0 && body[i - 1].line == token.line)) {
      return At(token, "unexpected " + ShownToken(token.text) + " (expected a value or ',')");
    }
  }
  return values;
}

// The values inside the first `open` mark: a C array after its declaration, or a Python list
// after "NAME = bytes(". `before` lists the marks the declaration may hold; what follows the list
// may be `after` or the start of it.
std::variant<Values, Error> BracketedList(const Tokens& tokens, std::size_t open, char close,
                                          std::string_view before, std::string after) {
  const std::string open_text(tokens[open].text);
  for (std::size_t i = 0; i < open; ++i) {
    const ExportToken& token = tokens[i];
    const bool fits =
        token.kind == Kind::Word || (token.kind == Kind::Number && open_text == "{") ||
        (token.kind == Kind::Mark && before.find(token.text) != std::string_view::npos);
    if (!fits) {
      return At(token,
                "unexpected " + ShownToken(token.text) + " before the values' '" + open_text + "'");
    }
  }
  const auto closing = std::find_if(
      tokens.begin() + static_cast<std::ptrdiff_t>(open) + 1, tokens.end(),
      [](const ExportToken& token) { return token.kind != Kind::Number && !IsMark(token, ','); });
  if (closing == tokens.end() || !IsMark(*closing, close)) {
    return closing == tokens.end()
               ? At(tokens[open], "the '" + open_text + "' here is not closed")
               : At(*closing, "unexpected " + ShownToken(closing->text) +
                                  " (expected a value, ',' or '" + std::string(1, close) + "')");
  }
  std::size_t next = 0;
  for (auto token = closing + 1; token != tokens.end(); ++token) {
    if (next == after.size() || !IsMark(*token, after[next])) {
      return At(*token, "unexpected " + ShownToken(token->text) + " after the values' '" +
                            std::string(1, close) + "'");
    }
    ++next;
  }
  return ListOf({tokens.begin() + static_cast<std::ptrdiff_t>(open) + 1, closing}, false);
}

std::variant<Values, Error> ValuesOf(const Tokens& tokens) {
  const auto find = [&tokens](char mark) {
    return static_cast<std::size_t>(
        std::ranges::find_if(tokens, [mark](const ExportToken& t) { return IsMark(t, mark); }) -
        tokens.begin());
  };
  if (const std::size_t brace = find('{'); brace < tokens.size()) {
    return BracketedList(tokens, brace, '}', "[]=", ";");
  }
  if (const std::size_t bracket = find('['); bracket < tokens.size()) {
    const auto parentheses =
        std::count_if(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(bracket),
                      [](const ExportToken& t) { return IsMark(t, '('); });
    return BracketedList(tokens, bracket, ']', "=(",
                         std::string(static_cast<std::size_t>(parentheses), ')'));
  }
  return ListOf(tokens, true);
}

std::variant<LampMatrix, Error> SingleFrame(const std::variant<Animation, Error>& read) {
  if (const Error* error = std::get_if<Error>(&read)) {
    return *error;
  }
  const Animation& animation = std::get<Animation>(read);
  if (animation.FrameCount() > 1) {
    return Error{Error::Kind::BadInput, "holds " + std::to_string(animation.FrameCount()) +
                                            " frames where one pattern was expected"};
  }
  return animation.At(0).Lamps();
}

// Far more tokens than any text a profile reads holds (every unit with its comma and a DATA word,
// a declaration's words and marks), so that a huge paste costs no more than a short one.
constexpr std::size_t MaxTokens = 8 * MaxUnitCount;

std::variant<Tokens, Error> Tokenize(std::string_view text, const WiringProfile& profile) {
  return TokenizeExport(text, {.bare_hex = profile.syntax == Syntax::Hex, .max_tokens = MaxTokens});
}

std::variant<LampMatrix, Error> ReadTokens(const Tokens& tokens, const WiringProfile& profile) {
  std::variant<Values, Error> listed = ValuesOf(tokens);
  if (const Error* error = std::get_if<Error>(&listed)) {
    return *error;
  }
  const Values& values = std::get<Values>(listed);
  const std::string label = ProfileLabel(profile);
  const auto expected = static_cast<std::size_t>(UnitCount(profile));
  if (values.size() != expected) {
    const std::string what = "expected " + std::to_string(expected) + " values for " + label +
                             ", found " + std::to_string(values.size());
    return values.size() > expected ? At(*values[expected], what)
                                    : Error{Error::Kind::BadInput, what};
  }
  if (profile.zero && values.back()->value != 0) {
    return At(*values.back(), "the last value is always 0 for " + label + ", found " +
                                  ShownToken(values.back()->text));
  }
  std::vector<std::uint8_t> units;
  units.reserve(values.size());
  for (const ExportToken* value : values) {
    units.push_back(static_cast<std::uint8_t>(value->value));
  }
  return LampsFromUnits(units, profile);
}

std::variant<LampMatrix, Error> ReadText(const std::variant<Tokens, Error>& tokens,
                                         const WiringProfile& profile) {
  if (const Error* error = std::get_if<Error>(&tokens)) {
    return *error;
  }
  return ReadTokens(std::get<Tokens>(tokens), profile);
}

LampColour ColourOf(bool red, bool green) {
  if (red) {
    return green ? LampOrange : LampRed;
  }
  return green ? LampGreen : LampGrey;
}

}  // namespace

LampMatrix LampsFromUnits(std::span<const std::uint8_t> units, const WiringProfile& profile) {
  bool red[LampCount] = {};
  bool green[LampCount] = {};
  for (const Plane plane : {Plane::Red, Plane::Green}) {
    for (int unit = 0; unit < UnitsPerPlane; ++unit) {
      const std::optional<int> position = UnitPosition(profile.planes, plane, unit);
      if (!position) {
        break;
      }
      const int value = units[static_cast<std::size_t>(*position)];
      for (int bit = 0; bit < LampsPerRow; ++bit) {
        if (((value >> bit) & 1) != (profile.invert ? 1 : 0)) {
          const LampIndex lamp = LampAt(profile, unit, bit);
          (plane == Plane::Red ? red : green)[lamp] = true;
        }
      }
    }
  }
  LampMatrix lamps;
  for (LampIndex i = 0; i < LampCount; ++i) {
    lamps.SetColour(i, ColourOf(red[i], green[i]));
  }
  return lamps;
}

std::variant<LampMatrix, Error> ImportPattern(std::string_view text, const WiringProfile& profile) {
  if (std::optional<Error> error = CheckProfile(profile)) {
    return *error;
  }
  if (IsWordSyntax(profile.syntax)) {
    return SingleFrame(ImportAnimation(text, profile));
  }
  return ReadText(Tokenize(text, profile), profile);
}

// The text is tokenised once for every preset (none reads bare hexadecimal), and once more only
// when the preferred profile does.
std::variant<ImportedPattern, Error> ImportAnyProfile(std::string_view text,
                                                      const WiringProfile& preferred) {
  if (std::optional<Error> error = CheckProfile(preferred)) {
    return *error;
  }
  const std::variant<Tokens, Error> tokens = TokenizeExport(text, {.max_tokens = MaxTokens});
  const std::variant<LampMatrix, Error> first = preferred.syntax == Syntax::Hex
                                                    ? ReadText(Tokenize(text, preferred), preferred)
                                                    : ReadText(tokens, preferred);
  if (const LampMatrix* lamps = std::get_if<LampMatrix>(&first)) {
    return ImportedPattern{*lamps, ProfileLabel(preferred)};
  }
  PresetReadings<LampMatrix> readings;
  if (const Tokens* list = std::get_if<Tokens>(&tokens)) {
    const SyntaxFamily family = FamilyOf(*list);
    for (const ProfilePreset& preset : ProfilePresets()) {
      if (IsWordSyntax(preset.profile.syntax)) {
        continue;  // a frame of wide words: the animation's import reads it
      }
      const std::variant<LampMatrix, Error> read = ReadTokens(*list, preset.profile);
      if (const LampMatrix* lamps = std::get_if<LampMatrix>(&read)) {
        readings.Add(*lamps, preset.name, InFamily(preset.profile.syntax, family));
      }
    }
  }
  // Presets that read the text differently: its syntax decides when it leaves one.
  auto chosen = readings.Choose(ProfileLabel(preferred), std::get<Error>(first));
  if (Error* error = std::get_if<Error>(&chosen)) {
    return std::move(*error);
  }
  auto& reading = std::get<PresetReadings<LampMatrix>::Reading>(chosen);
  return ImportedPattern{reading.value, std::move(reading.label)};
}

}  // namespace glyphgrid
