#include "app/scancode_map_port.h"

#include "common/error.h"
#include "ui/mapping_editor.h"

namespace zv {

ScancodeWrite PendingScancodeMap::Add(const std::string&, const std::string&) {
  throw Error(kScancodeWriteFailed);
}

ScancodeWrite PendingScancodeMap::Remove(const std::string&, const std::string&) {
  throw Error(kScancodeWriteFailed);
}

}  // namespace zv
