#pragma once
// The intercepted-code list of the settings file ("DisableKey": "Index" = N, "KeyCode1" to
// "KeyCodeN"), as the hook asks it on every key event. The codes are worked out once per
// snapshot of the file, when the snapshot changes (the program's own writes, the folder watch's
// look), never inside the hook; asking is a bit lookup. The work grows with the entries the
// file holds, never with the number "Index" says.
#include <bitset>
#include <cstdint>

#include "engine/error_reporter.h"
#include "settings/ini_document.h"
#include "settings/settings_file.h"

namespace zv {

// The codes of the entries "KeyCode<n>" (any letter case) with n from 1 to "Index"; entries
// whose code is not a virtual-key code (0-255) match nothing. Throws zv::Error "'%s' is not a
// valid integer value" for an "Index" or a listed code that is not a decimal integer.
std::bitset<256> InterceptedCodeSet(const IniDocument& doc);

class InterceptedList {
 public:
  // A list that cannot be read (a hand-edited entry that is not a number) is not valid and
  // intercepts nothing; its error is reported once per snapshot.
  InterceptedList(SettingsFile& file, ErrorReporter& errors);
  ~InterceptedList();
  InterceptedList(const InterceptedList&) = delete;
  InterceptedList& operator=(const InterceptedList&) = delete;

  bool Contains(std::uint32_t vkCode) const { return vkCode < codes_.size() && codes_[vkCode]; }
  bool valid() const { return valid_; }

 private:
  void Rebuild() noexcept;

  SettingsFile& file_;
  ErrorReporter& errors_;
  int listener_ = 0;
  bool valid_ = false;
  std::bitset<256> codes_;  // a virtual-key code is 0-255; larger codes never match
};

}  // namespace zv
