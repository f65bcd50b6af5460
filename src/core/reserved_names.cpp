#include "core/reserved_names.h"

#include <algorithm>

#include "core/export_tokens.h"

namespace glyphgrid {

namespace {

struct ReservedGroup {
  std::string_view reason;
  std::initializer_list<std::string_view> names;
};

// C23's keywords, then those C++20 adds; a name in both is reported as C's.
const ReservedGroup Groups[] = {
    {"a C keyword", {"alignas",      "alignof",  "auto",          "bool",      "break",
                     "case",         "char",     "const",         "constexpr", "continue",
                     "default",      "do",       "double",        "else",      "enum",
                     "extern",       "false",    "float",         "for",       "goto",
                     "if",           "inline",   "int",           "long",      "nullptr",
                     "register",     "restrict", "return",        "short",     "signed",
                     "sizeof",       "static",   "static_assert", "struct",    "switch",
                     "thread_local", "true",     "typedef",       "typeof",    "typeof_unqual",
                     "union",        "unsigned", "void",          "volatile",  "while"}},
    {"a C++ keyword", {"and",
                       "and_eq",
                       "asm",
                       "bitand",
                       "bitor",
                       "catch",
                       "char8_t",
                       "char16_t",
                       "char32_t",
                       "class",
                       "co_await",
                       "co_return",
                       "co_yield",
                       "compl",
                       "concept",
                       "consteval",
                       "constinit",
                       "const_cast",
                       "decltype",
                       "delete",
                       "dynamic_cast",
                       "explicit",
                       "export",
                       "friend",
                       "mutable",
                       "namespace",
                       "new",
                       "noexcept",
                       "not",
                       "not_eq",
                       "operator",
                       "or",
                       "or_eq",
                       "private",
                       "protected",
                       "public",
                       "reinterpret_cast",
                       "requires",
                       "static_cast",
                       "template",
                       "this",
                       "throw",
                       "try",
                       "typeid",
                       "typename",
                       "using",
                       "virtual",
                       "wchar_t",
                       "xor",
                       "xor_eq"}},
    {"a Python keyword",
     {"False", "None",   "True",     "as",      "assert", "async",  "await",  "def",
      "del",   "elif",   "except",   "finally", "from",   "global", "import", "in",
      "is",    "lambda", "nonlocal", "pass",    "raise",  "with",   "yield"}},
    {"a Python built-in constant", {"Ellipsis", "NotImplemented"}},
    {"a name the export's code uses",
     {"uint8_t", "int8_t", "uint16_t", "int16_t", "uint32_t", "int32_t", "uint64_t", "int64_t",
      "UINT8_MAX", "UINT8_C", "INT8_MAX", "INT8_MIN", "INT8_C", "size_t", "NULL", "PROGMEM",
      "bytes"}},
};

}  // namespace

std::optional<std::string_view> ReservedNameReason(std::string_view name) {
  for (const ReservedGroup& group : Groups) {
    if (std::ranges::find(group.names, name) != group.names.end()) {
      return group.reason;
    }
  }
  if (name.starts_with("__") ||
      (name.size() > 1 && name[0] == '_' && name[1] >= 'A' && name[1] <= 'Z')) {
    return "kept for the compiler in C and C++ (it starts with __ or _ and a capital)";
  }
  if (EqualsIgnoringCase(name, "REM")) {
    return "BASIC's comment keyword: the rest of its line would be read as a comment";
  }
  return std::nullopt;
}

}  // namespace glyphgrid
