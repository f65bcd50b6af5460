// A document that reads is written and read back as the same document, and written again as the
// same text; one that does not gives one line naming the document.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/document_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphgrid;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::variant<Document, Error> read = ParseDocument(text);
  if (const Error* error = std::get_if<Error>(&read)) {
    if (!error->message.starts_with("document line ") &&
        !error->message.starts_with("not a Glyphgrid document")) {
      std::abort();
    }
    if (error->message.find('\n') != std::string::npos) {
      std::abort();
    }
    return 0;
  }
  const std::string written = DocumentText(std::get<Document>(read));
  const std::variant<Document, Error> again = ParseDocument(written);
  if (!std::holds_alternative<Document>(again) ||
      std::get<Document>(again) != std::get<Document>(read) ||
      DocumentText(std::get<Document>(again)) != written) {
    std::abort();
  }
  return 0;
}
