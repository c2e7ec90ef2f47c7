#pragma once
// Key streams in one line: "+A -A" is A down, A up. Names are letters, digits and a few words
// (LShift, RShift, LCtrl, RAlt, LWin, Space, Enter, Bksp, VolUp, VolDown, NumLock, Back, Fwd,
// F1-F12, Mask: the unassigned 0xE8, Click: a left mouse button press);
// "#175" is any virtual-key code; "@80" after a key gives its time in ms from the line's start
// (the clock and the timers move on to it). "^" after the sign marks the SYS messages (Alt held): "+^A".
// "AltGr" (kAltGr) is the key of that name on a layout that has it: Windows' made-up Left Ctrl,
// then Right Alt.
#include <string>
#include <vector>

#include "platform/input.h"

namespace zv::testing_engine {

inline constexpr int kAltGr = 0x1A5;

struct KeyStroke {
  int vk;
  bool down;
  bool sys;
  int at;  // "+A@80": 80 ms after the first key of the line; -1 when not given
};

std::vector<KeyStroke> ParseKeys(const std::string& text);  // throws on a name it does not know
std::string KeyToken(int vk);
std::string FormatEvents(const std::vector<platform::KeyEvent>& events);

}  // namespace zv::testing_engine
