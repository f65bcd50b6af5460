#include "core/syntax_family.h"

#include <algorithm>

namespace glyphgrid {

bool IsMark(const ExportToken& token, char mark) {
  return token.kind == ExportToken::Kind::Mark && token.text.front() == mark;
}

bool IsDataKeyword(const ExportToken& token) {
  return token.kind == ExportToken::Kind::Word && EqualsIgnoringCase(token.text, "DATA");
}

SyntaxFamily FamilyOf(std::span<const ExportToken> tokens) {
  const auto has = [&tokens](auto predicate) { return std::ranges::any_of(tokens, predicate); };
  if (has([](const ExportToken& t) { return IsMark(t, '{'); })) {
    return SyntaxFamily::C;
  }
  if (has([](const ExportToken& t) {
        return IsMark(t, '[') || (t.kind == ExportToken::Kind::Word && t.text == "bytes");
      })) {
    return SyntaxFamily::Python;
  }
  return has(IsDataKeyword) ? SyntaxFamily::Basic : SyntaxFamily::Any;
}

bool InFamily(Syntax syntax, SyntaxFamily family) {
  switch (family) {
    case SyntaxFamily::C:
      return IsCSyntax(syntax);
    case SyntaxFamily::Python:
      return syntax == Syntax::Python;
    case SyntaxFamily::Basic:
      return IsBasicSyntax(syntax);
    case SyntaxFamily::Any:
      break;
  }
  return true;
}

}  // namespace glyphgrid
