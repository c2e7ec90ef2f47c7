#include "ui/scancode_elevation.h"

#include "scancode/scancode_map.h"

namespace zv {

void ChangeScancodeMapOrElevate(const std::function<void()>& change,
                                const std::function<bool(const std::string&)>& askYesNo,
                                ElevatedScancodeWriter& writer) {
  try {
    change();
  } catch (const ScancodeWriteDenied& denied) {
    if (!askYesNo(kAskElevationText) || !writer.Write(denied.hex())) throw Error(denied.what());
  }
}

}  // namespace zv
