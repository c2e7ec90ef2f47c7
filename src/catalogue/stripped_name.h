#pragma once
// Allocation-free pieces of StripNumberSuffix, for the per-event lookup ResolveKeyCode.
#include <string_view>

namespace zv::detail {

// A stored value with its number taken out: the stripped text is head followed by tail.
struct StrippedName {
  std::string_view head;
  std::string_view tail;
};

// Throws like NumberSuffixOf.
StrippedName StripNumberSuffixPieces(std::string_view text);

// KeyCodeOfName(head + tail) without building the joined string on the heap.
int KeyCodeOfPieces(std::string_view head, std::string_view tail);

}  // namespace zv::detail
