#pragma once
// Small text helpers of the INI engine: blanks, letter case, line cuts and the stored form of
// key names.
#include <string>

namespace zv::ini {

bool IsBlank(char c);
// Without the blanks at both ends.
std::string Trim(const std::string& text);
// The text up to its first line break or NUL: names and values never span lines.
std::string OneLine(const std::string& text);
// ASCII lower case, the form names are matched in (other bytes stay as they are).
std::string Fold(const std::string& text);
// How a key name stands in the file: trimmed, one line, with ";" and "=" escaped.
std::string StoredKeyName(const std::string& name);
// The name a stored key is listed under (the escapes undone).
std::string ListedKeyName(const std::string& stored);
// A value as a read gives it: trailing blanks dropped, one pair of enclosing quotes removed,
// cut to at most max characters.
std::string ReadableValue(const std::string& raw, std::size_t max);
// Whether text is well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool IsUtf8(const std::string& text);

}  // namespace zv::ini
