#pragma once
// The names under which a key event's mapping may be stored. The editor offers some source keys
// under names the key table gives other codes or none ("Volume Up" for the physical volume key
// 175, "NumLock" for 144, "WWW Back" for 166); a mapping stored under such a name belongs to
// that physical key as well as a mapping under the table's own name.
#include <string_view>

namespace zv {

struct SourceKeyNames {
  std::string_view tableName;  // KeyNameOfCode(code): " " when the table has no row
  std::string_view listName;   // the "Original Key" list's other name for code, or empty
};

SourceKeyNames SourceKeyNamesOf(int code);

// The code a source key name stands for: for the list's own names the physical key's code
// ("Volume Up" 175, "WWW Back" 166), otherwise ResolveKeyCode of the name. The mapping store
// records it, so the hook intercepts the physical key the user picked.
int SourceKeyCodeOfName(std::string_view name);

}  // namespace zv
