#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "core/animation.h"
#include "media/picture_decoders.h"

namespace glyphgrid {

namespace {

struct GifSource {
  PictureBytes bytes;
  std::size_t at = 0;
};

int ReadGifBytes(GifFileType* gif, GifByteType* buffer, int size) {
  auto* source = static_cast<GifSource*>(gif->UserData);
  const std::size_t taken =
      std::min(static_cast<std::size_t>(std::max(size, 0)), source->bytes.size() - source->at);
  std::memcpy(buffer, source->bytes.data() + source->at, taken);
  source->at += taken;
  return static_cast<int>(taken);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

std::string Damaged(int error) {
  // The library reports a file that ends inside a descriptor as a missing descriptor.
  if (error == D_GIF_ERR_READ_FAILED || error == D_GIF_ERR_EOF_TOO_SOON ||
      error == D_GIF_ERR_NO_SCRN_DSCR || error == D_GIF_ERR_NO_IMAG_DSCR) {
    return "its GIF data is cut short";
  }
  const char* reason = GifErrorString(error);
  return std::string("its GIF data is damaged (") + (reason ? reason : "unknown error") + ")";
}

// The rows of a frame in the order they are stored: top to bottom, or the four passes of an
// interlaced frame.
std::vector<int> StoredRows(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  constexpr std::pair<int, int> Passes[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
  for (const auto& [first, step] : Passes) {
    for (int row = first; row < height; row += interlaced ? step : 1) {
      rows.push_back(row);
    }
    if (!interlaced) {
      break;
    }
  }
  return rows;
}

void ClearRectangle(RgbaImage& canvas, const GifImageDesc& frame) {
  for (int y = std::max(frame.Top, 0); y < std::min(frame.Top + frame.Height, canvas.height); ++y) {
    for (int x = std::max(frame.Left, 0); x < std::min(frame.Left + frame.Width, canvas.width);
         ++x) {
      std::memset(canvas.Pixel(x, y), 0, 4);
    }
  }
}

// The extension's blocks read to the end; a graphic control block sets how the next frame is
// drawn and disposed of.
int ReadExtension(GifFileType* gif, GraphicsControlBlock& control) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
    return GIF_ERROR;
  }
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
    DGifExtensionToGCB(block[0], block + 1, &control);
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
      return GIF_ERROR;
    }
  }
  return GIF_OK;
}

// Draws the frame whose descriptor was just read onto the canvas: its opaque pixels only, clipped
// to the logical screen.
int DrawFrame(GifFileType* gif, const GraphicsControlBlock& control, RgbaImage& canvas) {
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* colours = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  for (const int row : StoredRows(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
      return GIF_ERROR;
    }
    const int y = frame.Top + row;
    for (int column = 0; column < frame.Width && y < canvas.height; ++column) {
      const int x = frame.Left + column;
      const int index = line[static_cast<std::size_t>(column)];
      if (x >= canvas.width || index == control.TransparentColor || colours == nullptr ||
          index >= colours->ColorCount) {
        continue;
      }
      const GifColorType& colour = colours->Colors[index];
      std::uint8_t* pixel = canvas.Pixel(x, y);
      pixel[0] = colour.Red;
      pixel[1] = colour.Green;
      pixel[2] = colour.Blue;
      pixel[3] = 255;
    }
  }
  return GIF_OK;
}

}  // namespace

// The frames are read record by record rather than slurped, so that each frame's size is checked
// before anything is allocated for it.
Decoded DecodeGif(PictureBytes bytes, const PictureLimits& limits) {
  GifSource source{bytes};
  int error = 0;
  const std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadGifBytes, &error));
  if (!gif) {
    return Damaged(error);
  }
  if (std::optional<std::string> problem = SizeProblem(gif->SWidth, gif->SHeight, 0, limits)) {
    return *problem;
  }
  const std::size_t canvas_bytes = static_cast<std::size_t>(gif->SWidth) * gif->SHeight * 4;
  RgbaImage canvas(gif->SWidth, gif->SHeight);
  GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  Picture picture;
  for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR ||
        (record == EXTENSION_RECORD_TYPE && ReadExtension(gif.get(), control) == GIF_ERROR) ||
        (record == IMAGE_DESC_RECORD_TYPE && DGifGetImageDesc(gif.get()) == GIF_ERROR)) {
      return Damaged(gif->Error);
    }
    if (record != IMAGE_DESC_RECORD_TYPE) {
      continue;
    }
    const GifImageDesc frame = gif->Image;
    if (picture.frames.size() == MaxFrames) {
      return "it holds more than " + std::to_string(MaxFrames) + " frames";
    }
    // Each frame is kept as the whole screen shows it.
    std::optional<std::string> problem = SizeProblem(frame.Width, frame.Height, 0, limits);
    problem = problem ? problem
                      : SizeProblem(canvas.width, canvas.height,
                                    picture.frames.size() * canvas_bytes, limits);
    if (problem) {
      return *problem;
    }
    // The canvas each frame leaves behind, for a frame to be disposed of by restoring it.
    RgbaImage before = control.DisposalMode == DISPOSE_PREVIOUS ? canvas : RgbaImage();
    if (DrawFrame(gif.get(), control, canvas) == GIF_ERROR) {
      return Damaged(gif->Error);
    }
    picture.frames.push_back(
        {canvas, control.DelayTime > 0 ? std::optional(control.DelayTime * 10) : std::nullopt});
    if (control.DisposalMode == DISPOSE_BACKGROUND) {
      ClearRectangle(canvas, frame);
    } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
      canvas = std::move(before);
    }
    // A control block governs the one frame after it.
    control = {DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
  }
  if (picture.frames.empty()) {
    return std::string("it holds no frames");
  }
  return picture;
}

}  // namespace glyphgrid
