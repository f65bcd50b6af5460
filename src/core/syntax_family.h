#pragma once

#include <span>

#include "core/export_tokens.h"
#include "core/wiring_profile.h"

namespace glyphgrid {

bool IsMark(const ExportToken& token, char mark);
bool IsDataKeyword(const ExportToken& token);

// The syntax a text is written in, as far as its marks and words tell: C's braces, Python's
// brackets or bytes( ), BASIC's DATA; Any for a bare list of numbers.
enum class SyntaxFamily { C, Python, Basic, Any };

SyntaxFamily FamilyOf(std::span<const ExportToken> tokens);

// Whether a profile of that syntax writes texts of the family; every syntax fits Any.
bool InFamily(Syntax syntax, SyntaxFamily family);

}  // namespace glyphgrid
