#pragma once
// The scan code of every virtual key (MapVirtualKeyA type 0) on the keyboard layout of the
// program's thread, asked once per layout rather than once per injected key: the hook's path
// reads the table and makes no call for it. Follow() looks at the layout and builds the table
// again when it changed; it runs outside the hook.
#include <array>
#include <cstdint>

#include "platform/input.h"

namespace zv {

class ScanCodeTable {
 public:
  // The table is built on first use, when Follow() has not run yet.
  unsigned Of(platform::Input& input, int code);
  // Builds the table again when the layout differs from the one it was built for.
  void Follow(platform::Input& input);

 private:
  void Build(platform::Input& input, std::uintptr_t layout);

  bool built_ = false;
  std::uintptr_t layout_ = 0;
  std::array<std::uint16_t, 256> scans_{};
};

}  // namespace zv
