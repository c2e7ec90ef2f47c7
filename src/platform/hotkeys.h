#pragma once
// System-wide hotkeys of the main window: RegisterHotKey, UnregisterHotKey, GlobalAddAtomA.
#include <string>

namespace zv::platform {

inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;

class HotKeys {
 public:
  virtual ~HotKeys() = default;
  // GlobalAddAtomA: the atom of name (raising its count), 0 when refused.
  virtual unsigned AddAtom(const std::string& name) = 0;
  // False when the combination is taken (by any program, or under another identifier).
  virtual bool Register(int id, unsigned modifiers, unsigned key) = 0;
  // False when nothing is registered under id.
  virtual bool Unregister(int id) = 0;
};

}  // namespace zv::platform
