#pragma once
// The fixed selection lists of the editor's boxes and the key sequence dialog.
#include <string>
#include <vector>

namespace zv {

// The "Original Key" box: 121 source names.
const std::vector<std::string>& OriginalKeyList();
// The "Changed to" box: 134 target names, actions first.
const std::vector<std::string>& ChangedToList();
// The key sequence dialog: "Delay", then the "Original Key" names without "Num Del" (121).
const std::vector<std::string>& KeySequenceList();

}  // namespace zv
