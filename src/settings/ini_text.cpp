#include "settings/ini_text.h"

#include <algorithm>

namespace zv::ini {
namespace {
// The two names the format cannot hold as they are: ";" starts a comment and "=" ends a name.
// No key name of the program contains "%", so these escapes meet no other name.
const char* const kSemicolonKey = "%3B";
const char* const kEqualsKey = "%3D";
}  // namespace

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (begin == 0 && end == text.size()) return text;
  return text.substr(begin, end - begin);
}

std::string OneLine(const std::string& text) {
  std::size_t cut = text.find_first_of(std::string("\r\n\0", 3));
  return cut == std::string::npos ? text : text.substr(0, cut);
}

std::string Fold(const std::string& text) {
  std::string folded = text;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

std::string StoredKeyName(const std::string& name) {
  std::string stored = Trim(OneLine(name));
  if (stored == ";") return kSemicolonKey;
  if (stored == "=") return kEqualsKey;
  return stored;
}

std::string ListedKeyName(const std::string& stored) {
  std::string folded = Fold(stored);
  if (folded == Fold(kSemicolonKey)) return ";";
  if (folded == Fold(kEqualsKey)) return "=";
  return stored;
}

std::string ReadableValue(const std::string& raw, std::size_t max) {
  std::size_t begin = 0, end = raw.size();
  while (end > begin && IsBlank(raw[end - 1])) --end;
  if (end - begin > 1 && (raw[begin] == '"' || raw[begin] == '\'') && raw[end - 1] == raw[begin]) {
    ++begin;
    --end;
  }
  return raw.substr(begin, std::min(end - begin, max));
}

}  // namespace zv::ini
