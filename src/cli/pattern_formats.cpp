#include "cli/pattern_formats.h"

#include "core/animation_import.h"
#include "core/colour_planes.h"
#include "core/data_text.h"
#include "core/grid_text.h"

namespace glyphgrid {

std::optional<PatternFormat> PatternFormatNamed(std::string_view name) {
  if (name == "planes") {
    return PatternFormat::Planes;
  }
  if (name == "grid") {
    return PatternFormat::Grid;
  }
  if (name == "data") {
    return PatternFormat::Data;
  }
  if (name == "export") {
    return PatternFormat::Export;
  }
  if (name == "document") {
    return PatternFormat::Document;
  }
  return std::nullopt;
}

namespace {

// The texts between runs of empty lines (a line break alone, or CR LF); at least one text.
std::vector<std::string_view> FrameTexts(std::string_view text) {
  std::vector<std::string_view> frames;
  std::size_t start = 0;
  for (std::size_t line = 0; line < text.size();) {
    const std::size_t feed = text.find('\n', line);
    const std::size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
    const std::string_view content = text.substr(line, next - line);
    if (content == "\n" || content == "\r\n") {
      if (line > start) {
        frames.push_back(text.substr(start, line - start));
      }
      start = next;
    }
    line = next;
  }
  if (start < text.size() || frames.empty()) {
    frames.push_back(text.substr(start));
  }
  return frames;
}

std::variant<LampMatrix, Error> ParsePattern(PatternFormat format, std::string_view text) {
  switch (format) {
    case PatternFormat::Grid:
      return ParseGrid(text);
    case PatternFormat::Data:
      return ParseDataText(text);
    case PatternFormat::Planes:
    case PatternFormat::Export:
    case PatternFormat::Document:
      break;
  }
  LampMatrix lamps;
  ApplyColourPlanes(text, lamps);
  return lamps;
}

}  // namespace

std::variant<Document, Error> ParseFrames(PatternFormat format, std::string_view text,
                                          const WiringProfile& profile) {
  if (format == PatternFormat::Document) {
    return ParseDocument(text);
  }
  if (format == PatternFormat::Export) {
    std::variant<Animation, Error> animation = ImportAnimation(text, profile);
    if (Error* error = std::get_if<Error>(&animation)) {
      return std::move(*error);
    }
    return Document{std::move(std::get<Animation>(animation)), std::nullopt};
  }
  const bool framed = format == PatternFormat::Grid || format == PatternFormat::Planes;
  const std::vector<std::string_view> texts =
      framed ? FrameTexts(text) : std::vector<std::string_view>{text};
  if (texts.size() > MaxFrames) {
    return Error{Error::Kind::BadInput,
                 "the input holds more than " + std::to_string(MaxFrames) + " frames"};
  }
  std::vector<Frame> frames;
  frames.reserve(texts.size());
  for (std::size_t index = 0; index < texts.size(); ++index) {
    std::variant<LampMatrix, Error> lamps = ParsePattern(format, texts[index]);
    if (Error* error = std::get_if<Error>(&lamps)) {
      if (texts.size() > 1) {
        error->message = "frame " + std::to_string(index + 1) + ": " + error->message;
      }
      return std::move(*error);
    }
    frames.emplace_back(std::get<LampMatrix>(lamps));
  }
  return Document{Animation(std::move(frames)), std::nullopt};
}

std::string PatternText(PatternFormat format, const LampMatrix& lamps) {
  switch (format) {
    case PatternFormat::Grid:
      return GridText(lamps);
    case PatternFormat::Data:
      return DataText(lamps) + "\n";
    case PatternFormat::Planes:
    case PatternFormat::Export:
    case PatternFormat::Document:
      break;
  }
  return ColourPlaneText(lamps);
}

bool IsLineFormat(PatternFormat format) {
  return format == PatternFormat::Data;
}

}  // namespace glyphgrid
