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

bool IsUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80   ? 0
                : lead < 0xC2 ? -1
                : lead < 0xE0 ? 1
                : lead < 0xF0 ? 2
                : lead < 0xF5 ? 3
                              : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) return false;
    unsigned code = lead & (0x7Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
      auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    static const unsigned kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (code < kLeast[extra] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return false;
    i += 1 + static_cast<std::size_t>(extra);
  }
  return true;
}

}  // namespace zv::ini
