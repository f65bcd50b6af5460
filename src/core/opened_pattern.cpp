#include "core/opened_pattern.h"

#include <charconv>
#include <variant>
#include <vector>

#include "core/animation_export.h"
#include "core/colour_planes.h"
#include "core/data_text.h"

namespace glyphgrid {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view DelaysPrefix = "REM DELAYS ";
constexpr std::string_view DelaySeparator = ", ";

// The delays as the basic export writes them: decimal, no sign or leading zero, ", " between.
std::optional<std::vector<int>> ParseDelays(std::string_view text) {
  std::vector<int> delays;
  while (true) {
    if (text.empty() || text.front() == '0') {
      return std::nullopt;
    }
    int delay = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), delay);
    if (failure != std::errc() || !IsDelay(delay)) {
      return std::nullopt;
    }
    delays.push_back(delay);
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    if (text.empty()) {
      return delays;
    }
    if (!text.starts_with(DelaySeparator)) {
      return std::nullopt;
    }
    text.remove_prefix(DelaySeparator.size());
  }
}

}  // namespace

// The basic profile's export: the DATA line of each frame, then the delays of several.
std::string SavedPatternText(const Animation& animation) {
  const WiringProfile basic;
  return ExportFileText(ExportAnimation(animation, basic), basic.syntax);
}

std::optional<Animation> ParseSavedFrames(std::string_view bytes) {
  std::vector<LampMatrix> patterns;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find(LineEnd);
    if (end == std::string_view::npos) {
      return std::nullopt;
    }
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + LineEnd.size());
    if (line.starts_with(DelaysPrefix)) {
      const std::optional<std::vector<int>> delays = ParseDelays(line.substr(DelaysPrefix.size()));
      if (!bytes.empty() || !delays || patterns.size() < 2 || delays->size() != patterns.size() ||
          patterns.size() > static_cast<std::size_t>(MaxFrames)) {
        return std::nullopt;
      }
      std::vector<Frame> frames;
      for (std::size_t i = 0; i < patterns.size(); ++i) {
        frames.emplace_back(patterns[i], (*delays)[i]);
      }
      return Animation(std::move(frames));
    }
    // The byte order mark that ParseDataText passes over may open the file, and no other line.
    std::variant<LampMatrix, Error> lamps = ParseDataText(line);
    if ((!patterns.empty() && !line.starts_with('D')) ||
        !std::holds_alternative<LampMatrix>(lamps)) {
      return std::nullopt;
    }
    patterns.push_back(std::get<LampMatrix>(lamps));
  }
  return std::nullopt;
}

void ApplyOpenedPattern(std::string_view bytes, LampMatrix& lamps) {
  std::string_view line = bytes;
  line.remove_suffix(line.size() - (line.find_last_not_of(" \t\r\n") + 1));
  std::variant<LampMatrix, Error> saved = ParseDataText(line);
  if (const LampMatrix* data_lamps = std::get_if<LampMatrix>(&saved)) {
    lamps = *data_lamps;
    return;
  }
  ApplyColourPlanes(bytes, lamps);
}

}  // namespace glyphgrid
