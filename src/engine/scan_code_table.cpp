#include "engine/scan_code_table.h"

namespace zv {

unsigned ScanCodeTable::Of(platform::Input& input, int code) {
  if (!built_) Build(input, input.KeyboardLayout());
  return code >= 0 && code < 256 ? scans_[static_cast<std::size_t>(code)] : 0;
}

void ScanCodeTable::Follow(platform::Input& input) {
  std::uintptr_t layout = input.KeyboardLayout();
  if (!built_ || layout != layout_) Build(input, layout);
}

void ScanCodeTable::Build(platform::Input& input, std::uintptr_t layout) {
  for (unsigned code = 0; code < scans_.size(); ++code) {
    scans_[code] = static_cast<std::uint16_t>(input.MapKey(code, 0));
  }
  layout_ = layout;
  built_ = true;
}

}  // namespace zv
