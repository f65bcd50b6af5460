#include "media/picture_reader.h"

#include <algorithm>
#include <array>

#include "media/picture_decoders.h"

namespace glyphgrid {

namespace {

bool StartsWith(PictureBytes bytes, std::string_view signature) {
  return bytes.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.begin(),
                    [](char wanted, std::uint8_t byte) {
                      return static_cast<std::uint8_t>(wanted) == byte;
                    });
}

struct Format {
  std::string_view signature;
  Decoded (*decode)(PictureBytes, const PictureLimits&);
};
constexpr std::array<Format, 5> Formats = {{
    {"\x89PNG\r\n\x1a\n", DecodePng},
    {"GIF87a", DecodeGif},
    {"GIF89a", DecodeGif},
    {"\xff\xd8\xff", DecodeJpeg},
    {"BM", DecodeBmp},
}};

}  // namespace

std::variant<Picture, Error> DecodePicture(std::span<const std::uint8_t> bytes,
                                           std::string_view shown_name,
                                           const PictureLimits& limits) {
  const auto format = std::ranges::find_if(
      Formats, [bytes](const Format& format) { return StartsWith(bytes, format.signature); });
  Decoded decoded = format == Formats.end()
                        ? Decoded(std::string("it is not a PNG, GIF, JPEG or BMP picture"))
                        : format->decode(bytes, limits);
  if (std::string* reason = std::get_if<std::string>(&decoded)) {
    return Error{Error::Kind::BadInput, "cannot read " + std::string(shown_name) + ": " + *reason};
  }
  return std::move(std::get<Picture>(decoded));
}

std::variant<Picture, Error> ReadPicture(const std::string& path, std::string_view shown_name,
                                         FileAccess access) {
  std::variant<std::string, Error> read =
      ReadPatternFile(path, shown_name, access, PictureFileLimit);
  if (Error* error = std::get_if<Error>(&read)) {
    return std::move(*error);
  }
  const std::string& bytes = std::get<std::string>(read);
  return DecodePicture({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
                       shown_name);
}

}  // namespace glyphgrid
