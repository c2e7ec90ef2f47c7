// Name and code lookups over the key table. Both run for every intercepted key event, so they
// use indexes built once in fixed-size arrays (no heap) that give exactly the result of a
// full scan in which the last matching row wins.
#include <algorithm>
#include <array>
#include <iterator>

#include "catalogue/key_catalogue.h"
#include "catalogue/stripped_name.h"
#include "catalogue/table_sizes.h"

namespace zv {
namespace {

struct NamedCode {
  std::string_view name;
  int code;
};

// The rows sorted by name; the stable sort keeps equal names in row order, so the last entry
// of an equal range is the last row with that name.
using NameIndex = std::array<NamedCode, detail::kKeyRowCount>;

NameIndex BuildNameIndex() {
  NameIndex index{};
  for (std::size_t row = 0; row < detail::kKeyRowCount; ++row)
    index[row] = {KeyTable()[row].name, KeyTable()[row].code};
  std::stable_sort(index.begin(), index.end(),
                   [](const NamedCode& a, const NamedCode& b) { return a.name < b.name; });
  return index;
}

// Codes 0 to kCodeSlots - 1 map straight to a name; later rows overwrite earlier ones.
constexpr int kCodeSlots = 1024;
using CodeIndex = std::array<std::string_view, kCodeSlots>;

CodeIndex BuildCodeIndex() {
  CodeIndex index;
  index.fill(" ");
  for (std::size_t row = 0; row < KeyTableSize(); ++row) {
    int code = KeyTable()[row].code;
    if (code >= 0 && code < kCodeSlots) index[code] = KeyTable()[row].name;
  }
  return index;
}

bool EqualsPieces(std::string_view name, std::string_view head, std::string_view tail) {
  return name.size() == head.size() + tail.size() && name.substr(0, head.size()) == head &&
         name.substr(head.size()) == tail;
}

}  // namespace

int KeyCodeOfName(std::string_view name) {
  static const NameIndex index = BuildNameIndex();
  auto past = std::upper_bound(index.begin(), index.end(), name,
                               [](std::string_view n, const NamedCode& e) { return n < e.name; });
  if (past == index.begin() || std::prev(past)->name != name) return -1;
  return std::prev(past)->code;
}

std::string_view KeyNameOfCode(int code) {
  static const CodeIndex index = BuildCodeIndex();
  if (code >= 0 && code < kCodeSlots) return index[code];
  std::string_view result = " ";  // no row has such a code today; scan to stay exact anyway
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (KeyTable()[row].code == code) result = KeyTable()[row].name;
  return result;
}

namespace detail {

int KeyCodeOfPieces(std::string_view head, std::string_view tail) {
  if (tail.empty()) return KeyCodeOfName(head);
  char joined[64];
  if (head.size() + tail.size() <= sizeof joined) {
    std::copy(head.begin(), head.end(), joined);
    std::copy(tail.begin(), tail.end(), joined + head.size());
    return KeyCodeOfName(std::string_view(joined, head.size() + tail.size()));
  }
  int code = -1;  // longer than the buffer (and than every name today): scan over the pieces
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (EqualsPieces(KeyTable()[row].name, head, tail)) code = KeyTable()[row].code;
  return code;
}

}  // namespace detail
}  // namespace zv
