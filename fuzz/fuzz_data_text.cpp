// A DATA line that reads is red and grey only and writes back as the same line, less a leading
// byte order mark.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/byte_order_mark.h"
#include "core/data_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::variant<LampMatrix, Error> read = ParseDataText(text);
  if (const Error* error = std::get_if<Error>(&read)) {
    if (!error->message.starts_with("data")) {
      std::abort();
    }
    return 0;
  }
  const LampMatrix& lamps = std::get<LampMatrix>(read);
  for (LampIndex i = 0; i < LampCount; ++i) {
    if (lamps.Colour(i) != LampRed && lamps.Colour(i) != LampGrey) {
      std::abort();
    }
  }
  text = WithoutByteOrderMark(text);
  for (const std::string_view end : {"\r\n", "\n"}) {
    if (text.ends_with(end)) {
      text.remove_suffix(end.size());
      break;
    }
  }
  if (DataText(lamps) != text) {
    std::abort();
  }
  return 0;
}
