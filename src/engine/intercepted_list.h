#pragma once
// The intercepted-code list of the settings file ("DisableKey": "Index" = N, "KeyCode1" to
// "KeyCodeN"), as the hook asks it on every key event. The parsed list is kept until the file's
// snapshot changes; asking it never touches the disk.
#include <bitset>
#include <cstdint>

#include "settings/settings_file.h"

namespace zv {

class InterceptedList {
 public:
  explicit InterceptedList(SettingsFile& file) : file_(file) {}
  // Whether vkCode is one of the listed codes. Throws "'%s' is not a valid integer value" for a
  // hand-edited "Index" or "KeyCode" that is not a number (every entry up to N is read, as the
  // hook always reads them all).
  bool Contains(std::uint32_t vkCode);

 private:
  void Rebuild();

  SettingsFile& file_;
  bool valid_ = false;
  std::uint64_t version_ = 0;
  std::bitset<256> codes_;  // a virtual-key code is 0-255; larger codes never match
};

}  // namespace zv
