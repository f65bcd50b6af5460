#include "core/animation_import.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "core/animation_export.h"
#include "core/export_tokens.h"
#include "core/preset_readings.h"
#include "core/profile_import.h"
#include "core/profile_presets.h"
#include "core/syntax_family.h"

namespace glyphgrid {

namespace {

using Kind = ExportToken::Kind;
using Tokens = std::vector<ExportToken>;

// A number, or a list of numbers and lists; `at` is the number or the list's opening token.
struct Node {
  const ExportToken* at = nullptr;
  bool list = false;
  std::vector<Node> items;
};

// The frames' value and, when the text has them, the delays.
struct Structure {
  Node frames;
  std::optional<Node> delays;
  bool lines = false;  // frames taken from DATA lines or plain lines, not from brackets
};

// Frames of lists of values: no export nests deeper, and a hostile text cannot go deep.
constexpr int MaxDepth = 2;

// Every frame's units with a comma and a DATA word, the declarations, the delays.
constexpr std::size_t MaxTokens = static_cast<std::size_t>(MaxFrames) * (2 * MaxUnitCount + 8) + 64;

Error At(const ExportToken& token, const std::string& what) {
  return {Error::Kind::BadInput, TextPosition(token.line, token.column) + ": " + what};
}

Error Unexpected(const ExportToken& token, const std::string& expected) {
  return At(token, "unexpected " + ShownToken(token.text) + " (expected " + expected + ")");
}

class Parser {
 public:
  explicit Parser(const Tokens& tokens) : tokens_(tokens) {}

  std::variant<Structure, Error> Run() {
    const SyntaxFamily family = FamilyOf(tokens_);
    if (family == SyntaxFamily::C || family == SyntaxFamily::Python) {
      return Statements();
    }
    return Lines();
  }

 private:
  bool AtEnd() const { return at_ == tokens_.size(); }
  const ExportToken& Token() const { return tokens_[at_]; }

  // NAME = value, or a value alone; the frames' and then the delays' (C ends each with ';').
  std::variant<Structure, Error> Statements() {
    std::vector<Node> values;
    while (!AtEnd()) {
      if (values.size() == 2) {
        return Unexpected(Token(), "the end after the frames' and the delays' arrays");
      }
      SkipDeclaration();
      std::variant<Node, Error> value = Value(0);
      if (const Error* error = std::get_if<Error>(&value)) {
        return *error;
      }
      values.push_back(std::move(std::get<Node>(value)));
      if (!AtEnd() && IsMark(Token(), ';')) {
        ++at_;
      }
    }
    if (values.empty()) {
      return Structure{Node{nullptr, true, {}}, std::nullopt, false};
    }
    Structure structure{std::move(values.front()), std::nullopt, false};
    if (values.size() == 2) {
      structure.delays = std::move(values.back());
    }
    return structure;
  }

  // The words, sizes and '=' of "const uint8_t pattern[4][8] PROGMEM =" or "pattern =".
  void SkipDeclaration() {
    for (std::size_t i = at_; i < tokens_.size(); ++i) {
      const ExportToken& token = tokens_[i];
      if (IsMark(token, '=')) {
        at_ = i + 1;
        return;
      }
      const bool fits = token.kind == Kind::Word || token.kind == Kind::Number ||
                        IsMark(token, '[') || IsMark(token, ']');
      if (!fits) {
        return;
      }
    }
  }

  std::variant<Node, Error> Value(int depth) {
    if (AtEnd()) {
      return Error{Error::Kind::BadInput, "ends where a value was expected"};
    }
    const ExportToken& token = Token();
    if (token.kind == Kind::Number) {
      ++at_;
      return Node{&token, false, {}};
    }
    if (token.kind == Kind::Word && at_ + 1 < tokens_.size() && IsMark(tokens_[at_ + 1], '(')) {
      at_ += 2;
      std::variant<Node, Error> inner = Value(depth);
      if (std::holds_alternative<Node>(inner) && (AtEnd() || !IsMark(Token(), ')'))) {
        return AtEnd() ? At(tokens_[at_ - 1], "the '(' is not closed") : Unexpected(Token(), "')'");
      }
      ++at_;
      return inner;
    }
    if (!IsMark(token, '{') && !IsMark(token, '[')) {
      return Unexpected(token, "a value, '{' or '['");
    }
    if (depth == MaxDepth) {
      return At(token, "lists nested deeper than frames of values");
    }
    const char close = IsMark(token, '{') ? '}' : ']';
    Node node{&token, true, {}};
    ++at_;
    bool after_value = false;
    while (true) {
      if (AtEnd()) {
        return At(token, "the '" + std::string(token.text) + "' here is not closed");
      }
      if (IsMark(Token(), close)) {
        ++at_;
        return node;
      }
      if (IsMark(Token(), ',')) {
        if (!after_value) {
          return At(Token(), "expected a value before ','");
        }
        after_value = false;
        ++at_;
        continue;
      }
      std::variant<Node, Error> item = Value(depth + 1);
      if (const Error* error = std::get_if<Error>(&item)) {
        return *error;
      }
      node.items.push_back(std::move(std::get<Node>(item)));
      after_value = true;
    }
  }

  // DATA lines and REM DELAYS, or lines of numbers: a list each.
  std::variant<Structure, Error> Lines() {
    Structure structure{Node{nullptr, true, {}}, std::nullopt, true};
    const bool data = std::ranges::any_of(tokens_, IsDataKeyword);
    Node* current = nullptr;
    bool after_value = false;
    int line = 0;
    for (; !AtEnd(); ++at_) {
      const ExportToken& token = Token();
      const bool starts_line = token.line != line;
      line = token.line;
      if (token.kind == Kind::Word && EqualsIgnoringCase(token.text, "REM") && starts_line &&
          !structure.delays) {
        ++at_;
        structure.delays = Node{&token, true, {}};
        current = &*structure.delays;
        after_value = false;
        continue;
      }
      if (starts_line && structure.delays && current == &*structure.delays) {
        return Unexpected(token, "the end after the REM DELAYS line");
      }
      if (starts_line && (!data || IsDataKeyword(token))) {
        structure.frames.items.push_back(Node{&token, true, {}});
        current = &structure.frames.items.back();
        after_value = false;
        if (data) {
          continue;
        }
      }
      if (token.kind == Kind::Number && current) {
        current->items.push_back(Node{&token, false, {}});
        after_value = true;
      } else if (IsMark(token, ',') && after_value) {
        after_value = false;
      } else if (IsMark(token, ',')) {
        return At(token, "expected a value before ','");
      } else {
        return Unexpected(token, data && !current ? "DATA" : "a value or ','");
      }
    }
    return structure;
  }

  const Tokens& tokens_;
  std::size_t at_ = 0;
};

std::string FramePrefix(std::size_t index, std::size_t count) {
  return count > 1 ? "frame " + std::to_string(index + 1) + ": " : "";
}

Error InFrame(Error error, std::size_t index, std::size_t count) {
  const std::string prefix = FramePrefix(index, count);
  error.message.insert(0, prefix);
  return error;
}

std::variant<std::vector<std::uint64_t>, Error> Numbers(const Node& node, std::uint64_t max,
                                                        const std::string& what) {
  if (!node.list) {
    return At(*node.at, "expected a list of " + what);
  }
  std::vector<std::uint64_t> numbers;
  numbers.reserve(node.items.size());
  for (const Node& item : node.items) {
    if (item.list) {
      return At(*item.at, "unexpected " + ShownToken(item.at->text) + " (expected " + what + ")");
    }
    if (item.at->value > max) {
      return At(*item.at, ShownToken(item.at->text) + " is over " + std::to_string(max));
    }
    numbers.push_back(item.at->value);
  }
  return numbers;
}

// One frame's units from a list of values.
std::variant<LampMatrix, Error> ByteFrame(const Node& node, const WiringProfile& profile) {
  std::variant<std::vector<std::uint64_t>, Error> read = Numbers(node, 255, "values");
  if (const Error* error = std::get_if<Error>(&read)) {
    return *error;
  }
  const std::vector<std::uint64_t>& values = std::get<std::vector<std::uint64_t>>(read);
  const auto expected = static_cast<std::size_t>(UnitCount(profile));
  const std::string label = ProfileLabel(profile);
  if (values.size() != expected) {
    const std::string what = "expected " + std::to_string(expected) + " values for " + label +
                             ", found " + std::to_string(values.size());
    return values.size() > expected ? At(*node.items[expected].at, what)
                                    : Error{Error::Kind::BadInput, what};
  }
  if (profile.zero && values.back() != 0) {
    return At(*node.items.back().at, "the last value is always 0 for " + label + ", found " +
                                         ShownToken(node.items.back().at->text));
  }
  std::vector<std::uint8_t> units(values.begin(), values.end());
  return LampsFromUnits(units, profile);
}

std::variant<LampMatrix, Error> WordFrame(std::uint64_t value, const WiringProfile& profile) {
  std::vector<std::uint8_t> units(UnitsPerPlane);
  for (std::size_t k = 0; k < units.size(); ++k) {
    units[k] = static_cast<std::uint8_t>(value >> (8 * k));
  }
  return LampsFromUnits(units, profile);
}

// The matrix's three words, the lamps outside the pattern's columns all dark.
std::variant<LampMatrix, Error> MatrixLamps(const Node& node, std::span<const std::uint64_t> words,
                                            const WiringProfile& profile) {
  std::vector<std::uint8_t> units(UnitsPerPlane);
  for (int lamp = 0; lamp < MatrixColumns * LampsPerRow; ++lamp) {
    if (!((words[static_cast<std::size_t>(lamp / 32)] >> (31 - lamp % 32)) & 1)) {
      continue;
    }
    const int row = lamp / MatrixColumns;
    const int column = lamp % MatrixColumns - profile.offset;
    if (column < 0 || column >= LampsPerRow) {
      return At(*node.items[static_cast<std::size_t>(lamp / 32)].at,
                "lights the matrix lamp at row " + std::to_string(row + 1) + ", column " +
                    std::to_string(lamp % MatrixColumns + 1) + ", outside the pattern's columns " +
                    std::to_string(profile.offset + 1) + " to " +
                    std::to_string(profile.offset + LampsPerRow) + " (--offset " +
                    std::to_string(profile.offset) + ")");
    }
    units[static_cast<std::size_t>(row)] |=
        static_cast<std::uint8_t>(1 << (LampsPerRow - 1 - column));
  }
  return LampsFromUnits(units, profile);
}

// A frame of the UNO R4: three words and its delay, or three words alone as loadFrame takes them.
std::variant<Frame, Error> MatrixFrameOf(const Node& node, const WiringProfile& profile) {
  std::variant<std::vector<std::uint64_t>, Error> read =
      Numbers(node, std::numeric_limits<std::uint32_t>::max(), "32-bit words");
  if (const Error* error = std::get_if<Error>(&read)) {
    return *error;
  }
  const std::vector<std::uint64_t>& words = std::get<std::vector<std::uint64_t>>(read);
  if (words.size() != MatrixWords && words.size() != MatrixWords + 1) {
    const std::string what = "expected 3 words and the delay for uno-r4, found " +
                             std::to_string(words.size()) + " values";
    if (words.size() > MatrixWords + 1) {
      return At(*node.items[MatrixWords + 1].at, what);
    }
    return node.at ? At(*node.at, what) : Error{Error::Kind::BadInput, what};
  }
  if (words.size() > MatrixWords && !IsDelay(static_cast<long long>(words.back()))) {
    return At(*node.items.back().at, "the delay " + ShownToken(node.items.back().at->text) +
                                         " is outside " + std::to_string(MinDelay) + " to " +
                                         std::to_string(MaxDelay) + " ms");
  }
  std::variant<LampMatrix, Error> lamps = MatrixLamps(node, words, profile);
  if (const Error* error = std::get_if<Error>(&lamps)) {
    return *error;
  }
  const int delay = words.size() > MatrixWords ? static_cast<int>(words.back()) : StartDefaultDelay;
  return Frame(std::get<LampMatrix>(lamps), delay);
}

// The frames' nodes: the items of a list of lists, or the one list of values.
std::vector<const Node*> FrameNodes(const Node& frames) {
  std::vector<const Node*> nodes;
  const bool nested =
      frames.list && !frames.items.empty() && std::ranges::all_of(frames.items, &Node::list);
  if (!nested) {
    return {&frames};
  }
  for (const Node& item : frames.items) {
    nodes.push_back(&item);
  }
  return nodes;
}

std::variant<std::vector<Frame>, Error> ReadFrames(const Structure& structure,
                                                   const WiringProfile& profile) {
  std::vector<Frame> frames;
  if (profile.syntax == Syntax::CUint64) {
    std::variant<std::vector<std::uint64_t>, Error> values =
        Numbers(structure.frames, std::numeric_limits<std::uint64_t>::max(), "64-bit values");
    if (const Error* error = std::get_if<Error>(&values)) {
      return *error;
    }
    for (const std::uint64_t value : std::get<std::vector<std::uint64_t>>(values)) {
      frames.emplace_back(std::get<LampMatrix>(WordFrame(value, profile)));
    }
    return frames;
  }
  const std::vector<const Node*> nodes = FrameNodes(structure.frames);
  if (nodes.size() > static_cast<std::size_t>(MaxFrames)) {
    return At(*nodes[MaxFrames]->at, "more than " + std::to_string(MaxFrames) + " frames");
  }
  for (std::size_t index = 0; index < nodes.size(); ++index) {
    if (profile.syntax == Syntax::UnoR4) {
      std::variant<Frame, Error> frame = MatrixFrameOf(*nodes[index], profile);
      if (Error* error = std::get_if<Error>(&frame)) {
        return InFrame(std::move(*error), index, nodes.size());
      }
      frames.push_back(std::get<Frame>(frame));
      continue;
    }
    std::variant<LampMatrix, Error> lamps = ByteFrame(*nodes[index], profile);
    if (Error* error = std::get_if<Error>(&lamps)) {
      return InFrame(std::move(*error), index, nodes.size());
    }
    frames.emplace_back(std::get<LampMatrix>(lamps));
  }
  return frames;
}

std::variant<Animation, Error> WithDelays(std::vector<Frame> frames, const Structure& structure) {
  if (frames.empty() || frames.size() > static_cast<std::size_t>(MaxFrames)) {
    return Error{Error::Kind::BadInput, frames.empty() ? "holds no frame"
                                                       : "holds " + std::to_string(frames.size()) +
                                                             " frames, more than " +
                                                             std::to_string(MaxFrames)};
  }
  if (structure.delays) {
    std::variant<std::vector<std::uint64_t>, Error> read =
        Numbers(*structure.delays, std::numeric_limits<std::uint64_t>::max(), "delays");
    if (const Error* error = std::get_if<Error>(&read)) {
      return *error;
    }
    const std::vector<std::uint64_t>& delays = std::get<std::vector<std::uint64_t>>(read);
    if (delays.size() != frames.size()) {
      return At(*structure.delays->at, "expected " + std::to_string(frames.size()) +
                                           " delays, one a frame, found " +
                                           std::to_string(delays.size()));
    }
    for (std::size_t i = 0; i < delays.size(); ++i) {
      if (delays[i] < MinDelay || delays[i] > MaxDelay) {
        return At(*structure.delays->items[i].at,
                  "the delay " + ShownToken(structure.delays->items[i].at->text) + " is outside " +
                      std::to_string(MinDelay) + " to " + std::to_string(MaxDelay) + " ms");
      }
      frames[i] = Frame(frames[i].Lamps(), static_cast<int>(delays[i]));
    }
  }
  return Animation(std::move(frames));
}

std::variant<Animation, Error> Read(const Structure& structure, const WiringProfile& profile) {
  std::variant<std::vector<Frame>, Error> frames = ReadFrames(structure, profile);
  // Lines that are not each a frame may still be one frame: a list typed over several lines.
  if (std::holds_alternative<Error>(frames) && structure.lines &&
      structure.frames.items.size() > 1 && !structure.delays) {
    Node all{structure.frames.items.front().at, true, {}};
    for (const Node& line : structure.frames.items) {
      all.items.insert(all.items.end(), line.items.begin(), line.items.end());
    }
    std::variant<std::vector<Frame>, Error> one = ReadFrames({all, std::nullopt, true}, profile);
    if (std::holds_alternative<std::vector<Frame>>(one)) {
      frames = std::move(one);
    }
  }
  if (Error* error = std::get_if<Error>(&frames)) {
    return std::move(*error);
  }
  return WithDelays(std::move(std::get<std::vector<Frame>>(frames)), structure);
}

std::variant<Tokens, Error> Tokenize(std::string_view text, bool bare_hex) {
  return TokenizeExport(text, {.bare_hex = bare_hex,
                               .max_tokens = MaxTokens,
                               .max_value = std::numeric_limits<std::uint64_t>::max(),
                               .delay_remarks = true});
}

std::variant<Animation, Error> ReadTokens(const std::variant<Tokens, Error>& tokens,
                                          const WiringProfile& profile) {
  if (const Error* error = std::get_if<Error>(&tokens)) {
    return *error;
  }
  const std::variant<Structure, Error> structure = Parser(std::get<Tokens>(tokens)).Run();
  if (const Error* error = std::get_if<Error>(&structure)) {
    return *error;
  }
  return Read(std::get<Structure>(structure), profile);
}

}  // namespace

std::variant<Animation, Error> ImportAnimation(std::string_view text,
                                               const WiringProfile& profile) {
  if (std::optional<Error> error = CheckProfile(profile)) {
    return *error;
  }
  return ReadTokens(Tokenize(text, profile.syntax == Syntax::Hex), profile);
}

std::variant<ImportedAnimation, Error> ImportAnimationAnyProfile(std::string_view text,
                                                                 const WiringProfile& preferred) {
  if (std::optional<Error> error = CheckProfile(preferred)) {
    return *error;
  }
  const std::variant<Tokens, Error> tokens = Tokenize(text, false);
  const std::variant<Animation, Error> first = preferred.syntax == Syntax::Hex
                                                   ? ReadTokens(Tokenize(text, true), preferred)
                                                   : ReadTokens(tokens, preferred);
  if (const Animation* animation = std::get_if<Animation>(&first)) {
    return ImportedAnimation{*animation, ProfileLabel(preferred)};
  }
  PresetReadings<Animation> readings;
  const Tokens* list = std::get_if<Tokens>(&tokens);
  const std::variant<Structure, Error> structure =
      list ? Parser(*list).Run() : std::variant<Structure, Error>(std::get<Error>(tokens));
  if (const Structure* parsed = std::get_if<Structure>(&structure)) {
    const SyntaxFamily family = FamilyOf(*list);
    for (const ProfilePreset& preset : ProfilePresets()) {
      const std::variant<Animation, Error> read = Read(*parsed, preset.profile);
      if (const Animation* animation = std::get_if<Animation>(&read)) {
        readings.Add(*animation, preset.name, InFamily(preset.profile.syntax, family));
      }
    }
  }
  auto chosen = readings.Choose(ProfileLabel(preferred), std::get<Error>(first));
  if (Error* error = std::get_if<Error>(&chosen)) {
    return std::move(*error);
  }
  auto& reading = std::get<PresetReadings<Animation>::Reading>(chosen);
  return ImportedAnimation{std::move(reading.value), std::move(reading.label)};
}

}  // namespace glyphgrid
