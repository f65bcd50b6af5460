#include "core/document_file.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "core/grid_text.h"

namespace glyphgrid {

namespace {

using Json = nlohmann::json;

constexpr std::string_view FormatName = "glyphgrid";
constexpr int FormatVersion = 1;
// The deepest a valid document nests; anything deeper is refused before it is built.
constexpr int MaxDepth = 6;
struct NestedTooDeeply {};

// Where a value stands in the document: object keys and array indexes from the top.
using JsonPath = std::vector<std::string>;

struct Problem {
  JsonPath path;
  std::string message;
};

// ---- Writing

std::vector<std::string> GridRows(const LampMatrix& lamps) {
  const std::string text = GridText(lamps);
  std::vector<std::string> rows;
  for (std::size_t start = 0; start < text.size(); start += LampsPerRow + 1) {
    rows.push_back(text.substr(start, LampsPerRow));
  }
  return rows;
}

// delays and offset only when they say more than their defaults, so that documents of profiles
// without them stay as they were.
Json ProfileJson(const WiringProfile& profile) {
  Json json = {{"scan", NameOf(ScanValues, profile.scan)},
               {"first", NameOf(SideValues, profile.first)},
               {"msb", NameOf(SideValues, profile.msb)},
               {"planes", NameOf(PlanesValues, profile.planes)},
               {"invert", NameOf(YesNoValues, profile.invert)},
               {"syntax", NameOf(SyntaxValues, profile.syntax)},
               {"zero", NameOf(YesNoValues, profile.zero)},
               {"header", NameOf(YesNoValues, profile.header)},
               {"progmem", NameOf(YesNoValues, profile.progmem)},
               {"name", profile.name}};
  if (!profile.delays) {
    json["delays"] = NameOf(YesNoValues, profile.delays);
  }
  if (profile.syntax == Syntax::UnoR4) {
    json["offset"] = profile.offset;
  }
  return json;
}

// ---- Where a value stands: only looked for when something is wrong with it

// Counts the bytes the parser has taken.
class CountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* at, const char* begin, std::size_t* taken)
      : at_(at), begin_(begin), taken_(taken) {}
  reference operator*() const { return *at_; }
  CountingIterator& operator++() {
    ++at_;
    *taken_ = static_cast<std::size_t>(at_ - begin_);
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const CountingIterator& other) const { return at_ == other.at_; }

 private:
  const char* at_;
  const char* begin_;
  std::size_t* taken_;
};

// Walks the text until the value at `target` starts and remembers where.
class ValueLocator final : public nlohmann::json_sax<Json> {
 public:
  ValueLocator(std::string_view text, JsonPath target, const std::size_t* taken)
      : text_(text), target_(std::move(target)), taken_(taken) {}

  std::size_t Found() const { return found_; }

  bool null() override { return Scalar(); }
  bool boolean(bool) override { return Scalar(); }
  bool number_integer(number_integer_t) override { return Scalar(); }
  bool number_unsigned(number_unsigned_t) override { return Scalar(); }
  bool number_float(number_float_t, const string_t&) override { return Scalar(); }
  bool string(string_t&) override { return Scalar(); }
  bool binary(binary_t&) override { return Scalar(); }
  bool start_object(std::size_t) override { return Open(false); }
  bool start_array(std::size_t) override { return Open(true); }
  bool key(string_t& name) override {
    path_.back() = name;
    last_end_ = *taken_;
    return true;
  }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }

 private:
  struct Level {
    bool array;
    std::size_t count = 0;
  };

  // True while the search goes on.
  bool Arrive() {
    if (!levels_.empty() && levels_.back().array) {
      path_.back() = std::to_string(levels_.back().count);
    }
    std::size_t start = last_end_;
    while (start < text_.size() &&
           std::string_view(" \t\r\n,:").find(text_[start]) != std::string_view::npos) {
      ++start;
    }
    if (path_ == target_) {
      found_ = start;
      return false;
    }
    return true;
  }
  void Leave() {
    if (!levels_.empty()) {
      ++levels_.back().count;
    }
    last_end_ = *taken_;
  }
  bool Scalar() {
    if (!Arrive()) {
      return false;
    }
    Leave();
    return true;
  }
  bool Open(bool array) {
    if (!Arrive()) {
      return false;
    }
    levels_.push_back({array});
    path_.emplace_back();
    last_end_ = *taken_;
    return true;
  }
  bool Close() {
    levels_.pop_back();
    path_.pop_back();
    Leave();
    return true;
  }

  std::string_view text_;
  JsonPath target_;
  const std::size_t* taken_;
  std::vector<Level> levels_;
  JsonPath path_;
  std::size_t last_end_ = 0;
  std::size_t found_ = 0;
};

std::string LineAndColumn(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  const std::string_view before = text.substr(0, offset);
  const std::size_t line_start = before.rfind('\n');
  const std::size_t column =
      line_start == std::string_view::npos ? offset + 1 : offset - line_start;
  return "document line " + std::to_string(std::ranges::count(before, '\n') + 1) + ", column " +
         std::to_string(column);
}

Error ProblemError(std::string_view text, const Problem& problem) {
  std::size_t taken = 0;
  ValueLocator locator(text, problem.path, &taken);
  const CountingIterator begin(text.data(), text.data(), &taken);
  Json::sax_parse(begin, CountingIterator(text.data() + text.size(), text.data(), &taken),
                  &locator);
  return {Error::Kind::BadInput, LineAndColumn(text, locator.Found()) + ": " + problem.message};
}

// ---- Reading a parsed document

JsonPath Child(const JsonPath& path, std::string key) {
  JsonPath child = path;
  child.push_back(std::move(key));
  return child;
}

std::string Named(const JsonPath& path) {
  return path.empty() ? "the document" : "\"" + Escaped(path.back()) + "\"";
}

// Fails with the first key of `object` that is not one of `known`.
std::optional<Problem> UnknownKey(const Json& object, const JsonPath& path,
                                  std::initializer_list<std::string_view> known) {
  for (const auto& [key, value] : object.items()) {
    if (std::ranges::find(known, key) == known.end()) {
      return Problem{Child(path, key), "unknown key \"" + Escaped(key) + "\" in " + Named(path)};
    }
  }
  return std::nullopt;
}

std::variant<int, Problem> Delay(const Json& value, const JsonPath& path) {
  if (!value.is_number_integer() || !IsDelay(value.get<long long>())) {
    return Problem{path, "expected a delay in milliseconds from " + std::to_string(MinDelay) +
                             " to " + std::to_string(MaxDelay) + ", got " +
                             Escaped(value.dump().substr(0, 40))};
  }
  return static_cast<int>(value.get<long long>());
}

std::variant<Frame, Problem> ReadFrame(const Json& value, const JsonPath& path, int number,
                                       int default_delay) {
  if (!value.is_object()) {
    return Problem{path, "expected a frame: {\"delay\": ..., \"rows\": [...]}"};
  }
  if (std::optional<Problem> unknown = UnknownKey(value, path, {"delay", "rows"})) {
    return *unknown;
  }
  int delay = default_delay;
  if (value.contains("delay")) {
    std::variant<int, Problem> read = Delay(value["delay"], Child(path, "delay"));
    if (Problem* problem = std::get_if<Problem>(&read)) {
      return std::move(*problem);
    }
    delay = std::get<int>(read);
  }
  const JsonPath rows_path = Child(path, "rows");
  if (!value.contains("rows")) {
    return Problem{path, "frame " + std::to_string(number) + ": missing \"rows\""};
  }
  const Json& rows = value["rows"];
  if (!rows.is_array() || rows.size() != LampsPerRow) {
    return Problem{rows_path, "expected 8 rows of 8 lamps"};
  }
  LampMatrix lamps;
  for (int line = 0; line < LampsPerRow; ++line) {
    const Json& row = rows[static_cast<std::size_t>(line)];
    const JsonPath row_path = Child(rows_path, std::to_string(line));
    if (!row.is_string()) {
      return Problem{row_path, "row " + std::to_string(line + 1) +
                                   ": expected 8 lamps from . R G O as a string"};
    }
    if (const std::optional<std::string> problem =
            ApplyGridRow(row.get_ref<const std::string&>(), line, lamps)) {
      return Problem{row_path, "row " + std::to_string(line + 1) + ": " + *problem};
    }
  }
  return Frame(lamps, delay);
}

template <typename T, std::size_t N>
std::optional<Problem> ReadOption(const Json& profile, const JsonPath& path, const char* key,
                                  const OptionValue<T> (&values)[N], T& field) {
  if (!profile.contains(key)) {
    return std::nullopt;
  }
  const Json& value = profile[key];
  const std::optional<T> named =
      value.is_string() ? ValueNamed(values, value.get_ref<const std::string&>()) : std::nullopt;
  if (!named) {
    const std::vector<std::string_view> names = NamesOf(values);
    return Problem{Child(path, key),
                   std::string("\"") + key + "\": expected " + Alternatives(names)};
  }
  field = *named;
  return std::nullopt;
}

std::variant<WiringProfile, Problem> ReadProfile(const Json& value, const JsonPath& path) {
  if (!value.is_object()) {
    return Problem{path, "expected the profile as an object of options"};
  }
  if (std::optional<Problem> unknown =
          UnknownKey(value, path,
                     {"scan", "first", "msb", "planes", "invert", "syntax", "zero", "header",
                      "progmem", "delays", "offset", "name"})) {
    return *unknown;
  }
  WiringProfile profile;
  for (std::optional<Problem> problem :
       {ReadOption(value, path, "scan", ScanValues, profile.scan),
        ReadOption(value, path, "first", SideValues, profile.first),
        ReadOption(value, path, "msb", SideValues, profile.msb),
        ReadOption(value, path, "planes", PlanesValues, profile.planes),
        ReadOption(value, path, "invert", YesNoValues, profile.invert),
        ReadOption(value, path, "syntax", SyntaxValues, profile.syntax),
        ReadOption(value, path, "zero", YesNoValues, profile.zero),
        ReadOption(value, path, "header", YesNoValues, profile.header),
        ReadOption(value, path, "progmem", YesNoValues, profile.progmem),
        ReadOption(value, path, "delays", YesNoValues, profile.delays)}) {
    if (problem) {
      return std::move(*problem);
    }
  }
  if (value.contains("offset")) {
    const Json& offset = value["offset"];
    if (!offset.is_number_integer() || offset.get<long long>() < 0 ||
        offset.get<long long>() > MaxOffset) {
      return Problem{Child(path, "offset"),
                     "\"offset\": expected a whole number from 0 to " + std::to_string(MaxOffset)};
    }
    profile.offset = offset.get<int>();
  }
  if (value.contains("name")) {
    if (!value["name"].is_string()) {
      return Problem{Child(path, "name"), "\"name\": expected a string"};
    }
    profile.name = value["name"].get<std::string>();
  }
  if (std::optional<Error> error = CheckProfile(profile)) {
    return Problem{path, "profile: " + error->message};
  }
  return profile;
}

std::variant<Document, Problem> ReadDocument(const Json& top) {
  const JsonPath root;
  if (!top.is_object()) {
    return Problem{root, "expected a Glyphgrid document: an object with \"format\": \"glyphgrid\""};
  }
  if (!top.contains("format") || !top["format"].is_string() ||
      top["format"].get_ref<const std::string&>() != FormatName) {
    return Problem{top.contains("format") ? Child(root, "format") : root,
                   "not a Glyphgrid document: expected \"format\": \"glyphgrid\""};
  }
  if (!top.contains("version") || !top["version"].is_number_integer() ||
      top["version"].get<long long>() < 1) {
    return Problem{top.contains("version") ? Child(root, "version") : root,
                   "expected \"version\": 1"};
  }
  if (const long long version = top["version"].get<long long>(); version > FormatVersion) {
    return Problem{Child(root, "version"),
                   "written by a newer Glyphgrid (document version " + std::to_string(version) +
                       "); this one reads version " + std::to_string(FormatVersion)};
  }
  if (std::optional<Problem> unknown =
          UnknownKey(top, root, {"format", "version", "default_delay", "profile", "frames"})) {
    return *unknown;
  }
  int default_delay = StartDefaultDelay;
  if (top.contains("default_delay")) {
    std::variant<int, Problem> read = Delay(top["default_delay"], Child(root, "default_delay"));
    if (Problem* problem = std::get_if<Problem>(&read)) {
      return std::move(*problem);
    }
    default_delay = std::get<int>(read);
  }
  Document document;
  if (top.contains("profile")) {
    std::variant<WiringProfile, Problem> profile =
        ReadProfile(top["profile"], Child(root, "profile"));
    if (Problem* problem = std::get_if<Problem>(&profile)) {
      return std::move(*problem);
    }
    document.profile = std::get<WiringProfile>(std::move(profile));
  }
  const JsonPath frames_path = Child(root, "frames");
  if (!top.contains("frames")) {
    return Problem{root, "missing \"frames\""};
  }
  const Json& frames = top["frames"];
  if (!frames.is_array() || frames.empty() || frames.size() > MaxFrames) {
    return Problem{frames_path,
                   "expected \"frames\": a list of 1 to " + std::to_string(MaxFrames) + " frames"};
  }
  std::vector<Frame> read_frames;
  read_frames.reserve(frames.size());
  for (std::size_t index = 0; index < frames.size(); ++index) {
    std::variant<Frame, Problem> frame =
        ReadFrame(frames[index], Child(frames_path, std::to_string(index)),
                  static_cast<int>(index) + 1, default_delay);
    if (Problem* problem = std::get_if<Problem>(&frame)) {
      return std::move(*problem);
    }
    read_frames.push_back(std::get<Frame>(std::move(frame)));
  }
  document.animation = Animation(std::move(read_frames), default_delay);
  return document;
}

}  // namespace

std::string DocumentText(const Document& document) {
  const Animation& animation = document.animation;
  std::string text = "{\n  \"format\": \"" + std::string(FormatName) +
                     "\",\n  \"version\": " + std::to_string(FormatVersion) +
                     ",\n  \"default_delay\": " + std::to_string(animation.DefaultDelay()) + ",\n";
  if (document.profile) {
    text += "  \"profile\": " + ProfileJson(*document.profile).dump() + ",\n";
  }
  text += "  \"frames\": [\n";
  // One line a frame: a change to one frame is one changed line.
  for (const Frame& frame : animation.Frames()) {
    text += "    " + Json{{"delay", frame.Delay()}, {"rows", GridRows(frame.Lamps())}}.dump() +
            (&frame == &animation.Frames().back() ? "\n" : ",\n");
  }
  return text + "  ]\n}\n";
}

std::variant<Document, Error> ParseDocument(std::string_view text) {
  Json top;
  try {
    top = Json::parse(text, [](int depth, Json::parse_event_t, Json&) {
      if (depth > MaxDepth) {
        throw NestedTooDeeply{};
      }
      return true;
    });
  } catch (const Json::parse_error& error) {
    // The parser's own words end in what it expected ("...; expected string literal"); what it
    // last read is left out, as it may be any bytes.
    const std::string_view what = error.what();
    const std::size_t expected = what.rfind("; expected ");
    return Error{Error::Kind::BadInput,
                 LineAndColumn(text, error.byte == 0 ? 0 : error.byte - 1) + ": not valid JSON" +
                     (expected == std::string_view::npos
                          ? std::string()
                          : ":" + Escaped(what.substr(expected + 1).substr(0, 80)))};
  } catch (const Json::out_of_range&) {
    return Error{Error::Kind::BadInput, "not a Glyphgrid document: a number in it is too large"};
  } catch (const NestedTooDeeply&) {
    return Error{Error::Kind::BadInput,
                 "not a Glyphgrid document: it nests deeper than a document does"};
  }
  std::variant<Document, Problem> read = ReadDocument(top);
  if (const Problem* problem = std::get_if<Problem>(&read)) {
    return ProblemError(text, *problem);
  }
  return std::get<Document>(std::move(read));
}

bool IsDocumentText(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && text[start] == '{';
}

}  // namespace glyphgrid
