#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/animation.h"
#include "core/error.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

// What the native document keeps that no pattern text can: every frame in all four colours, the
// delays, and the wiring profile last used for export.
struct Document {
  Animation animation;
  std::optional<WiringProfile> profile;

  bool operator==(const Document&) const = default;
};

// A 10,000-frame document is about 1.3 MB; the limit leaves room for one laid out by hand.
inline constexpr TextLimit DocumentTextLimit{16 * 1024 * 1024, "16 MiB", "a document"};

// The document as JSON: a format name and version, then one line a frame with its delay and its
// rows as grid text (". R G O"), so that it reads and diffs well.
std::string DocumentText(const Document& document);

// Reads what DocumentText writes, strictly: anything missing, unknown or out of range is an error
// naming the line and column and what was expected.
std::variant<Document, Error> ParseDocument(std::string_view text);

// Whether the text is meant as a document (it starts with "{"), whatever else it holds: a pattern
// text never does.
bool IsDocumentText(std::string_view text);

}  // namespace glyphgrid
