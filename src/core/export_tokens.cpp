#include "core/export_tokens.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/byte_order_mark.h"
#include "core/error.h"
#include "core/identifier_chars.h"

namespace glyphgrid {

namespace {

constexpr std::string_view Marks = "{}[](),;=";
constexpr std::size_t MaxShownLength = 24;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int DigitValue(char c) {
  if (IsDigit(c)) {
    return c - '0';
  }
  const char lower = Lower(c);
  return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : 99;
}

// Arduino's binary.h names every byte B0 .. B11111111: an upper-case B and 1 to 8 binary digits.
// Hex text writes B0 for 0xB0, so there they stay hexadecimal.
bool IsArduinoBinary(std::string_view run, bool bare_hex) {
  return !bare_hex && run.size() >= 2 && run.size() <= 9 && run.front() == 'B' &&
         std::ranges::all_of(run.substr(1), [](char c) { return c == '0' || c == '1'; });
}

bool IsSuffix(char c) {
  return Lower(c) == 'u' || Lower(c) == 'l';
}

struct Literal {
  std::uint64_t value = 0;
  bool too_large = false;  // over the rules' maximum
};

// The value of a literal, or nothing when it is no number.
std::optional<Literal> LiteralValue(std::string_view literal, const TokenRules& rules) {
  int base = rules.bare_hex ? 16 : 10;
  std::string_view digits = literal;
  const std::string_view prefix = literal.substr(0, 2);
  bool c_literal = !rules.bare_hex;
  if (IsArduinoBinary(literal, rules.bare_hex)) {
    base = 2;
    digits.remove_prefix(1);
    c_literal = false;
  } else if (EqualsIgnoringCase(prefix, "&b") ||
             (!rules.bare_hex && EqualsIgnoringCase(prefix, "0b"))) {
    base = 2;
    digits.remove_prefix(2);
    c_literal = prefix[0] == '0';
  } else if (EqualsIgnoringCase(prefix, "&h") || EqualsIgnoringCase(prefix, "0x")) {
    base = 16;
    digits.remove_prefix(2);
    c_literal = prefix[0] == '0';
  }
  // 0x12UL: C's suffixes, at most three of them.
  for (int i = 0; c_literal && i < 3 && digits.size() > 1 && IsSuffix(digits.back()); ++i) {
    digits.remove_suffix(1);
  }
  if (digits.empty()) {
    return std::nullopt;
  }
  Literal literal_value;
  for (const char c : digits) {
    const int digit = DigitValue(c);
    if (digit >= base) {
      return std::nullopt;
    }
    const auto d = static_cast<std::uint64_t>(digit);
    const auto b = static_cast<std::uint64_t>(base);
    if (literal_value.too_large || literal_value.value > (rules.max_value - d) / b) {
      literal_value.too_large = true;
    } else {
      literal_value.value = literal_value.value * b + d;
    }
  }
  return literal_value;
}

class Tokenizer {
 public:
  Tokenizer(std::string_view text, const TokenRules& rules) : text_(text), rules_(rules) {
    at_ = line_start_ = text.size() - WithoutByteOrderMark(text).size();
  }

  std::variant<std::vector<ExportToken>, Error> Run() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (IsSpace(c)) {
        Advance(1);
      } else if (c == '\'' || c == '#' || text_.substr(at_, 2) == "//") {
        SkipLine();
      } else if (text_.substr(at_, 2) == "/*") {
        const std::size_t end = text_.find("*/", at_ + 2);
        if (end == std::string_view::npos) {
          return Fail("the comment that starts here is not closed with */");
        }
        Advance(end + 2 - at_);
      } else if (tokens_.size() == rules_.max_tokens) {
        // No profile reads so long a text: a huge paste ends here, not at its end.
        return Fail("more numbers, words and marks than any export holds (" +
                    std::to_string(rules_.max_tokens) + ")");
      } else if (Marks.find(c) != std::string_view::npos) {
        Emit(ExportToken::Kind::Mark, 1, 0);
      } else if (IsIdentifierPart(c) || c == '&') {
        const std::string_view run = text_.substr(at_, RunLength(at_ + 1));
        const bool hex_digits =
            rules_.bare_hex && std::ranges::all_of(run, [](char d) { return DigitValue(d) < 16; });
        if (IsIdentifierStart(c) && !hex_digits && !IsArduinoBinary(run, rules_.bare_hex)) {
          if (EqualsIgnoringCase(run, "REM") && !IsDelayRemark()) {
            SkipLine();
          } else {
            Emit(ExportToken::Kind::Word, run.size(), 0);
          }
          continue;
        }
        const std::optional<Literal> value = LiteralValue(run, rules_);
        if (!value) {
          return Fail(ShownToken(run) + " is not a number (expected " +
                      (rules_.bare_hex ? "hexadecimal digits, or &B, &H or 0x and digits"
                                       : "&B, &H, 0x or 0b and digits, or a decimal number") +
                      ")");
        }
        if (value->too_large) {
          return Fail(ShownToken(run) + " is over " + std::to_string(rules_.max_value));
        }
        Emit(ExportToken::Kind::Number, run.size(), value->value);
      } else {
        return Fail("unexpected " + ShownToken(text_.substr(at_, 1)));
      }
    }
    return std::move(tokens_);
  }

 private:
  // REM DELAYS, when the rules read it: the remark that lists an animation's delays.
  bool IsDelayRemark() const {
    if (!rules_.delay_remarks) {
      return false;
    }
    std::size_t next = at_ + 3;
    while (next < text_.size() && (text_[next] == ' ' || text_[next] == '\t')) {
      ++next;
    }
    return next > at_ + 3 && EqualsIgnoringCase(text_.substr(next, 6), "DELAYS") &&
           (next + 6 == text_.size() || !IsIdentifierPart(text_[next + 6]));
  }

  int Column() const { return static_cast<int>(at_ - line_start_) + 1; }

  Error Fail(const std::string& what) const {
    return {Error::Kind::BadInput, TextPosition(line_, Column()) + ": " + what};
  }

  // CR, LF and CR LF each end a line.
  bool EndsLine(std::size_t at) const {
    return text_[at] == '\n' ||
           (text_[at] == '\r' && (at + 1 == text_.size() || text_[at + 1] != '\n'));
  }

  void Advance(std::size_t count) {
    for (const std::size_t end = at_ + count; at_ < end; ++at_) {
      if (EndsLine(at_)) {
        ++line_;
        line_start_ = at_ + 1;
      }
    }
  }

  void SkipLine() {
    const std::size_t end = text_.find_first_of("\r\n", at_);
    Advance((end == std::string_view::npos ? text_.size() : end) - at_);
  }

  std::size_t RunLength(std::size_t from) const {
    std::size_t end = from;
    while (end < text_.size() && IsIdentifierPart(text_[end])) {
      ++end;
    }
    return end - at_;
  }

  void Emit(ExportToken::Kind kind, std::size_t length, std::uint64_t value) {
    tokens_.push_back({kind, text_.substr(at_, length), value, line_, Column()});
    Advance(length);
  }

  std::string_view text_;
  TokenRules rules_;
  std::size_t at_ = 0;
  std::size_t line_start_ = 0;
  int line_ = 1;
  std::vector<ExportToken> tokens_;
};

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) {
      return false;
    }
  }
  return true;
}

std::string ShownToken(std::string_view text) {
  if (text.size() == 1 &&
      (static_cast<unsigned char>(text[0]) < 0x21 || static_cast<unsigned char>(text[0]) > 0x7E)) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "byte 0x%02X", static_cast<unsigned char>(text[0]));
    return hex;
  }
  if (text.size() > MaxShownLength) {
    return "'" + Escaped(text.substr(0, MaxShownLength)) + "...'";
  }
  return "'" + Escaped(text) + "'";
}

std::string TextPosition(int line, int column) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

std::variant<std::vector<ExportToken>, Error> TokenizeExport(std::string_view text,
                                                             const TokenRules& rules) {
  return Tokenizer(text, rules).Run();
}

}  // namespace glyphgrid
