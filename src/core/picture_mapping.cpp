#include "core/picture_mapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "core/lamp_matrix.h"

namespace glyphgrid {

namespace {

constexpr int Side = LampsPerRow;
// A pixel at least half opaque counts; a fainter one is background.
constexpr int OpaqueAlpha = 128;
// Otsu's method finds no split in a picture of one brightness. With a transparent background the
// opaque pixels are the figure, and light; without, what is brighter than mid-grey lights.
constexpr int EvenThreshold = 128;
// Below this spread between the strongest and weakest primaries a pixel is a grey and has no hue.
constexpr int MinChroma = 48;

struct Pixel {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;
  bool inside = false;  // taken from the picture, not the margin around it
};
// The window's pixels row by row from the top left; what no pixel of the picture covers stays
// transparent.
using Cell = std::array<Pixel, LampCount>;

Pixel At(const RgbaImage& image, int x, int y) {
  const std::uint8_t* pixel = image.Pixel(x, y);
  return {pixel[0], pixel[1], pixel[2], pixel[3], true};
}

int Luminance(const Pixel& pixel) {
  return (299 * pixel.red + 587 * pixel.green + 114 * pixel.blue + 500) / 1000;
}

// The pixels of one axis that the span [from, to) covers, each with the share of it covered.
using Coverage = std::vector<std::pair<int, double>>;
Coverage Covered(double from, double to, int size) {
  Coverage covered;
  for (int i = static_cast<int>(from); i < to && i < size; ++i) {
    const double share = std::min(to, i + 1.0) - std::max(from, static_cast<double>(i));
    if (share > 0) {
      covered.emplace_back(i, share);
    }
  }
  return covered;
}

// Colours are averaged weighted by their opacity, so a transparent pixel's colour (often black)
// does not darken its neighbours.
Pixel Averaged(const RgbaImage& image, const Coverage& columns, const Coverage& rows) {
  double total = 0;
  double alpha = 0;
  std::array<double, 3> colour{};
  for (const auto& [y, row_share] : rows) {
    for (const auto& [x, column_share] : columns) {
      const std::uint8_t* pixel = image.Pixel(x, y);
      const double share = row_share * column_share;
      const double opacity = share * pixel[3];
      total += share;
      alpha += opacity;
      for (int channel = 0; channel < 3; ++channel) {
        colour[channel] += opacity * pixel[channel];
      }
    }
  }
  if (alpha <= 0) {
    return {.inside = true};
  }
  const auto byte = [](double value) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
  };
  return {byte(colour[0] / alpha), byte(colour[1] / alpha), byte(colour[2] / alpha),
          byte(alpha / total), true};
}

// The whole picture in the window, its longer side spanning it, centred.
Cell Fitted(const RgbaImage& image, bool nearest) {
  const double scale =
      std::min(static_cast<double>(Side) / image.width, static_cast<double>(Side) / image.height);
  const int width = std::clamp(static_cast<int>(std::lround(image.width * scale)), 1, Side);
  const int height = std::clamp(static_cast<int>(std::lround(image.height * scale)), 1, Side);
  const int left = (Side - width) / 2;
  const int top = (Side - height) / 2;
  const double x_step = static_cast<double>(image.width) / width;
  const double y_step = static_cast<double>(image.height) / height;
  std::array<Coverage, Side> columns;
  for (int x = 0; x < width; ++x) {
    columns[x] = Covered(x * x_step, (x + 1) * x_step, image.width);
  }
  Cell cell{};
  for (int y = 0; y < height; ++y) {
    const Coverage rows = Covered(y * y_step, (y + 1) * y_step, image.height);
    for (int x = 0; x < width; ++x) {
      cell[(top + y) * Side + left + x] =
          nearest ? At(image, std::min(static_cast<int>((x + 0.5) * x_step), image.width - 1),
                       std::min(static_cast<int>((y + 0.5) * y_step), image.height - 1))
                  : Averaged(image, columns[x], rows);
    }
  }
  return cell;
}

// The 8 x 8 pixels from (left, top), one a lamp; past the picture's edge they are transparent.
Cell Cropped(const RgbaImage& image, int left, int top) {
  Cell cell{};
  for (int y = 0; y < Side && top + y < image.height; ++y) {
    for (int x = 0; x < Side && left + x < image.width; ++x) {
      cell[y * Side + x] = At(image, left + x, top + y);
    }
  }
  return cell;
}

Error Refused(const std::string& message) {
  return {Error::Kind::BadInput, message};
}

std::string SizeText(const RgbaImage& image) {
  return std::to_string(image.width) + " x " + std::to_string(image.height);
}

// The cells across and down a picture makes, or why it makes none.
std::variant<std::pair<int, int>, Error> CellCounts(const RgbaImage& image,
                                                    const PictureMapping& mapping) {
  switch (mapping.sheet) {
    case SpriteSheet::None:
      if (mapping.scale == PictureScale::Crop &&
          (mapping.crop_x < 0 || mapping.crop_y < 0 || mapping.crop_x >= image.width ||
           mapping.crop_y >= image.height)) {
        return Refused("the crop's corner " + std::to_string(mapping.crop_x) + "," +
                       std::to_string(mapping.crop_y) + " lies outside the " + SizeText(image) +
                       " picture");
      }
      return std::pair(1, 1);
    case SpriteSheet::Row:
      if (image.height != Side || image.width % Side != 0) {
        return Refused("a sprite sheet row must be 8 pixels high and a multiple of 8 wide, not " +
                       SizeText(image));
      }
      return std::pair(image.width / Side, 1);
    case SpriteSheet::Grid:
      if (image.height % Side != 0 || image.width % Side != 0) {
        return Refused("a sprite sheet grid must be a multiple of 8 pixels wide and high, not " +
                       SizeText(image));
      }
      break;
  }
  return std::pair(image.width / Side, image.height / Side);
}

// The split between dark and bright that leaves the two classes most apart; ties (a gap between
// two levels) take the middle of the gap. Nothing when there is one level or none.
std::optional<int> OtsuThreshold(const std::array<long long, 256>& histogram) {
  long long count = 0;
  double sum = 0;
  for (int level = 0; level < 256; ++level) {
    count += histogram[level];
    sum += static_cast<double>(level) * histogram[level];
  }
  double best = 0;
  int first = -1;
  int last = -1;
  long long below = 0;
  double below_sum = 0;
  for (int level = 0; level < 255; ++level) {
    below += histogram[level];
    below_sum += static_cast<double>(level) * histogram[level];
    const long long above = count - below;
    if (below == 0 || above == 0) {
      continue;
    }
    const double apart = below_sum / below - (sum - below_sum) / above;
    const double between = static_cast<double>(below) * static_cast<double>(above) * apart * apart;
    if (between > best) {
      best = between;
      first = level;
      last = level;
    } else if (between == best && first >= 0) {
      last = level;
    }
  }
  return first < 0 ? std::nullopt : std::optional((first + last) / 2 + 1);
}

}  // namespace

LampColour LitColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  const int high = std::max({red, green, blue});
  const double chroma = high - std::min({red, green, blue});
  if (chroma < MinChroma) {
    return LampRed;
  }
  double hue = high == red     ? 60 * (green - blue) / chroma
               : high == green ? 60 * ((blue - red) / chroma + 2)
                               : 60 * ((red - green) / chroma + 4);
  if (hue < 0) {
    hue += 360;
  }
  return hue < 20 ? LampRed : hue < 75 ? LampOrange : hue < 210 ? LampGreen : LampRed;
}

std::variant<MappedPicture, Error> MapPicture(const Picture& picture, const PictureMapping& mapping,
                                              int default_delay) {
  if (picture.frames.empty()) {
    return Refused("the picture holds no frames");
  }
  std::size_t total = 0;
  for (const PictureFrame& frame : picture.frames) {
    if (frame.image.width < 1 || frame.image.height < 1) {
      return Refused("the picture has no pixels");
    }
    std::variant<std::pair<int, int>, Error> counts = CellCounts(frame.image, mapping);
    if (Error* error = std::get_if<Error>(&counts)) {
      return std::move(*error);
    }
    const auto [across, down] = std::get<std::pair<int, int>>(counts);
    total += static_cast<std::size_t>(across) * static_cast<std::size_t>(down);
  }
  if (total > MaxFrames) {
    return Refused("the picture makes " + std::to_string(total) +
                   " frames, more than the limit of " + std::to_string(MaxFrames));
  }
  std::vector<std::pair<Cell, int>> cells;
  cells.reserve(total);
  for (const PictureFrame& frame : picture.frames) {
    const RgbaImage& image = frame.image;
    const int delay = std::clamp(frame.delay.value_or(default_delay), MinDelay, MaxDelay);
    if (mapping.sheet != SpriteSheet::None) {
      for (int top = 0; top < image.height; top += Side) {
        for (int left = 0; left < image.width; left += Side) {
          cells.emplace_back(Cropped(image, left, top), delay);
        }
      }
    } else if (mapping.scale == PictureScale::Crop) {
      cells.emplace_back(Cropped(image, mapping.crop_x, mapping.crop_y), delay);
    } else {
      cells.emplace_back(Fitted(image, mapping.scale == PictureScale::Nearest), delay);
    }
  }
  int threshold = mapping.threshold.value_or(0);
  if (!mapping.threshold) {
    std::array<long long, 256> histogram{};
    bool transparent = false;
    for (const auto& [cell, delay] : cells) {
      for (const Pixel& pixel : cell) {
        histogram[Luminance(pixel)] += pixel.alpha >= OpaqueAlpha ? 1 : 0;
        transparent = transparent || (pixel.inside && pixel.alpha < OpaqueAlpha);
      }
    }
    const auto level = std::ranges::find_if(histogram, [](long long count) { return count > 0; });
    threshold = OtsuThreshold(histogram).value_or(transparent && level != histogram.end()
                                                      ? static_cast<int>(level - histogram.begin())
                                                      : EvenThreshold);
  }
  MappedPicture mapped{{}, threshold};
  mapped.frames.reserve(cells.size());
  for (const auto& [cell, delay] : cells) {
    LampMatrix lamps;
    for (int y = 0; y < Side; ++y) {
      for (int x = 0; x < Side; ++x) {
        const Pixel& pixel = cell[y * Side + x];
        if (pixel.alpha >= OpaqueAlpha && (Luminance(pixel) >= threshold) != mapping.invert) {
          // Rows count from the bottom and columns from the right.
          lamps.SetColour(LampIndexOf(Side - 1 - y, Side - 1 - x),
                          mapping.colours == PictureColours::Mono
                              ? LampRed
                              : LitColour(pixel.red, pixel.green, pixel.blue));
        }
      }
    }
    mapped.frames.emplace_back(lamps, delay);
  }
  return mapped;
}

}  // namespace glyphgrid
