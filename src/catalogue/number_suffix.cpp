// Stored values of parameterised actions carry the number of their parameter section
// (TypeText3). These functions take such values apart, and resolve any stored value to a code.
#include <climits>

#include "catalogue/key_catalogue.h"
#include "catalogue/stripped_name.h"
#include "common/error.h"

namespace zv {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Strict: every character a digit and the value within int; otherwise throws the conversion
// error with the whole text, as the settings file's own strict conversion does.
int DigitsToInt(std::string_view digits) {
  long long value = 0;
  for (char c : digits) {
    if (!IsDigit(c) || value > INT_MAX)
      throw Error(FormatMessage("'%s' is not a valid integer value", std::string(digits)));
    value = value * 10 + (c - '0');
  }
  if (value > INT_MAX)
    throw Error(FormatMessage("'%s' is not a valid integer value", std::string(digits)));
  return static_cast<int>(value);
}

// Decimal text of a non-negative n without leading zeros, written into buffer.
std::string_view DecimalText(int n, char (&buffer)[16]) {
  char* end = buffer + sizeof buffer;
  char* at = end;
  do {
    *--at = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  return std::string_view(at, static_cast<std::size_t>(end - at));
}

}  // namespace

int NumberSuffixOf(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i)
    if (IsDigit(text[i])) return DigitsToInt(text.substr(i));
  return 0;
}

namespace detail {

StrippedName StripNumberSuffixPieces(std::string_view text) {
  char buffer[16];
  std::string_view number = DecimalText(NumberSuffixOf(text), buffer);
  std::size_t at = text.find(number);
  if (at == std::string_view::npos) return {text, {}};
  return {text.substr(0, at), text.substr(at + number.size())};
}

}  // namespace detail

std::string StripNumberSuffix(std::string_view text) {
  detail::StrippedName pieces = detail::StripNumberSuffixPieces(text);
  std::string stripped(pieces.head);
  stripped += pieces.tail;
  return stripped;
}

int ResolveKeyCode(std::string_view name) {
  int code = KeyCodeOfName(name);
  if (code != -1) return code;
  detail::StrippedName pieces = detail::StripNumberSuffixPieces(name);
  return detail::KeyCodeOfPieces(pieces.head, pieces.tail);
}

bool IsParameterizedAction(std::string_view value) {
  detail::StrippedName pieces = detail::StripNumberSuffixPieces(value);
  return detail::KeyCodeOfPieces(pieces.head, pieces.tail) > 600;
}

}  // namespace zv
