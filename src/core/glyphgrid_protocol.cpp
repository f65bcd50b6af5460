#include "core/glyphgrid_protocol.h"

#include <algorithm>
#include <cassert>

#include "core/profile_export.h"

namespace glyphgrid {

namespace {

// 1 to 3 decimal digits, no sign.
std::optional<int> SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 3 ||
      !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  int value = 0;
  for (const char c : text) {
    value = 10 * value + (c - '0');
  }
  return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool IsColourName(std::string_view name) {
  return !name.empty() && std::ranges::all_of(name, [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string ColourList(const std::vector<std::string>& colours) {
  std::string text;
  for (const std::string& colour : colours) {
    text += (text.empty() ? "" : ",") + colour;
  }
  return text;
}

}  // namespace

std::uint8_t MessageCheck(std::span<const std::uint8_t> payload) {
  unsigned sum = static_cast<unsigned>(payload.size());
  for (const std::uint8_t byte : payload) {
    sum += byte;
  }
  return static_cast<std::uint8_t>(~sum);
}

std::vector<std::uint8_t> Message(std::span<const std::uint8_t> payload) {
  assert(payload.size() <= MaxPayload);
  std::vector<std::uint8_t> message;
  message.reserve(payload.size() + 3);
  message.push_back(MessageStart);
  message.push_back(static_cast<std::uint8_t>(payload.size()));
  for (const std::uint8_t byte : payload) {
    message.push_back(byte);
  }
  message.push_back(MessageCheck(payload));
  return message;
}

std::vector<std::uint8_t> HelloMessage() {
  return Message({});
}

std::vector<std::uint8_t> FramePayload(const LampMatrix& lamps, const WiringProfile& profile) {
  std::vector<std::uint8_t> units = ExportUnits(lamps, profile);
  units.resize(static_cast<std::size_t>(UnitsPerPlane * PlaneCount(profile.planes)));
  return units;
}

std::vector<std::uint8_t> FrameMessage(const LampMatrix& lamps, const WiringProfile& profile) {
  return Message(FramePayload(lamps, profile));
}

std::string HelloLine(const BoardHello& hello) {
  return std::string(HelloWord) + " " + std::to_string(hello.version) + " " +
         std::to_string(hello.columns) + "x" + std::to_string(hello.rows) + " " +
         ColourList(hello.colours) + "\n";
}

std::optional<BoardHello> ParseHelloLine(std::string_view line) {
  if (line.ends_with('\r')) {
    line.remove_suffix(1);
  }
  const std::vector<std::string_view> words = Split(line, ' ');
  if (words.size() != 4 || words[0] != HelloWord) {
    return std::nullopt;
  }
  const std::vector<std::string_view> size = Split(words[2], 'x');
  const std::vector<std::string_view> colours = Split(words[3], ',');
  const std::optional<int> version = SmallNumber(words[1]);
  const std::optional<int> columns = SmallNumber(size[0]);
  const std::optional<int> rows = size.size() == 2 ? SmallNumber(size[1]) : std::nullopt;
  if (!version || !columns || !rows || !std::ranges::all_of(colours, IsColourName)) {
    return std::nullopt;
  }
  BoardHello hello{*version, *columns, *rows, {}};
  for (const std::string_view colour : colours) {
    hello.colours.emplace_back(colour);
  }
  return hello;
}

std::optional<std::string> HelloMismatch(const BoardHello& hello, const WiringProfile& profile) {
  if (hello.version != GlyphgridProtocolVersion) {
    return "speaks glyphgrid protocol version " + std::to_string(hello.version) + ", not " +
           std::to_string(GlyphgridProtocolVersion);
  }
  const std::string shows = "shows " + std::to_string(hello.columns) + "x" +
                            std::to_string(hello.rows) + " " + ColourList(hello.colours);
  if (hello.columns != LampsPerRow || hello.rows != LampsPerRow) {
    return shows + ", not an 8x8 pattern";
  }
  const int planes = PlaneCount(profile.planes);
  if (static_cast<int>(hello.colours.size()) != planes) {
    return shows + ": it takes " + std::to_string(hello.colours.size()) +
           (hello.colours.size() == 1 ? " colour plane" : " colour planes") +
           ", the wiring profile writes " + std::to_string(planes) + " (planes " +
           std::string(NameOf(PlanesValues, profile.planes)) + ")";
  }
  return std::nullopt;
}

}  // namespace glyphgrid
