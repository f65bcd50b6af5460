// A grid that reads is written back as the same text, less a leading byte order mark, with LF line
// ends and a final LF; one that does not gives a message naming the grid.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/byte_order_mark.h"
#include "core/grid_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::variant<LampMatrix, Error> read = ParseGrid(text);
  if (const Error* error = std::get_if<Error>(&read)) {
    if (!error->message.starts_with("grid")) {
      std::abort();
    }
    return 0;
  }
  std::string expected;
  for (const char character : WithoutByteOrderMark(text)) {
    if (character == '\n' && expected.ends_with('\r')) {
      expected.back() = '\n';
    } else {
      expected += character;
    }
  }
  if (!expected.ends_with('\n')) {
    expected += '\n';
  }
  if (GridText(std::get<LampMatrix>(read)) != expected) {
    std::abort();
  }
  return 0;
}
